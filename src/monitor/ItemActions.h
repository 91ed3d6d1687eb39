// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/Items.h"
#include "platform/MessageBoxes.h"
#include "platform/PowerOff.h"

#include <QString>
#include <array>
#include <functional>

namespace hmdx {

class Monitor;
struct Machine;

// What the user does to an item: whether it is monitored, after one or three faults it warns,
// whether the chip beeps for it, and a warning's Ignore, Disable and Shut Down. Each goes into
// the settings and the chip at once and is recorded; windows call these and redraw.
class ItemActions {
public:
    // The four switches of every item, as the settings hold them.
    struct Snapshot {
        ItemBytes monitored{}, warnAtOnce{}, warnAfterThree{}, beep{};
        bool operator==(const Snapshot&) const = default;
    };

    explicit ItemActions(Monitor& monitor);

    Snapshot now() const;
    void setMonitored(int item, bool on);
    // The chip beeps at the first bad reading, which three-fault mode means to tolerate: that
    // mode turns the beep off and remembers it for the way back.
    void setWarnAfterThree(int item, bool threeFaults);
    void setBeep(int item, bool on);
    // What the way back from three-fault mode restores: the beep as it is now.
    void rememberBeep(int item);
    // Every switch as `before` held it (a cancelled configuration).
    void restore(const Snapshot& before);
    // One event for everything that changed since `before`, item by item.
    void recordChanges(const Snapshot& before);

    // A warning's Ignore: the fault count starts again. Disable: no longer monitored.
    void ignore(int item);
    void disable(int item);
    // The case-open warning's Ignore or Disable behind the password; false, recorded, when
    // the password is wrong.
    bool confirmCaseAction(bool ignore, const QString& password);
    // A warning's Shut Down: asks, powers off if permitted, and records the outcome.
    void shutDown(int item, MessageBoxes& boxes, PowerOff& power);

private:
    Machine& machine() const;

    Monitor& m_monitor;
    std::array<bool, kItemCount> m_rememberedBeep{};
};

inline constexpr int kPasswordLength = 8;

// The typed text fitted to 8 characters (blank padded or cut) equals the stored password,
// case-sensitive. Takes the same time whichever character differs.
bool PasswordMatches(const std::array<char, 8>& stored, const QString& typed);

} // namespace hmdx
