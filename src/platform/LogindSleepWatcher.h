// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SleepWatcher.h"

#include <QObject>

namespace hmdx {

// logind's PrepareForSleep(true) and (false) on the system bus; without a bus or logind it never
// calls.
class LogindSleepWatcher : public QObject, public SleepWatcher {
    Q_OBJECT
public:
    LogindSleepWatcher();

private slots:
    void prepareForSleep(bool sleeping);
};

} // namespace hmdx
