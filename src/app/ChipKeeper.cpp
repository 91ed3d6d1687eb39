// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipKeeper.h"

#include "chip/ChipKeeping.h"

namespace hmdx {

ChipKeeper::ChipKeeper(Machine& m, SleepWatcher& sleep, int verifySeconds)
    : m_machine(m), m_sleep(sleep) {
    m_sleep.onResume = [this] { resumed(); };
    if (verifySeconds <= 0)
        return;
    m_timer.setInterval(verifySeconds * 1000);
    connect(&m_timer, &QTimer::timeout, this, &ChipKeeper::verify);
    m_timer.start();
}

ChipKeeper::~ChipKeeper() {
    m_sleep.onResume = nullptr;
}

void ChipKeeper::verify() {
    const std::vector<RegisterDifference> changed = ReadBackKeptRegisters(m_machine.chip);
    if (!changed.empty())
        reprogram("read-back", changed);
}

void ChipKeeper::resumed() {
    reprogram("resume", ReadBackKeptRegisters(m_machine.chip));
}

void ChipKeeper::reprogram(const char* why, const std::vector<RegisterDifference>& changed) {
    ReprogramChip(m_machine.chip, m_machine.settings);
    ++m_machine.state.reprogrammings;
    if (onReprogrammed)
        onReprogrammed(why, changed.empty() ? "none" : DescribeDifferences(changed));
}

} // namespace hmdx
