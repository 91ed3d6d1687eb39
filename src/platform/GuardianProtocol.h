// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How hmdx and the fan guardian (src/guardian) talk over the pipe hmdx gives it. Plain
// constants: the guardian links with libc alone.
namespace hmdx::guardian {

inline constexpr const char* kProgram = "hmdx-guardian";
inline constexpr char kHeartbeat = '.'; // after every tick
inline constexpr char kQuit = 'q';      // control stopped, or hmdx ends in order: write nothing
// No heartbeat for this long: hmdx hangs.
inline constexpr int kHangSeconds = 15;

} // namespace hmdx::guardian
