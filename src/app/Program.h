// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "PrivilegedStart.h"
#include "chip/Startup.h"
#include "platform/InstanceActivation.h"
#include "platform/MessageBoxes.h"
#include "platform/Notifier.h"
#include "platform/SingleInstance.h"
#include "platform/TrayIcon.h"

#include <filesystem>
#include <functional>

namespace hmdx {

class Session;

enum ExitCode { kExitOk = 0, kExitStartupFailed = 1, kExitUsage = 2 };

struct ProgramEnvironment {
    MessageBoxes& boxes;
    SingleInstance& instance;
    TrayIcon& tray;
    // Where the settings file lives unless --data-dir says otherwise.
    std::filesystem::path dataFolder;
    // Runs the program once its session (and window) is up, until something ends it; tests
    // drive the session themselves here. `endProgram` is what the window calls to end the run.
    std::function<int(Session& session)> eventLoop;
    std::function<void()> endProgram;
    // The simulated chip's seconds since start; empty: the wall clock. Tests step it.
    std::function<int()> simulatedSeconds = {};
    // Desktop notifications; none headless.
    Notifier* notifier = nullptr;
    // The real chip as found before the capabilities were given up; none: found here.
    PrivilegedStart* started = nullptr;
    // The fan guardian's program; empty: the one beside hmdx or installed.
    std::filesystem::path guardian = {};
    // A second start's way to the running window; none headless.
    InstanceActivation* activation = nullptr;
};

// One run of hmdx from its options to its end: chooses the backend, runs start-up, runs the
// session with its window (none headless), and on every way out lets the backend finish (the
// simulation's register dump).
int RunProgram(const CommandLine& options, ProgramEnvironment& env);

} // namespace hmdx
