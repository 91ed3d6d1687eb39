// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "PrivilegedStart.h"

namespace hmdx {

// hmdx --fans-full: finds the chip as start-up does (or takes what `started` found), with no
// settings file and no instance lock, and sets every fan output of its model to full speed.
// The exit code.
int RunFansFull(const CommandLine& options, PrivilegedStart* started = nullptr);

} // namespace hmdx
