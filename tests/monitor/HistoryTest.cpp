// SPDX-License-Identifier: GPL-3.0-or-later
// The reading history: the ring, the series built from it, and the window and CSV file that
// show them.
#include "monitor/History.h"

#include "monitor/HistorySeries.h"
#include "support/QtApp.h"
#include "ui/dialogs/HistoryCsv.h"
#include "ui/dialogs/HistoryTimeAxis.h"
#include "ui/dialogs/HistoryWindow.h"

#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <stdlib.h>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <vector>

namespace hmdx::test {
namespace {

using namespace std::chrono;
using Point = ReadingHistory::Point;
using Lines = std::vector<ChartLine>;

const system_clock::time_point t0 = sys_days{year{2026} / 3 / 14} + 9h;
const double kNone = std::numeric_limits<double>::quiet_NaN();

std::array<uint8_t, 16> Raw(int base) {
    std::array<uint8_t, 16> raw{};
    for (int i = 0; i < 16; ++i)
        raw[static_cast<std::size_t>(i)] = static_cast<uint8_t>(base + i);
    return raw;
}

// Each point as its second after t0, then "low..high" where a limit is in force and " !"
// while its warning is up.
using Texts = std::vector<std::string>;
Texts Described(const std::vector<Point>& points) {
    Texts out;
    for (const auto& p : points) {
        std::ostringstream text;
        text << (p.time - t0) / 1s;
        if (!std::isnan(p.low) || !std::isnan(p.high))
            text << ' ' << p.low << ".." << p.high;
        out.push_back(text.str() + (p.warning ? " !" : ""));
    }
    return out;
}

std::vector<Point> All(const ReadingHistory& h, int item) {
    return h.points(item, system_clock::time_point::min(), system_clock::time_point::max());
}

TEST(ReadingHistory, RingKeepsTheNewestTicksAcrossItsWrap) {
    EXPECT_EQ(ReadingHistory().bytes(), 86400u * 24); // a day at one tick a second, as documented
    EXPECT_EQ(ReadingHistory(0).capacity(), 1u);
    ReadingHistory h(5);
    EXPECT_EQ(h.bytes(), 5u * 24);
    EXPECT_FALSE(h.latest());
    EXPECT_TRUE(All(h, 0).empty());
    h.limits(t0, -1, 1, 2); // items outside 0..15 are ignored
    h.limits(t0, 16, 1, 2);
    h.warning(t0, 99, true);
    for (int s = 0; s < 8; ++s)
        h.record(t0 + seconds(s), Raw(s * 10), 0xFFFF, uint16_t(s % 2 ? 0x0004 : 0x0003));
    EXPECT_EQ(h.size(), 5u);
    EXPECT_EQ(h.latest(), t0 + 7s);
    const auto points = All(h, 2);
    EXPECT_EQ(Described(points), (Texts{"3", "4", "5", "6", "7"}));
    for (const auto& p : points)
        EXPECT_EQ(std::pair(p.raw, p.half),
                  std::pair(uint8_t((p.time - t0) / 1s * 10 + 2), (p.time - t0) / 1s % 2 == 1));

    // Bounds are inclusive, searched across the wrap; sub-second bounds round inwards.
    EXPECT_EQ(Described(h.points(2, t0 + 4s, t0 + 6s)), (Texts{"4", "5", "6"}));
    EXPECT_EQ(Described(h.points(2, t0 + 4500ms, t0 + 6500ms)), (Texts{"5", "6"}));
    EXPECT_EQ(Described(h.points(2, t0, t0 + 3s)), (Texts{"3"}));
    EXPECT_TRUE(h.points(2, t0 + 8s, t0 + 9s).empty());
    EXPECT_TRUE(h.points(2, t0 + 6s, t0 + 4s).empty());
    EXPECT_TRUE(All(h, 16).empty());
    EXPECT_TRUE(All(h, -1).empty());
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

    EXPECT_EQ(
        Described(All(h, 0)),
        (Texts{"10 nan..2.5 !", "11 nan..2.5 !", "12 1.5..nan !", "13 1.5..nan !", "14 1.5..nan",
               "15 1.5..nan", "16 1.5..nan", "17 1.5..nan", "18 1.5..nan", "19 1.5..nan"}));
    // A query starting mid-way finds the change in force at its start.
    EXPECT_EQ(Described(h.points(0, t0 + 13s, t0 + 13s)), Texts{"13 1.5..nan !"});
    EXPECT_EQ(Described(h.points(1, t0 + 11s, t0 + 12s)), (Texts{"11", "12 7..8"}));
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
    EXPECT_EQ(Described(points), (Texts{"0 1..2", "5 0.5..2 !", "5 0.5..2 !", "6 0.5..2 !"}));
    EXPECT_EQ(points[2].raw, 2);
    EXPECT_EQ(h.points(0, t0 + 5s, t0 + 5s).size(), 2u);
}

// What the History window draws, built from the history.

double Ms(system_clock::time_point t) {
    return static_cast<double>(duration_cast<milliseconds>(t.time_since_epoch()).count());
}

// x as seconds after t0, to read the expectations at a glance.
Lines FromT0(Lines lines) {
    for (ChartLine& line : lines)
        for (ChartPoint& p : line)
            p.x = (p.x - Ms(t0)) / 1000;
    return lines;
}

double Fan(uint8_t count, bool = false) {
    return count == 255 ? kNone : 1350000.0 / (count * 2.0);
}

TEST(HistorySeries, ReadingsBreakAtGapsLimitsStepAndWarningsArePeriods) {
    ReadingHistory h(100);
    h.limits(t0 - 1h, 0, 3.0, 3.6);
    h.limits(t0 + 10s, 0, 3.1, 3.5);
    h.limits(t0 + 14s, 0, kNone, 3.5);
    h.warning(t0 + 4s, 0, true);
    h.warning(t0 + 6s, 0, false);
    h.warning(t0 + 15s, 0, true); // still up at the newest tick
    for (int s = 0; s < 20; ++s)  // no value at 3 s; not read 7..12 s (a gap) nor 17 s (none)
        h.record(t0 + seconds(s), {uint8_t(s == 3 ? 255 : s)}, (s < 7 || s > 12) && s != 17);
    const auto half = [](uint8_t raw, bool) { return raw == 255 ? kNone : raw * 0.5; };
    const HistorySeries s = BuildHistorySeries(h, 0, 60, half, 200, {});

    EXPECT_EQ(s.samples.size(), 13u);
    EXPECT_TRUE(std::isnan(s.samples[3].value));
    EXPECT_EQ(FromT0(s.readings),
              (Lines{{{0, 0}, {1, 0.5}, {2, 1}},
                     {{4, 2}, {5, 2.5}, {6, 3}},
                     {{13, 6.5}, {14, 7}, {15, 7.5}, {16, 8}, {18, 9}, {19, 9.5}}}));
    EXPECT_EQ(FromT0(s.low), (Lines{{{0, 3.0}, {13, 3.0}, {13, 3.1}, {14, 3.1}}}));
    EXPECT_EQ(FromT0(s.high), (Lines{{{0, 3.6}, {13, 3.6}, {13, 3.5}, {19, 3.5}}}));
    EXPECT_EQ(FromT0(s.bandLower), (Lines{{{0, 3.0}, {13, 3.0}, {13, 3.1}, {14, 3.1}}}));
    EXPECT_EQ(s.warnings, (std::vector<WarningPeriod>{{Ms(t0 + 4s), Ms(t0 + 6s)},
                                                      {Ms(t0 + 15s), Ms(t0 + 19s)}}));
    EXPECT_EQ(std::pair(s.yMin, s.yMax), std::pair(0.0, 9.5));
}

TEST(HistorySeries, RangeIsClampedEndsAtTheNewestTickAndLongOnesAreThinned) {
    ReadingHistory h;
    const int day = 86400, extra = 90;    // the oldest 90 s have left the ring
    for (int s = 0; s < day + extra; ++s) // a fan: one spike up, one stop, else steady
        h.record(t0 + seconds(s), {uint8_t(s == 5000 ? 20 : s == 70000 ? 255 : 150)}, 1);
    const auto newest = t0 + seconds(day + extra - 1);
    const struct {
        int asked, range;
    } table[] = {{3600, 3600}, {600, 600}, {1, 10}, {day, day}, {10 * day, day}};
    for (const auto& c : table) {
        const HistorySeries s = BuildHistorySeries(h, 0, c.asked, {}, 200, {});
        EXPECT_EQ(ClampHistoryRange(c.asked), c.range);
        EXPECT_EQ(s.toMs, Ms(newest));
        EXPECT_EQ(s.fromMs, Ms(newest - seconds(c.range)));
        ASSERT_EQ(s.samples.size(), std::size_t(std::min(c.range + 1, day))) << c.asked;
        EXPECT_EQ(s.samples.front().time, newest - seconds(std::min(c.range, day - 1)));
        EXPECT_EQ(s.samples.back().value, 150) << "no conversion: the raw byte";
    }

    ChartLine shown; // the day of a fan, thinned to 200 columns
    for (const ChartLine& line : BuildHistorySeries(h, 0, day, Fan, 200, {}).readings)
        shown.insert(shown.end(), line.begin(), line.end());
    EXPECT_LE(shown.size(), 2u * 201); // at most the lowest and highest of each column
    EXPECT_EQ(std::ranges::max(shown, {}, &ChartPoint::y).y, Fan(20)); // the spike survives
    EXPECT_TRUE(std::ranges::none_of(shown, [](ChartPoint p) { return std::isnan(p.y); }));

    const HistorySeries none = BuildHistorySeries(ReadingHistory(1), 0, 600, Fan, 200, t0);
    EXPECT_EQ(none.toMs, Ms(t0)); // before the first tick the range ends now
    EXPECT_TRUE(none.samples.empty() && none.readings.empty() && none.low.empty());
    EXPECT_GT(none.yMin, none.yMax);
}

// What the History window and its CSV export show of it.

std::array<HistoryItemInfo, 16> Items() {
    std::array<HistoryItemInfo, 16> items;
    items[0] = {QStringLiteral("+3.3V"), QStringLiteral("V"),
                [](uint8_t r, bool) { return r * 0.016; }};
    items[1] = {QStringLiteral("Fan 1"), QStringLiteral("RPM"), Fan, 0};
    items[2] = {QStringLiteral("+5V"), QStringLiteral("V"), items[0].toUnit};
    items[3] = {QStringLiteral("Vcore"), QStringLiteral("V"), items[0].toUnit};
    items[15] = {QStringLiteral("Case Open"), QString(), {}, 0, true};
    return items;
}

// `count` ticks up to t0, item i reading 200 + i, the case open for the last two.
void Fill(ReadingHistory& h, int count) {
    for (int s = 0; s < count; ++s) {
        std::array<uint8_t, 16> raw{200, 201, 202, 203};
        raw[15] = s >= count - 2;
        h.record(t0 - seconds(count - 1 - s), raw, 0xFFFF);
    }
}

// The window shows what the series builder gives for the item and range its boxes choose.
TEST(HistoryWindow, ShowsTheChosenItemOverTheChosenRange) {
    QtApp();
    ReadingHistory h(100);
    h.limits(t0, 0, 3.0, 3.6);
    h.warning(t0 + 15s, 0, true);
    for (int s = 0; s < 20; ++s)
        h.record(t0 + seconds(s), {uint8_t(200 + s), uint8_t(200 + s)}, 0xFFFF);

    HistoryWindow w(h, Items(), 0);
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("History"));
    ASSERT_EQ(w.itemBox->count(), 16);
    EXPECT_EQ(w.itemBox->itemText(1), QStringLiteral("Fan 1"));
    EXPECT_EQ(w.rangeBox->currentText(), QStringLiteral("Last 10 minutes"));
    EXPECT_EQ(w.pointCount(), 20);
    EXPECT_TRUE(w.status->text().startsWith(QStringLiteral("20 readings, ")));
    EXPECT_EQ(w.shownReadings().first(), QPointF(Ms(t0), 200 * 0.016));
    EXPECT_EQ(w.shownLow(), QList<QPointF>({{Ms(t0), 3.0}, {Ms(t0 + 19s), 3.0}}));
    EXPECT_EQ(w.shownWarnings(), QList<QPointF>({{Ms(t0 + 15s), Ms(t0 + 19s)}}));
    EXPECT_TRUE(w.exportButton->isEnabled());

    w.itemBox->setCurrentIndex(1); // a fan, in its unit, without limits
    EXPECT_EQ(w.item(), 1);
    EXPECT_TRUE(w.shownLow().isEmpty());
    EXPECT_TRUE(w.shownWarnings().isEmpty());

    w.setRange(1); // clamped, and offered in the box
    EXPECT_EQ(w.range(), 10);
    EXPECT_EQ(w.rangeBox->currentText(), QStringLiteral("Last 10 s"));
    EXPECT_EQ(w.pointCount(), 11);
    w.rangeBox->setCurrentIndex(2);
    EXPECT_EQ(w.range(), 86400);
}

TEST(HistoryWindow, EmptyHistoryShowsNothingAndCannotExport) {
    QtApp();
    ReadingHistory h(10);
    HistoryWindow w(h, Items(), 42); // out of range: the first item
    EXPECT_EQ(w.item(), 0);
    EXPECT_EQ(w.pointCount(), 0);
    EXPECT_TRUE(w.shownReadings().isEmpty());
    EXPECT_EQ(w.status->text(), QStringLiteral("No readings of +3.3V in this range."));
    EXPECT_FALSE(w.exportButton->isEnabled());
    w.showItem(-3);
    EXPECT_EQ(w.item(), 0);
}

TEST(HistoryWindow, OpensOnTheShortestRangeHoldingTheDataAndFitsTheAxisToIt) {
    QtApp(); // {seconds of data, range, axis start in seconds before t0: at least a minute}
    const std::tuple<int, int, int> table[] = {
        {20, 600, 60}, {300, 600, 299}, {1800, 3600, 1799}, {4000, 86400, 3999}};
    for (const auto& [data, range, start] : table) {
        ReadingHistory h(5000);
        Fill(h, data);
        HistoryWindow w(h, Items(), 0);
        const auto* axis = static_cast<QValueAxis*>(w.chart->axes(Qt::Horizontal).first());
        EXPECT_EQ(std::tuple(w.range(), axis->min(), axis->max()),
                  std::tuple(range, Ms(t0 - seconds(start)), Ms(t0)));
    }
}

TEST(HistoryWindow, TimeTicksFallOnRoundClockTimesInTheLocale) {
    ::setenv("TZ", "Europe/Berlin", 1), ::tzset(); // t0 is 10:00
    const system_clock::time_point from = t0 + 37s,
                                   summer = sys_days{year{2026} / 3 / 29} - 3h + 37s;
    const std::tuple<system_clock::time_point, seconds, QStringList> table[] = {
        {from, 600s, {"10:02", "10:04", "10:06", "10:08", "10:10"}},
        {from, 1h, {"10:10", "10:20", "10:30", "10:40", "10:50", "11:00"}},
        {from, 24h, {"12:00", "15:00", "18:00", "21:00", "00:00", "03:00", "06:00", "09:00"}},
        {from, 60s, {"10:00:40", "10:00:50", "10:01:00", "10:01:10", "10:01:20", "10:01:30"}},
        {summer, 24h, {"00:00", "03:00", "06:00", "09:00", "12:00", "15:00", "18:00", "21:00"}}};
    for (const auto& [start, span, want] : table) {
        QStringList labels;
        for (const TimeTick& tick : RoundTimeTicks(int64_t(Ms(start)), int64_t(Ms(start + span)), 8,
                                                   QLocale(QLocale::German)))
            labels << tick.label;
        EXPECT_EQ(labels, want) << span.count();
    }
    ::unsetenv("TZ"), ::tzset();
}

// The case switch steps between two words. Items of the shown one's unit are drawn beside it,
// named in a legend, in the locale's numbers; the shown item keeps its limits and its export.
TEST(HistoryWindow, ShowsTheSwitchInWordsAndComparesItemsOfOneUnit) {
    QtApp();
    ReadingHistory h(100);
    h.limits(t0 - 10s, 0, 3.0, 3.6);
    Fill(h, 10);
    HistoryWindow w(h, Items(), 15);
    const double open = Ms(t0 - 1s);
    EXPECT_EQ(w.shownReadings().mid(8), QList<QPointF>({{open, 0}, {open, 1}, {open + 1000, 1}}));
    auto* levels = qobject_cast<QCategoryAxis*>(w.chart->axes(Qt::Vertical).first());
    EXPECT_EQ(levels ? levels->categoriesLabels() : QStringList(), QStringList({"closed", "open"}));
    EXPECT_FALSE(w.compareButton->isEnabled());

    QLocale::setDefault(QLocale(QLocale::German));
    w.showItem(0);
    EXPECT_FALSE(w.chart->legend()->isVisible());
    w.compare(1, true); // the fan: not of the unit, and not offered
    w.compareButton->menu()->actions()[1]->setChecked(true); // Vcore
    w.compare(2, true);
    EXPECT_EQ(w.compared(), QList<int>({2, 3}));
    EXPECT_EQ(w.shownReadings(2).last(), QPointF(Ms(t0), 203 * 0.016));
    EXPECT_EQ(w.shownLow().first().y(), 3.0);
    EXPECT_EQ(w.exportFileName(), "hmdx-+3.3V.csv");
    EXPECT_TRUE(w.status->text().endsWith(", lowest 3,20 V, highest 3,20 V"));
    w.show();
    QCoreApplication::processEvents();
    QStringList drawn; // the legend's and the axes' words
    for (const QGraphicsItem* item : w.chart->scene()->items())
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
            text && text->isVisible())
            drawn << text->toPlainText();
    for (const char* word : {"Within limits", "High limit", "+3.3V", "+5V", "Vcore", "3,00"})
        EXPECT_TRUE(drawn.contains(word)) << word;
    EXPECT_FALSE(drawn.contains("closed") || drawn.contains("3.00"));
    QLocale::setDefault(QLocale::c());

    w.showItem(2); // of the same unit: the others stay, not the item itself
    EXPECT_EQ(w.compared(), QList<int>({3}));
    w.showItem(1);
    EXPECT_TRUE(w.compared().isEmpty() && !w.chart->legend()->isVisible());
    EXPECT_TRUE(w.minimumSizeHint().width() <= 1000 && w.minimumSizeHint().height() <= 600);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

TEST(HistoryCsv, WritesEveryReadingAndAFailureLeavesWhatWasThere) {
    struct Zone {
        Zone() { ::setenv("TZ", "Europe/Berlin", 1), ::tzset(); }
        ~Zone() { ::unsetenv("TZ"), ::tzset(); }
    } zone;
    ReadingHistory h(10);
    h.limits(t0, 0, 3.0, 3.6);
    h.limits(t0 + 2s, 0, std::nan(""), 3.6);
    h.warning(t0 + 2s, 0, true);
    const uint8_t raws[] = {206, 207, 250, 0};
    for (int s = 0; s < 4; ++s) // item 0 not read at 1 s
        h.record(t0 + seconds(s), {raws[s]}, s != 1);
    const auto volts = [](uint8_t raw, bool) { return raw * 0.016; };
    const HistorySeries series = BuildHistorySeries(h, 0, 600, volts, 200, {});

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QString error;
    ASSERT_TRUE(ExportHistoryCsv(series, path, &error)) << error.toStdString();
    const QByteArray csv = "time,value,low,high,warning\n"
                           "2026-03-14T10:00:00+01:00,3.296,3,3.6,0\n"
                           "2026-03-14T10:00:02+01:00,4,,3.6,1\n"
                           "2026-03-14T10:00:03+01:00,0,,3.6,1\n";
    EXPECT_EQ(Read(path), csv);

    const QString inside = path + QStringLiteral("/history.csv"); // a file where a folder should be
    EXPECT_FALSE(ExportHistoryCsv(series, inside, &error));
    EXPECT_TRUE(error.startsWith("Could not save the history to " + inside + ": "))
        << error.toStdString();
    EXPECT_FALSE(ExportHistoryCsv(series, QString(), &error));
    EXPECT_EQ(error, QStringLiteral("Could not save the history to : no file name given"));
    EXPECT_EQ(Read(path), csv);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.csv"});

    // A file system that takes fewer bytes than asked (EFBIG here) is a failure, and the old
    // file stays whole.
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = ExportHistoryCsv(series, path, &error);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, sigxfsz);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(error.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << error.toStdString();
    EXPECT_EQ(Read(path), csv);
}

TEST(HistoryCsv, FileNameIsTheCaptionMadeSafe) {
    const QStringList captions{"CPU Temp", "In/Out", " . .hidden", "a\tb\n", ""},
        names{"CPU Temp", "In_Out", "hidden", "a_b_", "history"};
    for (qsizetype i = 0; i < captions.size(); ++i)
        EXPECT_EQ(HistoryCsvFileName(captions[i]), "hmdx-" + names[i] + ".csv");
}

} // namespace
} // namespace hmdx::test
