#pragma once

#include "Module1.h"

namespace hmdx {

// Beep-enable registers from ItemBeep and ItemEnabled; the global beep enable stays on.
void ProgramBeepMasks(Module1& m);

// Vcore A limits (memory only) from the CPU's VID pins: the nominal voltage +-0.2 V.
void SetVcoreLimitsFromVID(Module1& m);

// Drives fan 1..2 through its PWM channel, if the fan is monitored.
void SetFanPwm(Module1& m, int fan, int value);
void SetPwmOutput(Module1& m, int channel, int value);

// Fan guard on, PWM channel of each fan from the chip model.
void InitFanTables(Module1& m);

} // namespace hmdx
