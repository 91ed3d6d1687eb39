// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

namespace hmdx::guardian {

enum class Ending {
    Quit, // hmdx stopped control itself
    Gone, // hmdx ended without a word: a crash, SIGKILL, the OOM killer
    Hung, // hmdx is there but its ticks stopped
};

// Reads hmdx's heartbeats from `pipe` until one of the endings.
Ending Watch(int pipe, pid_t parent);

// Ends a hung hmdx with SIGKILL and waits until it is gone (its end of the pipe closes), so
// that it cannot resume between an index write and its data write. False when it was still
// there after a while.
bool KillAndWait(int pipe, pid_t parent);

} // namespace hmdx::guardian
