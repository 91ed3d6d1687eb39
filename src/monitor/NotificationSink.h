// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventLog.h"
#include "chip/Items.h"
#include "platform/Notifier.h"

#include <QCoreApplication>
#include <array>
#include <functional>

namespace hmdx {

// Events as desktop notifications. A raised warning is a critical one of its own item, updated
// while the item keeps warning and taken away when it is back in range, disabled or hmdx ends;
// its action brings up the item's warning dialog. A chip programmed again, a failed save and a
// fan failsafe are plain ones, one slot each; the failsafe's goes when every fan output it
// held is controlled again.
class NotificationSink : public EventSink {
    Q_DECLARE_TR_FUNCTIONS(hmdx::NotificationSink)

public:
    // Slots 0..15 are the items'; these follow.
    enum Slot { kReprogrammedSlot = kItemCount, kSaveFailedSlot, kFanFailsafeSlot };

    explicit NotificationSink(Notifier& notifier);
    ~NotificationSink() override;
    void write(const Event& e) override;

    // The action of an item's notification; nothing happens while it is empty.
    std::function<void(int item)> showWarning;
    // Whether an item is still monitored; empty: every item is.
    std::function<bool(int item)> monitored;
    // Takes away the notification of every item no longer monitored. Each event does this too,
    // but an item switched off may come with no event of its own (Configuration's Cancel).
    void review();

private:
    void closeItem(int item);

    Notifier& m_notifier;
    std::array<bool, kItemCount> m_shown{};
    // Fan items whose output is held at full speed by a failsafe that was notified.
    std::array<bool, kItemCount> m_failsafe{};
};

} // namespace hmdx
