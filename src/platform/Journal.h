// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace hmdx {

// The systemd journal: whether this system has one, and one entry sent as "KEY=value" fields.
// A journal that refuses the entry is not an error the caller could do anything about.
bool JournalAvailable();
void SendToJournal(std::vector<std::string> fields);

} // namespace hmdx
