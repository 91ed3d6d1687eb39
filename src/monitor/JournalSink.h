// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventLog.h"

#include <string>

namespace hmdx {

// Sends each event to the systemd journal with its parts as HMDX_* fields, so
// `journalctl -t hmdx HMDX_EVENT="warning raised"` finds them.
class JournalSink : public EventSink {
public:
    void write(const Event& e) override;
};

// The journal's one-line MESSAGE: "+5V: warning raised (reading 6.72, limits 4.49..5.51)".
std::string JournalMessage(const Event& e);

// Control characters as spaces: line breaks in a message would split it in listings.
std::string OneLine(const std::string& s);

} // namespace hmdx
