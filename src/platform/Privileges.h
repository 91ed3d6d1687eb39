// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace hmdx {

// Gives up every capability for good: permitted, effective, inheritable and ambient. Where the
// process may (CAP_SETPCAP, as root has it) the bounding set goes too, and the securebits are
// locked so that no program it starts gets root's capabilities back at exec; a root without
// CAP_SETPCAP sets no_new_privs to the same end. Capabilities belong to a thread: this must
// run while the process has only one. Empty on success, else what failed (plain English: it
// runs before any translation is loaded).
std::string DropPrivileges();

} // namespace hmdx
