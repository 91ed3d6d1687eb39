// SPDX-License-Identifier: GPL-3.0-or-later
#include "Chip.h"

#include "RegisterMap.h"

#include <algorithm>

namespace hmdx {
namespace {

// Register 0x40 bit 0 runs the chip's conversions; some models also gate them with 0x5D bit 0.
void setMonitoring(Chip& chip, bool on) {
    const auto apply = [&](int reg) {
        if (on)
            chip.bus.setBits(reg, reg::kStartBit);
        else
            chip.bus.clearBits(reg, reg::kStartBit);
    };
    chip.selectBank(0);
    apply(reg::kConfig);
    if (chip.model() && chip.model()->monitorBit5D) {
        chip.selectBank(0);
        apply(reg::kMonitor5D);
    }
}

} // namespace

bool Chip::hasItem(int item) const {
    return !model() || !HasBit(model()->absentItems, item);
}

bool Chip::canBeep(int item) const {
    return hasItem(item) && (!model() || !HasBit(model()->noBeepItems, item));
}

ItemBytes Chip::presentItems() const {
    ItemBytes items{};
    for (int i = 0; i < kItemCount; ++i)
        items[i] = hasItem(i) ? 1 : 0;
    return items;
}

ItemBytes Chip::beepCapableItems() const {
    ItemBytes items{};
    for (int i = 0; i < kItemCount; ++i)
        items[i] = canBeep(i) ? 1 : 0;
    return items;
}

void Chip::writeKept(int bank, int reg, uint8_t value) {
    writeRegister(reg, value);
    const auto at = std::lower_bound(m_kept.begin(), m_kept.end(), KeptRegister{bank, reg, 0},
                                     [](const KeptRegister& a, const KeptRegister& b) {
                                         return a.bank != b.bank ? a.bank < b.bank : a.reg < b.reg;
                                     });
    if (at != m_kept.end() && at->bank == bank && at->reg == reg)
        at->value = value;
    else
        m_kept.insert(at, {bank, reg, value});
}

void StartMonitoring(Chip& chip) {
    setMonitoring(chip, true);
}

void StopMonitoring(Chip& chip) {
    setMonitoring(chip, false);
}

} // namespace hmdx
