// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipKeeper.h"

#include "Translations.h"
#include "chip/ChipKeeping.h"

namespace hmdx {
namespace {

constexpr const char* kContext = "hmdx::ChipKeeper";

} // namespace

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
        reprogram(QT_TRANSLATE_NOOP("hmdx::ChipKeeper", "read-back"), changed);
}

void ChipKeeper::resumed() {
    reprogram(QT_TRANSLATE_NOOP("hmdx::ChipKeeper", "resume"),
              ReadBackKeptRegisters(m_machine.chip));
}

void ChipKeeper::reprogram(const char* why, const std::vector<RegisterDifference>& changed) {
    ReprogramChip(m_machine.chip, m_machine.settings);
    ++m_machine.state.reprogrammings;
    if (!onReprogrammed)
        return;
    const std::string registers = DescribeDifferences(changed);
    // In English for the log, and in the user's language for people.
    const auto detail = [&](const auto& text) {
        return Filled(
            text(QT_TRANSLATE_NOOP("hmdx::ChipKeeper", "%1; registers that had changed: %2")),
            {text(why),
             registers.empty() ? text(QT_TRANSLATE_NOOP("hmdx::ChipKeeper", "none")) : registers});
    };
    onReprogrammed(
        {.kind = EventKind::ChipReprogrammed,
         .detail = detail([](const char* s) { return std::string(s); }),
         .detailForPeople = detail([](const char* s) { return Translated(kContext, s); })});
}

} // namespace hmdx
