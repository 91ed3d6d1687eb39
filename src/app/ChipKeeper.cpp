#include "ChipKeeper.h"

#include "chip/ChipKeeping.h"

namespace hmdx {

ChipKeeper::ChipKeeper(Machine& m, SleepWatcher& sleep, int verifySeconds)
    : m_m(m), m_sleep(sleep) {
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
    const std::vector<RegisterDifference> changed = ReadBackKeptRegisters(m_m.chip);
    if (!changed.empty())
        reprogram("read-back", changed);
}

void ChipKeeper::resumed() {
    reprogram("resume", ReadBackKeptRegisters(m_m.chip));
}

void ChipKeeper::reprogram(const char* why, const std::vector<RegisterDifference>& changed) {
    ReprogramChip(m_m.chip, m_m.settings);
    ++m_m.state.reprogrammings;
    if (onReprogrammed)
        onReprogrammed(why, changed.empty() ? "none" : DescribeDifferences(changed));
}

} // namespace hmdx
