// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventLog.h"
#include "History.h"
#include "chip/Chip.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsModel.h"

#include <array>
#include <cstdint>
#include <memory>

namespace hmdx {

// What the monitoring keeps between ticks, item by item.
struct MonitorState {
    // Out-of-range readings in a row, for items that warn only after three.
    std::array<int, kItemCount> faultCounts{};
    // Whether each item has been read, whether its last reading was out of range, how often
    // its warning went up; and how often the chip was programmed again.
    ItemFlags everRead{};
    ItemFlags alarm{};
    std::array<uint64_t, kItemCount> warningsRaised{};
    uint64_t reprogrammings = 0;

    // While false, a voltage or temperature limit that moves (the load placing it) writes
    // nothing.
    bool limitEditsLive = false;
    // Set while the program itself moves the limits (Default): one event says it all.
    bool quietLimits = false;
};

// Everything hmdx knows of the machine it watches: the chip, the settings and their file, the
// monitoring state, this run's events and the last day's readings. One per run.
struct Machine {
    explicit Machine(PortIo& io) : chip(io) {}
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    Chip chip;
    SettingsModel settings;
    std::unique_ptr<SettingsFile> settingsFile;
    MonitorState state;
    EventLog events;
    ReadingHistory history;
};

} // namespace hmdx
