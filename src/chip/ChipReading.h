// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Chip.h"

#include <array>
#include <cstdint>

namespace hmdx {

// A fan count of 255: the counter overflowed, no fan turns (or none is there).
inline constexpr uint8_t kFanStoppedCount = 255;

// One tick's register contents of the items asked for.
struct InputReadings {
    std::array<uint8_t, kItemCount> raw{}; // case open: 1 or 0
    std::array<uint8_t, 3> halfDegrees{};  // temperatures 1 and 2: the half-degree register
};

// Reads the items whose bit is set in `items`: voltages, fans, temperatures, then the case
// switch, selecting a bank once per group of reads that share it.
InputReadings ReadInputs(Chip& chip, uint16_t items);
// Reading the interrupt status registers clears the chip's pending alarms.
void ClearAlarmStatus(Chip& chip);

} // namespace hmdx
