// SPDX-License-Identifier: GPL-3.0-or-later
#include "WarningDispatch.h"

namespace hmdx {
namespace {

// Items that warn only after this many out-of-range readings in a row.
constexpr int kFaultsInARow = 3;

bool isItem(int item) {
    return item >= 0 && item < kItemCount;
}

} // namespace

void WarningDispatch::reportOutOfRange(int item) {
    if (!isItem(item))
        return;
    const auto i = static_cast<std::size_t>(item);
    if (!IsMonitored(m_machine.settings, item))
        return;
    int& count = m_machine.state.faultCounts[i];
    ++count;
    if (!WarnsAtOnce(m_machine.settings, item) && count < kFaultsInARow)
        return;
    // Reset on every warning, so the count cycles while the dialog stays up and cannot grow.
    count = 0;
    // A visible dialog is left alone: re-showing would steal focus once a second.
    if (m_dialogs.isShown(item))
        return;
    m_dialogs.show(item);
    m_raised[i] = true;
    if (onChange)
        onChange(item, true);
}

void WarningDispatch::reportInRange(int item) {
    if (!isItem(item))
        return;
    const auto i = static_cast<std::size_t>(item);
    m_machine.state.faultCounts[i] = 0;
    m_dialogs.takeDown(item);
    if (!m_raised[i])
        return;
    m_raised[i] = false;
    // Taken away because the item is no longer watched: its own event says so.
    if (onChange && IsMonitored(m_machine.settings, item))
        onChange(item, false);
}

} // namespace hmdx
