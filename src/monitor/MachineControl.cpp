// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineControl.h"

#include "chip/ChipProgramming.h"

namespace hmdx {

void ProgramBeeps(Machine& m) {
    ProgramBeepMasks(m.chip, m.settings);
}

void ClearCaseOpened(Machine& m) {
    ClearCaseLatch(m.chip);
}

void LeaveChipForExit(Machine& m) {
    LeaveFansFullAndSilent(m.chip, m.settings);
    GiveBackSuperIo(m.chip);
}

void SilenceChip(Machine& m) {
    SilenceBeep(m.chip);
}

} // namespace hmdx
