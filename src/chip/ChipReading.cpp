// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipReading.h"

#include "RegisterMap.h"

namespace hmdx {
namespace {

// Selects a bank unless the group's previous read left it selected.
class BankCursor {
public:
    explicit BankCursor(Chip& chip) : m_chip(chip) {}
    void use(int bank) {
        if (m_bank != bank)
            m_chip.selectBank(bank);
        m_bank = bank;
    }
    void newGroup() { m_bank = -1; }

private:
    Chip& m_chip;
    int m_bank = -1;
};

bool wanted(uint16_t items, int item) {
    return (items >> item) & 1U;
}

} // namespace

InputReadings ReadInputs(Chip& chip, uint16_t items) {
    InputReadings r;
    BankCursor bank(chip);
    for (int i = 0; i < kVoltItems; ++i) {
        if (!wanted(items, i))
            continue;
        bank.use(reg::kVoltage[size_t(i)].bank);
        r.raw[size_t(i)] = chip.readRegister(reg::kVoltage[size_t(i)].reading);
    }
    bank.newGroup();
    for (int f = 0; f < 3; ++f) {
        if (!wanted(items, FanItem(f)))
            continue;
        bank.use(0);
        r.raw[size_t(FanItem(f))] = chip.readRegister(reg::kFanCount + f);
    }
    bank.newGroup();
    for (int t = 0; t < 3; ++t) {
        if (!wanted(items, TemperatureItem(t)))
            continue;
        const reg::TemperatureRegisters& regs = reg::kTemperature[size_t(t)];
        bank.use(regs.bank);
        r.raw[size_t(TemperatureItem(t))] = chip.readRegister(regs.reading);
        if (regs.readingHalf != reg::kNone)
            r.halfDegrees[size_t(t)] = chip.readRegister(regs.readingHalf);
    }
    if (wanted(items, kCaseOpenItem)) {
        bank.newGroup();
        bank.use(0);
        r.raw[kCaseOpenItem] = (chip.readRegister(reg::kIntStatus2) & reg::kCaseOpenBit) ? 1 : 0;
    }
    return r;
}

void ClearAlarmStatus(Chip& chip) {
    chip.selectBank(0);
    chip.readRegister(reg::kIntStatus1);
    chip.readRegister(reg::kIntStatus2);
}

} // namespace hmdx
