#include "Module1.h"

#include "Registers.h"

namespace hmdx {
namespace {

bool hasMonitorBit5D(const Module1& m) {
    const ChipModel* model = m.model();
    return model && model->monitorBit5D;
}

} // namespace

void StartMonitor(Module1& m) {
    m.bus.SelectBank(0);
    m.bus.setBits(reg::kConfig, 0x01);
    if (hasMonitorBit5D(m)) {
        m.bus.SelectBank(0);
        m.bus.setBits(reg::kMonitor5D, 0x01);
    }
}

void StopMonitor(Module1& m) {
    m.bus.SelectBank(0);
    m.bus.clearBits(reg::kConfig, 0x01);
    if (hasMonitorBit5D(m)) {
        m.bus.SelectBank(0);
        m.bus.clearBits(reg::kMonitor5D, 0x01);
    }
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
