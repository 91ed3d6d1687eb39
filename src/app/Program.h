#pragma once

#include "CommandLine.h"
#include "chip/Startup.h"
#include "platform/MessageBoxes.h"
#include "platform/SingleInstance.h"

#include <filesystem>

namespace hmdx {

enum ExitCode { kExitOk = 0, kExitStartupFailed = 1, kExitUsage = 2 };

struct ProgramEnvironment {
    MessageBoxes& boxes;
    SingleInstance& instance;
    std::filesystem::path programFolder;
};

// One run of hmdx from its options to its end: chooses the backend, runs start-up, and on
// every way out lets the backend finish (the simulation's register dump).
int RunProgram(const CommandLine& options, ProgramEnvironment& env);

} // namespace hmdx
