// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/ChipKeeping.h"
#include "monitor/Machine.h"
#include "platform/SleepWatcher.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace hmdx {

// Keeps the chip programmed as hmdx left it: after a resume from suspend, and whenever a
// periodic read-back finds a kept limit register changed behind hmdx's back.
class ChipKeeper : public QObject {
public:
    // `verifySeconds` 0: no periodic read-back.
    ChipKeeper(Machine& m, SleepWatcher& sleep, int verifySeconds);
    ~ChipKeeper() override;

    // Reads the kept registers back and reprograms the chip when one differs.
    void verify();
    // Reprograms the chip: a resume may have lost everything, whatever the read-back says.
    void resumed();

    // The "chip reprogrammed" event to record: why (resume or read-back) and which registers
    // had changed.
    std::function<void(Event)> onReprogrammed;

private:
    void reprogram(const char* why, const std::vector<RegisterDifference>& changed);

    Machine& m_machine;
    SleepWatcher& m_sleep;
    QTimer m_timer;
};

} // namespace hmdx
