// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace hmdx {

// Desktop notifications by slot: what is sent to a slot replaces what the slot shows, so an
// item that keeps going out of range updates one bubble instead of stacking them.
class Notifier {
public:
    enum class Urgency { Low, Normal, Critical };
    struct Notification {
        std::string summary{};
        std::string body{};
        Urgency urgency = Urgency::Normal;
        std::string actionLabel{}; // the default action's label; empty: no action
    };

    virtual ~Notifier() = default;
    virtual void notify(int slot, const Notification& n) = 0;
    // Takes the slot's notification away; nothing when it shows none.
    virtual void close(int slot) = 0;

    // The user chose the default action of the slot's notification.
    std::function<void(int slot)> onAction;
};

} // namespace hmdx
