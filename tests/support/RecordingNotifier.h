// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Notifier.h"

#include <string>
#include <vector>

namespace hmdx::test {

// Notifications as a line of calls: "n4! c4 n16 " is a critical one in slot 4, its close, and
// a plain one in slot 16. What was sent is kept whole.
class RecordingNotifier : public Notifier {
public:
    std::string calls;
    std::vector<Notification> sent;

    void notify(int slot, const Notification& n) override {
        calls += "n" + std::to_string(slot) + (n.urgency == Urgency::Critical ? "! " : " ");
        sent.push_back(n);
    }
    void close(int slot) override { calls += "c" + std::to_string(slot) + " "; }
};

} // namespace hmdx::test
