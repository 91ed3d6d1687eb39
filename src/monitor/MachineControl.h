// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FanControl.h"
#include "Machine.h"

namespace hmdx {

// What the windows ask of the chip besides limits, by name.

// The beep-enable registers from the items' monitoring and beep switches.
void ProgramBeeps(Machine& m);
// The case-open warning's password accepted: the chip forgets the opening.
void ClearCaseOpened(Machine& m);
// File > Exit: the fans at full speed and the chip silent where it drives fans, every
// controlled fan output at full speed, and the Super I/O's monitor device given back as
// start-up found it.
void LeaveChipForExit(Machine& m, FanControl& fans);
// The tray's Exit: the chip silent.
void SilenceChip(Machine& m);

} // namespace hmdx
