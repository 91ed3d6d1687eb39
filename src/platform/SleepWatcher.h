// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace hmdx {

// Tells when the system is about to suspend, so the fans can be left at full speed, and when
// it has come back, so the chip can be programmed again. Both come from the event loop, never
// from inside a port access.
class SleepWatcher {
public:
    virtual ~SleepWatcher() = default;
    std::function<void()> onSleep;
    std::function<void()> onResume;
};

} // namespace hmdx
