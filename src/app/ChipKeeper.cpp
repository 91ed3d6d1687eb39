#include "ChipKeeper.h"

#include "chip/ChipKeeping.h"

namespace hmdx {

ChipKeeper::ChipKeeper(Module1& m, SleepWatcher& sleep, int verifySeconds)
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
    const std::vector<RegisterDifference> changed = ReadBackKeptRegisters(m_m);
    if (changed.empty())
        return;
    ReprogramChip(m_m);
    ++m_m.Reprogrammings;
    if (onReprogrammed)
        onReprogrammed("read-back", DescribeDifferences(changed));
}

void ChipKeeper::resumed() {
    const std::vector<RegisterDifference> changed = ReadBackKeptRegisters(m_m);
    ReprogramChip(m_m);
    ++m_m.Reprogrammings;
    if (onReprogrammed)
        onReprogrammed("resume", changed.empty() ? "none" : DescribeDifferences(changed));
}

} // namespace hmdx
