#include "monitor/EventLog.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

namespace hmdx {
namespace {

using namespace std::chrono;

const system_clock::time_point kWhen = sys_days{year{2026} / 12 / 6} + 21h + 57min + 3s;

void SetZone(const char* tz) {
    ::setenv("TZ", tz, 1);
    ::tzset();
}

Event Numbered(int n) {
    return {.event = "limit changed", .detail = std::to_string(n)};
}

struct RecordingSink : EventSink {
    std::vector<std::string>& seen;
    std::function<void()> onWrite = [] {};
    explicit RecordingSink(std::vector<std::string>& s) : seen(s) {}
    void write(const Event& e) override { seen.push_back(e.detail), onWrite(); }
};

TEST(EventLog, KeepsTheLatestTenThousandInOrderAndStampsTheUnstamped) {
    EventLog log;
    log.clock = [] { return kWhen; };
    const int total = static_cast<int>(EventLog::kKept) + 3;
    for (int n = 0; n < total; ++n)
        log.record(Numbered(n));
    ASSERT_EQ(log.events().size(), EventLog::kKept);
    EXPECT_EQ(log.recordedCount(), static_cast<std::uint64_t>(total));
    for (std::size_t i = 0; i < log.events().size(); ++i)
        ASSERT_EQ(log.events()[i].detail, std::to_string(i + 3)) << i;
    EXPECT_EQ(log.events().back().time, kWhen);
    log.record({.time = kWhen - 1h, .event = "end"});
    EXPECT_EQ(log.events().back().time, kWhen - 1h);
}

TEST(EventLog, EverySinkSeesEveryEventOnceInOrderEvenWhenOneRecordsFromInside) {
    EventLog log;
    std::vector<std::string> first, second, window;
    auto sink = std::make_unique<RecordingSink>(first);
    // As a file sink reporting its own failure would: record from inside write().
    sink->onWrite = [&] {
        if (first.size() == 1)
            log.record(Numbered(100));
    };
    log.addSink(std::move(sink));
    log.addSink(std::make_unique<RecordingSink>(second));
    log.onRecorded = [&] { window.push_back(log.events().back().detail); };
    log.record(Numbered(0));
    log.record(Numbered(1));
    const std::vector<std::string> expected{"0", "100", "1"};
    EXPECT_EQ(first, expected);
    EXPECT_EQ(second, expected);
    EXPECT_EQ(window, expected);
    EXPECT_EQ(log.events()[1].detail, "100");
}

TEST(EventLog, LocalTimeCarriesItsOffset) {
    for (const auto& [tz, expected] : {
             std::pair{"UTC0", "2026-12-06T21:57:03+00:00"},
             std::pair{"<+0530>-5:30", "2026-12-07T03:27:03+05:30"},
             std::pair{"<-0330>3:30", "2026-12-06T18:27:03-03:30"},
         }) {
        SetZone(tz);
        EXPECT_EQ(FormatLocalTime(kWhen + 400ms), expected) << tz;
    }
}

TEST(EventLog, JsonLineHasEveryKeyInOrderWithNullsForWhatIsMissing) {
    SetZone("<+01>-1");
    EXPECT_EQ(ToJsonLine({.time = kWhen,
                          .event = "warning raised",
                          .item = 0,
                          .caption = "+5V",
                          .value = "6.72",
                          .low = "4.49",
                          .high = "5.51",
                          .warning = true}),
              R"({"time":"2026-12-06T22:57:03+01:00","event":"warning raised","item":0,)"
              R"("caption":"+5V","value":"6.72","low":"4.49","high":"5.51","detail":null})");
    EXPECT_EQ(ToJsonLine({.time = kWhen, .event = "start"}),
              R"({"time":"2026-12-06T22:57:03+01:00","event":"start","item":null,)"
              R"("caption":null,"value":null,"low":null,"high":null,"detail":null})");
}

TEST(EventLog, JsonStringsAreEscapedAndAlwaysValidUtf8) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "null"},
        {R"(say "hi" \ bye)", R"("say \"hi\" \\ bye")"},
        {"a\tb\nc\rd\be\ff", R"("a\tb\nc\rd\be\ff")"},
        {std::string("\x01\x1f\0\x7f", 4), "\"\\u0001\\u001f\\u0000\x7f\""},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
         "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"\xff", R"("\ufffd")"},
        {"a\xc3", R"("a\ufffd")"},                             // cut short at the end
        {"\xe2\x82x", R"("\ufffdx")"},                         // cut short: one replacement
        {"\xc0\xaf", R"("\ufffd\ufffd")"},                     // overlong
        {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},           // a surrogate
        {"\xf4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"}, // beyond U+10FFFF
        {"\x80z", R"("\ufffdz")"},                             // a stray continuation byte
    };
    for (const auto& [in, json] : cases) {
        const std::string line = ToJsonLine({.event = "save", .caption = in});
        EXPECT_NE(line.find(",\"caption\":" + json + ",\"value\":null,"), std::string::npos)
            << line;
    }
}

} // namespace
} // namespace hmdx
