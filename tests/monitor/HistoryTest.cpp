#include "monitor/History.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace hmdx {
namespace {

using namespace std::chrono;
using Point = ReadingHistory::Point;

const system_clock::time_point t0 = sys_days{year{2026} / 3 / 14} + 9h;
const double kNone = std::numeric_limits<double>::quiet_NaN();

std::array<uint8_t, 16> Raw(int base) {
    std::array<uint8_t, 16> raw{};
    for (int i = 0; i < 16; ++i)
        raw[static_cast<std::size_t>(i)] = static_cast<uint8_t>(base + i);
    return raw;
}

std::vector<int> Seconds(const std::vector<Point>& points) {
    std::vector<int> out;
    for (const auto& p : points)
        out.push_back(static_cast<int>(duration_cast<seconds>(p.time - t0).count()));
    return out;
}

std::vector<Point> All(const ReadingHistory& h, int item) {
    return h.points(item, system_clock::time_point::min(), system_clock::time_point::max());
}

TEST(ReadingHistory, RingKeepsTheNewestTicksAcrossItsWrap) {
    ReadingHistory h(5);
    EXPECT_EQ(h.bytes(), 5u * 22);
    EXPECT_FALSE(h.latest());
    EXPECT_TRUE(All(h, 0).empty());
    for (int s = 0; s < 8; ++s)
        h.record(t0 + seconds(s), Raw(s * 10), 0xFFFF);
    EXPECT_EQ(h.size(), 5u);
    EXPECT_EQ(h.latest(), t0 + 7s);
    const auto points = All(h, 2);
    EXPECT_EQ(Seconds(points), (std::vector<int>{3, 4, 5, 6, 7}));
    for (const auto& p : points)
        EXPECT_EQ(p.raw, (p.time - t0) / 1s * 10 + 2);

    // Bounds are inclusive, searched across the wrap; sub-second bounds round inwards.
    EXPECT_EQ(Seconds(h.points(2, t0 + 4s, t0 + 6s)), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(Seconds(h.points(2, t0 + 4500ms, t0 + 6500ms)), (std::vector<int>{5, 6}));
    EXPECT_EQ(Seconds(h.points(2, t0, t0 + 3s)), (std::vector<int>{3}));
    EXPECT_TRUE(h.points(2, t0 + 8s, t0 + 9s).empty());
    EXPECT_TRUE(h.points(2, t0 + 6s, t0 + 4s).empty());
    EXPECT_TRUE(All(h, 16).empty());
    EXPECT_TRUE(All(h, -1).empty());
}

TEST(ReadingHistory, HoldsTwentyFourHoursAtOneTickASecond) {
    ReadingHistory h;
    EXPECT_EQ(h.bytes(), 86400u * 22); // what the docs quote
    const int extra = 90;
    for (int s = 0; s < 86400 + extra; ++s)
        h.record(t0 + seconds(s), Raw(s % 200), 0xFFFF);
    EXPECT_EQ(h.size(), ReadingHistory::kTicks);
    const auto day = h.points(0, *h.latest() - 24h, *h.latest());
    ASSERT_EQ(day.size(), 86400u);
    EXPECT_EQ(day.front().time, t0 + seconds(extra)); // older ones are gone
    EXPECT_EQ(day.back().time, t0 + seconds(86400 + extra - 1));
    EXPECT_EQ(h.points(0, t0, t0 + seconds(extra - 1)).size(), 0u);
    EXPECT_EQ(h.points(0, t0 + 50000s, t0 + 50009s).size(), 10u);
}

TEST(ReadingHistory, ItemsNotReadInATickAreAbsent) {
    ReadingHistory h(10);
    for (int s = 0; s < 6; ++s) // item 3 on even ticks, item 15 on the last only
        h.record(t0 + seconds(s), Raw(s),
                 static_cast<uint16_t>((s % 2 ? 0 : 1u << 3) | (s == 5 ? 1u << 15 : 0)));
    EXPECT_EQ(Seconds(All(h, 3)), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(Seconds(All(h, 15)), (std::vector<int>{5}));
    EXPECT_EQ(All(h, 15)[0].raw, 5 + 15);
    EXPECT_TRUE(All(h, 4).empty());
    EXPECT_EQ(h.size(), 6u); // ticks reading nothing of an item still count
}

TEST(ReadingHistory, EachPointCarriesTheLimitsAndWarningInForce) {
    ReadingHistory h(10);
    h.limits(t0 - 60s, 0, 1.0, 2.0);  // before any tick; dropped once the next is in the past
    h.limits(t0 + 4s, 0, kNone, 2.5); // in force when the ring's window opens
    h.limits(t0 + 12s, 0, 1.5, kNone);
    h.limits(t0 + 13s, 0, 1.5, kNone); // unchanged: no new change
    h.limits(t0 + 12s, 1, 7.0, 8.0);   // another item's own
    h.warning(t0 + 8s, 0, true);
    h.warning(t0 + 9s, 0, true);
    h.warning(t0 + 14s, 0, false);
    h.warning(t0 + 17s, 0, true);
    h.warning(t0 + 17s, 0, false); // same second: the last word counts
    for (int s = 0; s < 20; ++s)
        h.record(t0 + seconds(s), Raw(s), 0xFFFF);

    struct Expect {
        int second;
        double low, high;
        bool warning;
    };
    const Expect table[] = {
        {10, kNone, 2.5, true},  {11, kNone, 2.5, true},  {12, 1.5, kNone, true},
        {13, 1.5, kNone, true},  {14, 1.5, kNone, false}, {15, 1.5, kNone, false},
        {16, 1.5, kNone, false}, {17, 1.5, kNone, false}, {18, 1.5, kNone, false},
        {19, 1.5, kNone, false},
    };
    const auto points = All(h, 0);
    ASSERT_EQ(points.size(), std::size(table));
    const auto same = [](double a, double b) { return std::isnan(a) ? std::isnan(b) : a == b; };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Expect& e = table[i];
        EXPECT_EQ(points[i].time, t0 + seconds(e.second));
        EXPECT_TRUE(same(points[i].low, e.low)) << e.second << ": " << points[i].low;
        EXPECT_TRUE(same(points[i].high, e.high)) << e.second << ": " << points[i].high;
        EXPECT_EQ(points[i].warning, e.warning) << e.second;
    }
    // A query starting mid-way finds the change in force at its start.
    const auto tail = h.points(0, t0 + 13s, t0 + 13s);
    ASSERT_EQ(tail.size(), 1u);
    EXPECT_EQ(tail[0].low, 1.5);
    EXPECT_TRUE(tail[0].warning);

    const auto other = All(h, 1); // set at 12 s, not before
    EXPECT_TRUE(std::isnan(other[1].low));
    EXPECT_EQ(other[2].low, 7.0);
    EXPECT_FALSE(other[9].warning);
}

TEST(ReadingHistory, TimesKeptToTheSecondAndNeverBackwards) {
    ReadingHistory h(10);
    h.limits(t0 + 200ms, 0, 1.0, 2.0);
    h.record(t0 + 700ms, Raw(0), 1); // same second as the limits: they apply
    h.record(t0 + 5s, Raw(1), 1);
    h.record(t0 + 2s, Raw(2), 1); // the clock was set back: kept in order at 5 s
    h.warning(t0 + 1s, 0, true);  // changes go in at their own time
    h.record(t0 + 6s, Raw(3), 1);
    h.limits(t0 + 3s, 0, 0.5, 2.0); // between two earlier changes' times: in force from 3 s
    const auto points = All(h, 0);
    EXPECT_EQ(Seconds(points), (std::vector<int>{0, 5, 5, 6}));
    EXPECT_EQ(points[0].low, 1.0);
    EXPECT_FALSE(points[0].warning);
    EXPECT_TRUE(points[1].warning);
    EXPECT_EQ(points[1].low, 0.5);
    EXPECT_EQ(points[3].low, 0.5);
    EXPECT_EQ(points[2].raw, 2);
    EXPECT_TRUE(points[2].warning);
    EXPECT_TRUE(points[3].warning);
    EXPECT_EQ(h.points(0, t0 + 5s, t0 + 5s).size(), 2u);
}

TEST(ReadingHistory, ItemsOutsideTheRangeAreIgnored) {
    ReadingHistory h(0); // counts as 1
    h.limits(t0, -1, 1, 2);
    h.limits(t0, 16, 1, 2);
    h.warning(t0, 99, true);
    h.record(t0, Raw(0), 0xFFFF);
    h.record(t0 + 1s, Raw(1), 0xFFFF);
    EXPECT_EQ(h.size(), 1u);
    EXPECT_EQ(Seconds(All(h, 0)), (std::vector<int>{1}));
}

} // namespace
} // namespace hmdx
