// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/QuitOnSignal.h"
#include "monitor/Session.h"
#include "support/FakeTrayIcon.h"
#include "support/QtApp.h"
#include "support/ReadFile.h"
#include "support/SimRig.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace hmdx::test {
namespace {

// The program's main window, once it made one.
MainWindow* FoundMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<MainWindow*>(widget))
            return window;
    return nullptr;
}

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
        const auto eventLoop = [&](Session&) {
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

// A SIGTERM picked up by a start-up message box's own loop ends the run: the main loop that
// would follow starts afresh, and is not started at all.
TEST(Program, ASignalDuringAStartUpMessageBoxEndsTheRun) {
    QtApp();
    const QuitOnSignal quit;
    std::raise(SIGTERM);
    QEventLoop box;
    QTimer::singleShot(10000, &box, &QEventLoop::quit); // only if the signal never came
    box.exec();
    TempDir dir;
    CommandLine options;
    options.simulate = options.headless = true;
    options.dataDir = dir.path().string();
    RecordingMessageBoxes boxes;
    FakeInstance instance;
    FakeTrayIcon tray;
    bool looped = false;
    ProgramEnvironment env{boxes,
                           instance,
                           tray,
                           dir.path(),
                           [&](Session&) {
                               looped = true;
                               return 99;
                           },
                           [] {}};
    EXPECT_EQ(RunProgram(options, env), kExitOk);
    EXPECT_FALSE(looped);
    // Qt's quit stands until a main loop has run: the tests after this one need theirs.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// The values written to PWM output 1 (0x5A on HMDF), in order; "!" where start-up and the
// exit touch the Super I/O's monitor activation.
std::string OutputWrites(const std::string& trace) {
    std::istringstream lines(trace);
    std::string text, line;
    for (bool pwm = false; std::getline(lines, line); pwm = line == "out 0x295 0x5a") {
        if (pwm && line.rfind("out 0x296 ", 0) == 0)
            text += line.substr(12) + " ";
        if (line == "out 0x2e 0x30")
            text += "! ";
    }
    return text;
}

// A curve that asks for 92 at 34 C: written on the first tick, full for the sleep, again after
// the resume, and full before the Super I/O is given back, however hmdx ends.
TEST(Program, FanControlFollowsTheTicksTheSleepAndEveryWayOut) {
    const std::string good = "[output1]\nmode=curve\nsensor=1\npoints=30:30 50:60\n"
                             "hysteresis=0\nminimum=0\n";
    struct Case {
        std::string ini, end, writes, told;
    } const cases[] = {
        {good, "signal", "! ! 5c ff 5c ff ", ""},
        {good, "&Exit", "! ! 5c ff 5c ff ff ! ", ""},
        {good, "tray", "! ! 5c ff 5c ff ", ""},
        {"[output1]\nmode=curve\n", "signal", "! ! ", "/fan-control.ini: output1/sensor, "},
        {good, "guardian", "! ! ff ff ", "the fan guardian cannot be started"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end + " " + c.told);
        TempDir dir;
        std::ofstream(dir / "scenario.txt") << "model hmdf\nactivate 0\nhold\nat 2 sleep\n"
                                               "at 3 resume\n";
        std::ofstream(dir / kFanControlFileName) << c.ini;
        CommandLine options;
        options.simulate = options.headless = true;
        options.scenarioFile = (dir / "scenario.txt").string();
        options.traceFile = (dir / "trace").string();
        options.dataDir = dir.path().string();
        RecordingMessageBoxes boxes;
        FakeInstance instance;
        FakeTrayIcon tray;
        int seconds = 0;
        const auto eventLoop = [&](Session& session) {
            EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "a window, headless";
            session.clock().stop();
            for (; seconds < 4; QCoreApplication::sendPostedEvents()) {
                ++seconds;
                session.tick();
            }
            if (c.end == "&Exit" || c.end == "tray")
                session.end(c.end == "tray" ? Session::Way::TrayExit : Session::Way::Exit);
            return kExitOk;
        };
        ProgramEnvironment env{
            boxes, instance, tray, dir.path(), eventLoop, [] {}, [&] {
                                   return seconds; }};
        env.guardian = c.end == "guardian" ? dir / "no-guardian" : HMDX_GUARDIAN_PATH;
        QtApp();
        EXPECT_EQ(RunProgram(options, env), kExitOk);
        EXPECT_EQ(OutputWrites(ReadFile(dir / "trace")), c.writes);
        ASSERT_EQ(boxes.texts().size(), c.told.empty() ? 0U : 1U);
        EXPECT_NE((boxes.texts().empty() ? "" : boxes.texts()[0]).find(c.told), std::string::npos);
    }
}

// hmdx.conf's alert command runs for a warning unless the option names another; --minimized
// starts in the tray, or minimised without one, and a second start brings the window back;
// Start at Login writes the entry and the file.
TEST(Program, DesktopSettingsAlertCommandAndMinimized) {
    struct Case {
        bool minimized, tray;
        const char* option; // the alert command on the command line
        const char *ran, *shown;
    } const cases[] = {
        {false, true, "", "conf", "window"},
        {true, true, "option", "option", "tray"},
        {true, false, "", "conf", "minimised"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        TempDir dir;
        setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
        std::ofstream(dir / "scenario.txt") << "model hmb\nhold\nat 1 set 0:0x27 90\n";
        for (const char* name : {"conf", "option"}) {
            std::ofstream(dir / name) << "#!/bin/sh\necho \"$HMDX_EVENT\" >"
                                      << (dir / "ran").string() << "-" << name << "\n";
            std::filesystem::permissions(dir / name, std::filesystem::perms::owner_all);
        }
        std::ofstream(dir / "hmdx.conf") << "alertCommand=" << (dir / "conf").string() << "\n";
        CommandLine options;
        options.simulate = true;
        options.minimized = c.minimized;
        options.scenarioFile = (dir / "scenario.txt").string();
        options.dataDir = dir.path().string();
        options.alertCommand = *c.option ? (dir / c.option).string() : "";
        RecordingMessageBoxes boxes;
        FakeInstance instance;
        FakeTrayIcon tray;
        tray.available = c.tray;
        FakeActivation activation;
        int seconds = 0;
        std::string shown;
        const auto eventLoop = [&](Session& session) {
            MainWindow& w = *FoundMainWindow();
            shown = w.isMinimized() ? "minimised" : w.isVisible() ? "window" : "";
            shown += tray.visible ? "tray" : "";
            activation.answer();
            EXPECT_TRUE(w.isVisible() && !w.isMinimized() && !tray.visible);
            session.clock().stop();
            while (seconds < 4) {
                ++seconds;
                session.tick();
            }
            QElapsedTimer t;
            t.start();
            while (!exists(dir / "ran-conf") && !exists(dir / "ran-option") && t.elapsed() < 20000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            w.toolsMenu()->actions().back()->trigger();
            return kExitOk;
        };
        ProgramEnvironment env{
            boxes, instance, tray, dir.path(), eventLoop, [] {}, [&] {
                                   return seconds; }};
        env.activation = &activation;
        QtApp();
        EXPECT_EQ(RunProgram(options, env), kExitOk);
        EXPECT_FALSE(activation.answer) << "still answering for a window that is gone";
        instance.another = true; // a second start asks the first and ends
        EXPECT_EQ(RunProgram(options, env), kExitOk);
        EXPECT_EQ(activation.asked, 1);
        unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(ReadFile(dir / (std::string("ran-") + c.ran)), "warning raised\n");
        // A simulated session starts simulated at login.
        EXPECT_NE(ReadFile(dir / "autostart/hmdx.desktop")
                      .find(" --scenario " + (dir / "scenario.txt").string() + " --minimized"),
                  std::string::npos);
        EXPECT_NE(ReadFile(dir / "hmdx.conf").find("startAtLogin=true"), std::string::npos);
        EXPECT_TRUE(boxes.texts().empty());
    }
}

} // namespace
} // namespace hmdx::test
