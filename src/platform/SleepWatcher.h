// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace hmdx {

// Tells when the system has come back from suspend, so the chip can be programmed again.
class SleepWatcher {
public:
    virtual ~SleepWatcher() = default;
    std::function<void()> onResume; // from the event loop, never from inside a port access
};

} // namespace hmdx
