// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "support/FakeTrayIcon.h"
#include "support/QtApp.h"
#include "support/ReadFile.h"
#include "support/SimRig.h"

#include <fstream>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// The ways out before the main window opens (the golden runs have the start-up failures and
// the ways out of the window, the e2e cases a second instance): each with its exit code and
// its one message, and each lets the simulated chip write its dump.
TEST(Program, EveryWayOutBeforeTheWindowWritesTheDump) {
    struct Case {
        std::string CommandLine::*file;
        const char* path; // in the run's folder
        std::string told; // the start of the one message
    };
    for (const Case& c : {
             Case{&CommandLine::metricsFile, "missing/out", "--metrics-file"},
             Case{&CommandLine::eventLogFile, "missing/out", "--event-log"},
             Case{&CommandLine::eventLogFile, "", "Cannot open the event log"},
         }) {
        SCOPED_TRACE(c.told);
        TempDir dir;
        std::ofstream(dir / "scenario.txt") << "model hmb\n";
        CommandLine options;
        options.simulate = true;
        options.scenarioFile = (dir / "scenario.txt").string();
        options.dumpFile = (dir / "dump.txt").string();
        options.dataDir = dir.path().string();
        options.*c.file = (dir / c.path).string();
        RecordingMessageBoxes boxes;
        FakeInstance instance;
        FakeTrayIcon tray;
        bool windowOpened = false;
        const auto eventLoop = [&](MainWindow&) {
            windowOpened = true;
            return kExitOk;
        };
        ProgramEnvironment env{boxes, instance, tray, dir.path(), eventLoop, [] {}};
        QtApp();
        EXPECT_EQ(RunProgram(options, env), kExitUsage);
        EXPECT_FALSE(windowOpened);
        ASSERT_EQ(boxes.texts().size(), 1U);
        EXPECT_EQ(boxes.texts()[0].rfind(c.told, 0), 0U) << boxes.texts()[0];
        EXPECT_NE(ReadFile(dir / "dump.txt").find("\nports "), std::string::npos);
    }
}

} // namespace
} // namespace hmdx::test
