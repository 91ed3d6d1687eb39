// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AlertCommand.h"

#include "support/QtApp.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

using namespace std::chrono_literals;

// The events loop until `done` (a generous bound only keeps a broken run from hanging).
bool RunUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

std::string Script(const TempDir& dir, const std::string& body) {
    const std::string path = (dir / "alert.sh").string();
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// The events the alert command recorded about itself, as "event: detail".
std::vector<std::string> Outcome(const EventLog& log) {
    std::vector<std::string> out;
    for (const Event& e : log.events())
        if (EventWord(e.kind).rfind("alert ", 0) == 0)
            out.push_back(EventWord(e.kind) + ": " + e.detail);
    return out;
}

// Ended and reaped, or ended and waiting to be: a process that runs no more.
bool Gone(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string skip, state = "X";
    stat >> skip >> skip >> state;
    return state == "X" || state == "Z";
}

const Event kRaised{.time = std::chrono::system_clock::from_time_t(1800000000),
                    .kind = EventKind::WarningRaised,
                    .item = 2,
                    .caption = "+5V",
                    .value = "6.72",
                    .low = "4.49",
                    .high = "5.51",
                    .detail = "3 faults"};

TEST(AlertCommand, EnvironmentOutputExitCodeAndTimeout) {
    struct Case {
        std::string body;
        std::vector<std::string> outcome;
    } const cases[] = {
        {"env | grep ^HMDX_ | sort",
         {"alert command output: warning raised: HMDX_CAPTION=+5V\n"
          "HMDX_DETAIL=3 faults\nHMDX_EVENT=warning raised\n"
          "HMDX_HIGH=5.51\nHMDX_ITEM=2\nHMDX_LOW=4.49\n"
          "HMDX_TIME=" +
          FormatLocalTime(kRaised.time) + "\nHMDX_VALUE=6.72"}},
        {"echo $# arguments >&2; exit 3",
         {"alert command output: warning raised: 0 arguments",
          "alert command failed: warning raised: exit code 3"}},
        {"exec sleep 30",
         {"alert command failed: warning raised: still running after 200 ms: "
          "ended"}},
        {"trap '' TERM; while :; do sleep 0.1; done",
         {"alert command failed: warning raised: still running after 200 ms: ended"}},
        // Ends on SIGTERM; what it started ignores it and must get the SIGKILL all the same.
        {"sh -c 'trap \"\" TERM; echo $$ >\"$1\"; exec sleep 30' - \"${0%/*}/child\" & wait",
         {"alert command failed: warning raised: still running after 200 ms: ended"}},
    };
    QtApp();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TempDir dir;
        const std::string program = Script(dir, c.body);
        EventLog log;
        int told = 0;
        auto sink = std::make_unique<AlertCommand>(program, log, [&](auto&) { ++told; });
        AlertCommand& alert = *sink;
        alert.timeout = alert.grace = 200ms;
        log.addSink(std::move(sink));
        log.record({.kind = EventKind::Save}); // not one it runs for
        log.record(kRaised);
        EXPECT_TRUE(RunUntil([&] { return alert.running() + alert.waiting() == 0; }));
        EXPECT_EQ(Outcome(log), c.outcome);
        EXPECT_EQ(told, 0);
        if (const std::string child = ReadFile(dir / "child"); !child.empty()) {
            EXPECT_TRUE(RunUntil([&] { return Gone(std::stoi(child)); }));
        }
    }
}

TEST(AlertCommand, FourRunAtOnceAndTheRestWaitInOrder) {
    QtApp();
    TempDir dir;
    const std::string started = (dir / "started").string(), go = (dir / "go").string();
    const std::string program = Script(dir, "echo \"$HMDX_DETAIL\" >>" + started +
                                                "; while [ ! -e " + go + " ]; do sleep 0.05; done");
    EventLog log;
    auto sink = std::make_unique<AlertCommand>(program, log, nullptr);
    AlertCommand& alert = *sink;
    log.addSink(std::move(sink));
    for (int i = 1; i <= 6; ++i)
        log.record({.kind = EventKind::FanFailsafe, .detail = std::to_string(i)});
    EXPECT_TRUE(RunUntil([&] { return ReadFile(started).size() == 8; }));
    EXPECT_EQ(alert.running(), 4U);
    EXPECT_EQ(alert.waiting(), 2U);
    std::ofstream{go};
    EXPECT_TRUE(RunUntil([&] { return alert.running() + alert.waiting() == 0; }));
    std::string order = ReadFile(started);
    std::sort(order.begin(), order.begin() + 8);
    std::sort(order.begin() + 8, order.end());
    EXPECT_EQ(order, "\n\n\n\n1234\n\n56");
    EXPECT_TRUE(Outcome(log).empty());
}

TEST(AlertCommand, AProgramThatCannotStartIsSaidOnce) {
    QtApp();
    for (const std::string program : {"/nonexistent/alert", "hmdx-no-such-alert-command"}) {
        EventLog log;
        std::vector<std::string> told;
        auto sink =
            std::make_unique<AlertCommand>(program, log, [&](auto& text) { told.push_back(text); });
        AlertCommand& alert = *sink;
        log.addSink(std::move(sink));
        for (int i = 0; i < 3; ++i) {
            log.record({.kind = EventKind::ChipReprogrammed});
            EXPECT_TRUE(RunUntil([&] { return alert.running() + alert.waiting() == 0; }));
        }
        ASSERT_EQ(Outcome(log).size(), 1U) << program;
        EXPECT_EQ(Outcome(log)[0].rfind(
                      "alert command failed: chip reprogrammed: cannot start " + program, 0),
                  0U);
        ASSERT_EQ(told.size(), 1U);
        EXPECT_NE(told[0].find(program), std::string::npos);
    }
}

} // namespace
} // namespace hmdx::test
