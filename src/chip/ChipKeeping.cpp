// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipKeeping.h"

#include "ChipProgramming.h"
#include "RegisterMap.h"

#include <cstdio>

namespace hmdx {
namespace {

// Kept registers bank by bank: one bank selection per bank.
template <typename Visit> void forEachKept(Chip& chip, Visit visit) {
    int bank = -1;
    for (const KeptRegister& kept : chip.kept()) {
        if (kept.bank != bank)
            chip.selectBank(kept.bank);
        bank = kept.bank;
        visit(kept);
    }
}

} // namespace

void SetFanInputBits(Chip& chip) {
    chip.selectBank(0);
    const bool via5C = chip.model() && chip.model()->fan3PinVia5C;
    if (via5C)
        chip.writeRegister(reg::kFanPinExtra,
                           chip.readRegister(reg::kFanPinExtra) | reg::kFanPinStartBit);
    const auto setIfClear = [&chip](int reg, uint8_t bit) {
        const uint8_t value = chip.readRegister(reg);
        if (!(value & bit))
            chip.writeRegister(reg, value | bit);
    };
    setIfClear(reg::kFanPinControl, reg::kFan1Input);
    setIfClear(reg::kFanPinControl, reg::kFan2Input);
    if (!via5C) {
        setIfClear(reg::kFanPinControl, reg::kFan3Input);
        return;
    }
    const uint8_t pins = chip.readRegister(reg::kFanPinControl);
    if (pins & reg::kFan3Input)
        chip.writeRegister(reg::kFanPinControl, pins & reg::kFan3InputMask);
    setIfClear(reg::kFan3PinAlt, reg::kFan3PinAltBit);
}

void SetFanDivisorBits(Chip& chip) {
    chip.selectBank(0);
    chip.writeRegister(reg::kVidFanDiv, chip.readRegister(reg::kVidFanDiv) | reg::kFan12Divisor8);
    chip.writeRegister(reg::kFanDiv3, chip.readRegister(reg::kFanDiv3) | reg::kFan3Divisor8);
}

void SetFanPinStartBit(Chip& chip) {
    chip.selectBank(0);
    chip.bus.setBits(reg::kFanPinControl, reg::kFanPinStartBit);
}

std::vector<RegisterDifference> ReadBackKeptRegisters(Chip& chip) {
    std::vector<RegisterDifference> differences;
    forEachKept(chip, [&](const KeptRegister& kept) {
        const uint8_t found = chip.readRegister(kept.reg);
        if (found != kept.value)
            differences.push_back({kept.bank, kept.reg, kept.value, found});
    });
    return differences;
}

std::string DescribeDifferences(const std::vector<RegisterDifference>& differences) {
    std::string text;
    for (const RegisterDifference& d : differences) {
        char one[48];
        std::snprintf(one, sizeof one, "%sbank %d 0x%02X 0x%02X -> 0x%02X",
                      text.empty() ? "" : ", ", d.bank, d.reg, d.found, d.written);
        text += one;
    }
    return text;
}

void ReprogramChip(Chip& chip, const SettingsModel& settings) {
    chip.selectBank(0);
    // As start-up leaves it after reading the vendor ID: 0x4F shows the low byte.
    chip.bus.clearBits(reg::kBankSelect, reg::kVendorHighByte);
    chip.bus.setBits(reg::kFanPinControl, reg::kFanPinStartBit);
    SetFanInputBits(chip);
    SetFanDivisorBits(chip);
    forEachKept(chip,
                [&chip](const KeptRegister& kept) { chip.writeRegister(kept.reg, kept.value); });
    StartMonitoring(chip);
    ProgramBeepMasks(chip, settings);
}

} // namespace hmdx
