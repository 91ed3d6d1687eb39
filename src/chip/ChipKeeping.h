// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Chip.h"
#include "settings/SettingsModel.h"

#include <string>
#include <vector>

namespace hmdx {

// The fan pins' input-control bits, each written back only when it is not yet as wanted.
void SetFanInputBits(Chip& chip);
// Divisor 8 for all three fans, whatever the settings say.
void SetFanDivisorBits(Chip& chip);
// The fan-pin start bit start-up sets.
void SetFanPinStartBit(Chip& chip);

// A kept register whose content is not what hmdx wrote.
struct RegisterDifference {
    int bank;
    int reg;
    uint8_t written;
    uint8_t found;
};

// Reads every kept register back: one read each, one bank selection per bank.
std::vector<RegisterDifference> ReadBackKeptRegisters(Chip& chip);
// "bank 0 0x2B 0xC8 -> 0x00, ..." for the log.
std::string DescribeDifferences(const std::vector<RegisterDifference>& differences);

// Puts back into the chip what start-up and the main window's load programmed, from what
// hmdx holds now: the fan pin bits, the fan divisors, every kept limit, the monitoring start
// bits and the beep masks. No setting changes.
void ReprogramChip(Chip& chip, const SettingsModel& settings);

} // namespace hmdx
