#include "Module1.h"

#include "Registers.h"

#include <algorithm>

namespace hmdx {
namespace {

bool hasMonitorBit5D(const Module1& m) {
    const ChipModel* model = m.model();
    return model && model->monitorBit5D;
}

// Register 0x40 bit 0 runs the chip's conversions; some models also gate them with 0x5D bit 0.
void setMonitoring(Module1& m, bool on) {
    const auto apply = [&](int reg) {
        if (on)
            m.bus.setBits(reg, 0x01);
        else
            m.bus.clearBits(reg, 0x01);
    };
    m.bus.SelectBank(0);
    apply(reg::kConfig);
    if (hasMonitorBit5D(m)) {
        m.bus.SelectBank(0);
        apply(reg::kMonitor5D);
    }
}

} // namespace

void Module1::WriteKeptReg(int bank, int reg, uint8_t value) {
    WriteChipReg(reg, value);
    const auto at = std::lower_bound(Kept.begin(), Kept.end(), KeptRegister{bank, reg, 0},
                                     [](const KeptRegister& a, const KeptRegister& b) {
                                         return a.bank != b.bank ? a.bank < b.bank : a.reg < b.reg;
                                     });
    if (at != Kept.end() && at->bank == bank && at->reg == reg)
        at->value = value;
    else
        Kept.insert(at, {bank, reg, value});
}

void StartMonitor(Module1& m) {
    setMonitoring(m, true);
}

void StopMonitor(Module1& m) {
    setMonitoring(m, false);
    if (m.pumpEvents)
        m.pumpEvents();
}

void InitChipItems(Module1& m) {
    m.ItemPresent.fill(1);
    m.ItemBeepCapable.fill(1);
    const ChipModel* model = m.model();
    if (!model)
        return;
    for (int i = 0; i < kItemCount; ++i) {
        if (HasBit(model->absentItems, i)) {
            m.ItemPresent[i] = 0;
            m.ItemBeepCapable[i] = 0;
        } else if (HasBit(model->noBeepItems, i)) {
            m.ItemBeepCapable[i] = 0;
        }
    }
}

} // namespace hmdx
