// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/EventLog.h"

#include "monitor/JournalSink.h"
#include "monitor/JsonLinesSink.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace hmdx::test {
namespace {

using namespace std::chrono;

const system_clock::time_point kWhen = sys_days{year{2026} / 12 / 6} + 21h + 57min + 3s;

void SetZone(const char* tz) {
    ::setenv("TZ", tz, 1);
    ::tzset();
}

Event Numbered(int n) {
    return {.kind = EventKind::LimitChanged, .detail = std::to_string(n)};
}

struct RecordingSink : EventSink {
    std::vector<std::string>& seen;
    std::function<void()> onWrite = [] {};
    explicit RecordingSink(std::vector<std::string>& s) : seen(s) {}
    void write(const Event& e) override { seen.push_back(e.detail), onWrite(); }
};

// The Event Log window's test shows the latest ten thousand kept in order.
TEST(EventLog, CountsWhatItNoLongerKeepsAndStampsTheUnstamped) {
    EventLog log;
    log.clock = [] { return kWhen; };
    const int total = static_cast<int>(EventLog::kKept) + 3;
    for (int n = 0; n < total; ++n)
        log.record(Numbered(n));
    EXPECT_EQ(log.recordedCount(), static_cast<std::uint64_t>(total));
    EXPECT_EQ(log.events().front().detail, "3");
    EXPECT_EQ(log.events().back().time, kWhen);
    log.record({.time = kWhen - 1h, .kind = EventKind::End});
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

// The golden runs pin the keys, their order and the nulls; the strings in them are checked here.
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
        const std::string line = ToJsonLine({.kind = EventKind::Save, .caption = in});
        EXPECT_NE(line.find(",\"caption\":" + json + ",\"value\":null,"), std::string::npos)
            << line;
    }
}

// A warning's line with its reading and limits is pinned by the golden runs (headless, it goes
// to standard error); these are the other shapes.
TEST(JournalSink, EachEventIsOneReadableLine) {
    const std::pair<Event, const char*> cases[] = {
        {{.kind = EventKind::LimitChanged,
          .item = 4,
          .caption = "+5V",
          .low = "4.49",
          .high = "5.60",
          .detail = "high 5.51 -> 5.60"},
         "+5V: limit changed (limits 4.49..5.60, high 5.51 -> 5.60)"},
        {{.kind = EventKind::Ignore, .item = 9}, "item 9: ignore"},
        {{.kind = EventKind::End}, "end"},
        {{.kind = EventKind::SaveFailed, .detail = "Cannot write\nthe file"},
         "save failed (Cannot write the file)"},
    };
    JournalSink sink; // whether or not this system has a journal, sending never fails
    for (const auto& [e, message] : cases) {
        EXPECT_EQ(JournalMessage(e), message);
        sink.write(e);
    }
}

Event Saved(const std::string& detail) {
    return {.kind = EventKind::Save, .detail = detail};
}

TEST(JsonLinesSink, AppendsLinesNeverTruncatesAndCreatesForTheUserOnly) {
    TempDir dir;
    const auto path = dir / "events.jsonl";
    std::ofstream(path) << "from an earlier run\n";
    std::string expected = "from an earlier run\n";
    for (const char* run : {"first run", "second run"}) {
        std::string error;
        auto sink = JsonLinesSink::Open(path, error);
        ASSERT_TRUE(sink) << error;
        sink->write(Saved(run));
        expected += ToJsonLine(Saved(run)) + "\n";
    }
    EXPECT_EQ(ReadFile(path), expected);
    std::string error;
    ASSERT_TRUE(JsonLinesSink::Open(dir / "new.jsonl", error));
    EXPECT_EQ(std::filesystem::status(dir / "new.jsonl").permissions(),
              std::filesystem::perms(0600));
}

TEST(JsonLinesSink, OpenFailureNamesTheFile) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    struct Case {
        std::filesystem::path path;
        const char* reason;
    };
    for (const Case& c : {
             Case{dir / "missing" / "events.jsonl", "No such file or directory"},
             Case{dir.path(), "Is a directory"},
             Case{dir / "fifo", "No such device or address"}, // no reader: fails, never hangs
         }) {
        std::string error;
        EXPECT_FALSE(JsonLinesSink::Open(c.path, error));
        EXPECT_EQ(error, "Cannot open the event log " + c.path.string() + ": " + c.reason);
    }
}

// A FIFO whose reader has gone would raise SIGPIPE: a failure like a full disk.
TEST(JsonLinesSink, ReportsTheFirstWriteFailureOnceAndStops) {
    TempDir dir;
    const auto fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    std::string error;
    auto full = JsonLinesSink::Open("/dev/full", error);
    auto gone = JsonLinesSink::Open(fifo, error);
    ASSERT_TRUE(full && gone) << error;
    ::close(reader);
    for (const auto& [sink, reason] :
         {std::pair{full.get(), "No space left on device"}, std::pair{gone.get(), "Broken pipe"}}) {
        std::vector<std::string> reports;
        sink->onFailure = [&](const std::string& message) { reports.push_back(message); };
        for (int n = 0; n < 3; ++n)
            sink->write(Saved(std::to_string(n)));
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0], "Cannot write the event log " +
                                  (sink == full.get() ? std::string("/dev/full") : fifo.string()) +
                                  ": " + reason +
                                  ". Events are no longer written to it; monitoring goes on.");
        EXPECT_TRUE(sink->failed());
    }
}

// A reader that reads nothing: every write returns at once, the lines beyond the backlog are
// dropped and counted, and once the reader catches up the file has whole lines only and says
// how many it lacks.
TEST(JsonLinesSink, AReaderThatStallsCostsCountedEventsNeverAWait) {
    TempDir dir;
    const auto fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    std::string error, text;
    auto sink = JsonLinesSink::Open(fifo, error);
    ASSERT_TRUE(sink) << error;
    std::vector<std::string> said;
    sink->onFailure = [&](const std::string& message) { said.push_back(message); };
    const int stalled = 6000; // some 600 KiB, beyond the pipe and the backlog
    for (int n = 0; n < stalled; ++n)
        sink->write(Saved(std::to_string(n)));
    EXPECT_GT(sink->dropped(), 0u);
    EXPECT_EQ(said, std::vector<std::string>{
                        "The event log " + fifo.string() +
                        " is not read as fast as events come: events are dropped, and the file "
                        "will say how many once its reader catches up. Monitoring goes on."});
    const std::string note = "\"detail\":\"" + std::to_string(sink->dropped()) +
                             " events not written: the reader did not keep up\"}";
    int later = 0; // each event after the stall moves the backlog on
    for (char buffer[65536]; text.find(note) == std::string::npos && later < 100; ++later) {
        for (ssize_t n; (n = ::read(reader, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        sink->write(Saved("later"));
    }
    std::uint64_t saved = 0;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
        const std::string line = text.substr(at, end - at);
        EXPECT_TRUE(line.starts_with("{\"time\":") && line.ends_with("}")) << line;
        saved += line.find("\"event\":\"save\"") != std::string::npos;
    }
    EXPECT_NE(text.find(note), std::string::npos);
    EXPECT_EQ(saved + sink->dropped(), static_cast<std::uint64_t>(stalled + later) - 1);
    EXPECT_FALSE(sink->failed());
    ::close(reader);
}

} // namespace
} // namespace hmdx::test
