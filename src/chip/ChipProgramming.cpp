#include "ChipProgramming.h"

#include "Registers.h"

#include <array>

namespace hmdx {
namespace {

enum class BeepReg { Beep1, Beep2, Beep3 };

struct BeepBit {
    BeepReg reg;
    uint8_t bit;
};

// Where each item's beep-enable bit lives, by item index.
constexpr std::array<BeepBit, kItemCount> kBeepBits{{
    {BeepReg::Beep1, 0}, // VcoreA
    {BeepReg::Beep1, 1}, // VcoreB
    {BeepReg::Beep1, 2}, // +3.3V
    {BeepReg::Beep1, 3}, // +5V
    {BeepReg::Beep2, 0}, // +12V
    {BeepReg::Beep2, 1}, // -12V
    {BeepReg::Beep2, 2}, // -5V
    {BeepReg::Beep3, 0}, // Vsb
    {BeepReg::Beep3, 1}, // Vbat
    {BeepReg::Beep1, 6}, // Fan1
    {BeepReg::Beep1, 7}, // Fan2
    {BeepReg::Beep2, 3}, // Fan3
    {BeepReg::Beep1, 4}, // Temp1
    {BeepReg::Beep1, 5}, // Temp2
    {BeepReg::Beep2, 5}, // Temp3
    {BeepReg::Beep2, 4}, // Case open
}};

constexpr uint8_t kGlobalBeepEnable = 0x80;
constexpr int kBeepBank = 4;

bool hasBank4Beep(const Module1& m) {
    const ChipModel* model = m.model();
    return model && model->bank4Beep;
}

} // namespace

void ProgramBeepMasks(Module1& m) {
    std::array<uint8_t, 3> masks{0, kGlobalBeepEnable, 0};
    const bool bank4 = hasBank4Beep(m);
    if (bank4) {
        m.SelectBank(kBeepBank);
        masks[2] = m.ReadChipReg(reg::kBeep3Bank4);
    }
    const SettingsModel& s = m.settings;
    for (int i = 0; i < kItemCount; ++i) {
        const BeepBit b = kBeepBits[i];
        uint8_t& mask = masks[size_t(b.reg)];
        if (s.ItemBeep[i] == 1 && s.ItemEnabled[i] == 1)
            mask = uint8_t(mask | (1U << b.bit));
        else
            mask = uint8_t(mask & ~(1U << b.bit));
    }
    m.SelectBank(0);
    m.WriteChipReg(reg::kBeep1, masks[0]);
    m.WriteChipReg(reg::kBeep2, masks[1]);
    if (bank4) {
        m.SelectBank(kBeepBank);
        m.WriteChipReg(reg::kBeep3Bank4, masks[2]);
    }
}

void SetVcoreLimitsFromVID(Module1& m) {
    m.SelectBank(0);
    const int high = m.ReadChipReg(reg::kVid4) & 0x01;
    const int code = high * 16 + (m.ReadChipReg(reg::kVidFanDiv) & 0x0F);
    if (code == 31) { // no CPU reports this: widest sensible window
        m.settings.VoltLoLimit[0] = 1.2f;
        m.settings.VoltHiLimit[0] = 3.9f;
        return;
    }
    const double vcore = code < 16 ? 2.05 - 0.05 * code : 3.5 - 0.1 * (code - 16);
    m.settings.VoltLoLimit[0] = float(vcore - 0.2);
    m.settings.VoltHiLimit[0] = float(vcore + 0.2);
}

void SetFanPwm(Module1& m, int fan, int value) {
    if (fan < 1 || fan > 3 || m.settings.ItemEnabled[fan + 8] != 1)
        return;
    m.SelectBank(0);
    SetPwmOutput(m, m.FanPwmChannel[fan], value);
}

void SetPwmOutput(Module1& m, int channel, int value) {
    const ChipModel* model = m.model();
    if (!model || channel < 1 || channel > 2 || model->pwmRegister[channel] == 0)
        return;
    m.SelectBank(0);
    m.WriteChipReg(model->pwmRegister[channel], uint8_t(value));
}

void InitFanTables(Module1& m) {
    m.fanLimitEditsLive = true;
    const ChipModel* model = m.model();
    if (model && model->pwmFans) {
        m.FanPwmChannel[1] = 1;
        m.FanPwmChannel[2] = 2;
    }
}

} // namespace hmdx
