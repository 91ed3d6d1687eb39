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

void LeaveChipForExit(Machine& m, FanControl& fans) {
    LeaveFansFullAndSilent(m.chip, m.settings);
    fans.goFull(FanFailsafe::Ending);
    GiveBackSuperIo(m.chip);
}

void SilenceChip(Machine& m) {
    SilenceBeep(m.chip);
}

} // namespace hmdx
