// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/PortWrites.h"

namespace hmdx {

// While armed, a crash (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT) first makes the writes and
// then lets the signal end the process as it would have. Arming again replaces the writes; a
// signal arriving meanwhile makes either the old ones or the new ones, never a mixture.
void ArmCrashWrites(const PortWrites& writes, RawPorts to);
void DisarmCrashWrites();

} // namespace hmdx
