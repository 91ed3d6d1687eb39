// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortIo.h"
#include "platform/MessageBoxes.h"
#include "platform/PowerOff.h"
#include "platform/TextMark.h"

namespace hmdx {

inline constexpr const char* kShutdownQuestion =
    QT_TRANSLATE_NOOP("hmdx::Messages", "Do you want to shut down your System?");
inline constexpr const char* kShutdownTitle = QT_TRANSLATE_NOOP("hmdx::Messages", "Board Sentinel");
inline constexpr const char* kShutdownRefused =
    QT_TRANSLATE_NOOP("hmdx::Messages", " You don't have the priviledge to shut down VUradav1 ");

enum class ShutdownOutcome { Declined, Refused, Requested };

// The warnings' Shut Down action: asks, then powers the system off if permitted.
ShutdownOutcome ShutdownSystem(MessageBoxes& boxes, PortIo& io, PowerOff& power);

} // namespace hmdx
