// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipProgramming.h"

#include "RegisterMap.h"

#include <algorithm>
#include <array>

namespace hmdx {
namespace {

// Register counts are bytes; a limit is never wrapped into one.
uint8_t toRegister(int value) {
    return uint8_t(std::clamp(value, 0, 255));
}

// HMA reads its negative rails negated, so their limits go negated into the crossed register.
void writeVoltageRegister(Chip& chip, int item, bool high, int scale) {
    const reg::VoltageRegisters& regs = reg::kVoltage[size_t(item)];
    const bool crossed = RailOf(chip.model(), item) == VoltageRail::Negated;
    chip.writeKept(regs.bank, high != crossed ? regs.high : regs.low,
                   toRegister(crossed ? -scale : scale));
}

} // namespace

void ProgramBeepMasks(Chip& chip, const SettingsModel& s) {
    std::array<uint8_t, 3> masks{0, reg::kGlobalBeepEnable, 0};
    const bool bank4 = chip.model() && chip.model()->bank4Beep;
    if (bank4) {
        chip.selectBank(reg::kBeepBank);
        masks[2] = chip.readRegister(reg::kBeep3Bank4);
    }
    for (int i = 0; i < kItemCount; ++i) {
        const reg::BeepBit b = reg::kBeepBits[size_t(i)];
        uint8_t& mask = masks[size_t(b.reg)];
        if (Beeps(s, i) && IsMonitored(s, i))
            mask = uint8_t(mask | (1U << b.bit));
        else
            mask = uint8_t(mask & ~(1U << b.bit));
    }
    chip.selectBank(0);
    chip.writeRegister(reg::kBeep1, masks[0]);
    chip.writeRegister(reg::kBeep2, masks[1]);
    if (bank4) {
        chip.selectBank(reg::kBeepBank);
        chip.writeRegister(reg::kBeep3Bank4, masks[2]);
    }
}

void SetVcoreLimitsFromVid(Chip& chip, SettingsModel& s) {
    chip.selectBank(0);
    const int high = chip.readRegister(reg::kVid4) & reg::kVid4Bit;
    const int code = high * 16 + (chip.readRegister(reg::kVidFanDiv) & reg::kVidLowBits);
    if (code == 31) { // no CPU reports this: widest sensible window
        s.voltageLow[0] = 1.2f;
        s.voltageHigh[0] = 3.9f;
        return;
    }
    const double vcore = code < 16 ? 2.05 - 0.05 * code : 3.5 - 0.1 * (code - 16);
    s.voltageLow[0] = float(vcore - 0.2);
    s.voltageHigh[0] = float(vcore + 0.2);
}

void SetFanPwm(Chip& chip, const SettingsModel& s, int fan, int value) {
    if (fan < 1 || fan > 3 || !IsMonitored(s, FanItem(fan - 1)))
        return;
    chip.selectBank(0);
    SetPwmOutput(chip, chip.model() ? chip.model()->pwmChannelOfFan(fan) : 0, value);
}

void SetPwmOutput(Chip& chip, int channel, int value) {
    const ChipModel* model = chip.model();
    if (!model || channel < 1 || channel > 2 || model->pwmRegister[channel] == 0)
        return;
    chip.selectBank(0);
    chip.writeRegister(model->pwmRegister[channel], uint8_t(value));
}

void WriteVoltageLimits(Chip& chip, int item, int low, int high) {
    chip.selectBank(reg::kVoltage[size_t(item)].bank);
    writeVoltageRegister(chip, item, false, low);
    writeVoltageRegister(chip, item, true, high);
}

void WriteVoltageLimit(Chip& chip, int item, bool high, int scale) {
    chip.selectBank(reg::kVoltage[size_t(item)].bank);
    writeVoltageRegister(chip, item, high, scale);
}

void WriteFanCountLimit(Chip& chip, int fan, uint8_t count) {
    chip.selectBank(0);
    chip.writeKept(0, reg::kFanCountLimit + fan, count);
}

uint8_t ReadFanCount(Chip& chip, int fan) {
    chip.selectBank(0);
    return chip.readRegister(reg::kFanCount + fan);
}

void WriteTemperatureLimits(Chip& chip, int sensor, int high, int hysteresis) {
    const reg::TemperatureRegisters& regs = reg::kTemperature[size_t(sensor)];
    chip.selectBank(regs.bank);
    if (regs.highHalf == reg::kNone) {
        chip.writeKept(regs.bank, regs.high, uint8_t(high & 0xFF));
        chip.writeKept(regs.bank, regs.hysteresis, uint8_t(hysteresis & 0xFF));
        return;
    }
    // 9-bit two's complement half degrees: bits 1..8 in one register, the half in the next.
    const auto whole = [](int halves) { return uint8_t((halves & 0x1FE) / 2); };
    const auto half = [](int halves) { return uint8_t((halves & 1) ? reg::kHalfDegreeBit : 0); };
    chip.writeKept(regs.bank, regs.high, whole(high));
    chip.writeKept(regs.bank, regs.highHalf, half(high));
    chip.writeKept(regs.bank, regs.hysteresis, whole(hysteresis));
    chip.writeKept(regs.bank, regs.hysteresisHalf, half(hysteresis));
}

void ClearCaseLatch(Chip& chip) {
    chip.selectBank(0);
    chip.writeRegister(reg::kCaseClear,
                       uint8_t(chip.readRegister(reg::kCaseClear) | reg::kCaseClearBit));
}

void LeaveFansFullAndSilent(Chip& chip, const SettingsModel& s) {
    if (!chip.model() || !chip.model()->pwmFans)
        return;
    SetFanPwm(chip, s, 1, kFullDuty);
    SetFanPwm(chip, s, 2, kFullDuty);
    SilenceBeep(chip);
}

void SilenceBeep(Chip& chip) {
    chip.selectBank(0);
    chip.writeRegister(reg::kBeep2, 0);
}

bool SuperIoToGiveBack(const Chip& chip) {
    return chip.superIo.configPort != 0 && chip.savedActivate == 0;
}

void GiveBackSuperIo(Chip& chip) {
    if (SuperIoToGiveBack(chip))
        chip.superIo.writeRegister(sio::kActivate, 0);
}

} // namespace hmdx
