// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace hmdx {

// A second start hands over to the running instance instead of only ending: the running one
// brings its window forward, where a keyboard user can reach it even from the tray.
class InstanceActivation {
public:
    virtual ~InstanceActivation() = default;
    // Asks the running instance to show its window; false when none answered.
    virtual bool activateRunning() = 0;
    // Answers later starts with onActivate, until it is given an empty one; false when no one
    // could reach it (no session bus, or another process holds the name).
    virtual bool listen(std::function<void()> onActivate) = 0;
};

} // namespace hmdx
