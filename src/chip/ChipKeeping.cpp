#include "ChipKeeping.h"

#include "ChipProgramming.h"
#include "Registers.h"

#include <cstdio>

namespace hmdx {
namespace {

bool isHmc(const Module1& m) {
    return m.model() && m.model()->model == Model::HMC;
}

// Kept registers bank by bank: one bank selection per bank.
template <typename Visit> void forEachKept(Module1& m, Visit visit) {
    int bank = -1;
    for (const KeptRegister& kept : m.Kept) {
        if (kept.bank != bank)
            m.SelectBank(kept.bank);
        bank = kept.bank;
        visit(kept);
    }
}

} // namespace

void SetFanInputBits(Module1& m) {
    m.SelectBank(0);
    const bool hmc = isHmc(m);
    if (hmc)
        m.WriteChipReg(0x4C, m.ReadChipReg(0x4C) | 0x80);
    const auto setIfClear = [&m](int reg, uint8_t bit) {
        const uint8_t value = m.ReadChipReg(reg);
        if (!(value & bit))
            m.WriteChipReg(reg, value | bit);
    };
    setIfClear(0x4D, 0x01);
    setIfClear(0x4D, 0x04);
    if (!hmc) {
        setIfClear(0x4D, 0x10);
        return;
    }
    // On HMC the third fan's pin is switched through 0x5C instead.
    const uint8_t pins = m.ReadChipReg(0x4D);
    if (pins & 0x10)
        m.WriteChipReg(0x4D, pins & 0xCF);
    setIfClear(0x5C, 0x08);
}

void SetFanDivisorBits(Module1& m) {
    m.SelectBank(0);
    m.WriteChipReg(0x47, m.ReadChipReg(0x47) | 0xF0);
    m.WriteChipReg(0x4B, m.ReadChipReg(0x4B) | 0xC0);
}

std::vector<RegisterDifference> ReadBackKeptRegisters(Module1& m) {
    std::vector<RegisterDifference> differences;
    forEachKept(m, [&](const KeptRegister& kept) {
        const uint8_t found = m.ReadChipReg(kept.reg);
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

void ReprogramChip(Module1& m) {
    m.SelectBank(0);
    // As start-up leaves it after reading the vendor ID: 0x4F shows the low byte.
    m.bus.clearBits(reg::kBankSelect, reg::kVendorHighByte);
    m.bus.setBits(reg::kFanPinControl, 0x80);
    SetFanInputBits(m);
    SetFanDivisorBits(m);
    forEachKept(m, [&m](const KeptRegister& kept) { m.WriteChipReg(kept.reg, kept.value); });
    StartMonitor(m);
    ProgramBeepMasks(m);
}

} // namespace hmdx
