#include "monitor/JsonLinesSink.h"

#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace hmdx::test {
namespace {

Event Saved(const std::string& detail) {
    return {.event = "save", .detail = detail};
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

TEST(JsonLinesSink, ReportsTheFirstWriteFailureOnceAndStops) {
    std::string error;
    auto sink = JsonLinesSink::Open("/dev/full", error);
    ASSERT_TRUE(sink) << error;
    std::vector<std::string> reports;
    sink->onFailure = [&](const std::string& message) { reports.push_back(message); };
    for (int n = 0; n < 3; ++n)
        sink->write(Saved(std::to_string(n)));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Cannot write the event log /dev/full: No space left on device. Events "
                          "are no longer written to it; monitoring goes on.");
    EXPECT_TRUE(sink->failed());
}

} // namespace
} // namespace hmdx::test
