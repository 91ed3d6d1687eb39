// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hmdx {

struct CommandLine {
    bool simulate = false;
    std::string simulateModel = "hmb";
    std::string scenarioFile; // implies simulate
    std::string traceFile;
    std::string dumpFile;
    std::string dataDir;
    std::string eventLogFile;
    int verifySeconds = 60; // how often the chip's limits are read back; 0: never
    bool headless = false;
    std::string metricsFile;
    int metricsSeconds = 15;
    bool fansFull = false;    // set every fan output to full speed and end
    std::string alertCommand; // run for warnings and the like; hmdx.conf's when empty
    bool minimized = false;   // start hidden in the tray (minimised without one)
    bool help = false;
    bool version = false;
};

struct CommandLineParse {
    std::optional<CommandLine> options;
    std::string error; // set when options is empty
};

// Arguments after the program name.
CommandLineParse ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

} // namespace hmdx
