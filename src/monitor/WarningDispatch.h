// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/Machine.h"

#include <array>
#include <functional>

namespace hmdx {

// The per-item warning dialogs as warning dispatch sees them: each created on first use,
// reused afterwards, and shown as it first stood again once taken down.
class WarningDialogs {
public:
    virtual ~WarningDialogs() = default;
    virtual bool isShown(int item) = 0;
    // Shows the item's dialog modeless, with no owner, and returns at once.
    virtual void show(int item) = 0;
    // Takes the dialog away and discards its state.
    virtual void takeDown(int item) = 0;
};

// Turns the polling cycle's out-of-range and in-range reports into warning dialogs, counting
// faults for items that warn only after three in a row.
class WarningDispatch {
public:
    WarningDispatch(Machine& m, WarningDialogs& dialogs) : m_machine(m), m_dialogs(dialogs) {}

    void reportOutOfRange(int item);
    void reportInRange(int item);

    // A warning was shown (raised) or an item that had one came back in range (cleared).
    std::function<void(int item, bool raised)> onChange;

private:
    Machine& m_machine;
    WarningDialogs& m_dialogs;
    std::array<bool, kItemCount> m_raised{};
};

} // namespace hmdx
