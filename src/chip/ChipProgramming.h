// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Chip.h"
#include "settings/SettingsModel.h"

namespace hmdx {

// Beep-enable registers from the items' beep and monitoring switches; the global beep enable
// stays on.
void ProgramBeepMasks(Chip& chip, const SettingsModel& settings);

// Vcore A limits (memory only) from the CPU's VID pins: the nominal voltage +-0.2 V.
void SetVcoreLimitsFromVid(Chip& chip, SettingsModel& settings);

// A PWM output's value for full speed: the chip's own at power-on, and every way hmdx makes a
// fan safe (failsafes, the ways out, the crash handler and the guardian).
inline constexpr uint8_t kFullDuty = 0xFF;

// Drives fan 1..2 through its PWM channel, if the fan is monitored.
void SetFanPwm(Chip& chip, const SettingsModel& settings, int fan, int value);
void SetPwmOutput(Chip& chip, int channel, int value);

// Voltage limits as scale values (negative on a negated rail), held to what a register takes.
// Both at once select the item's bank once, low first.
void WriteVoltageLimits(Chip& chip, int item, int low, int high);
void WriteVoltageLimit(Chip& chip, int item, bool high, int scale);
// A fan's count limit, and its count now.
void WriteFanCountLimit(Chip& chip, int fan, uint8_t count);
uint8_t ReadFanCount(Chip& chip, int fan);
// A temperature's overtemperature and hysteresis limits in its scale steps (whole degrees for
// temperature 0, half degrees for 1 and 2).
void WriteTemperatureLimits(Chip& chip, int sensor, int high, int hysteresis);
// Clears the chip's case-open latch.
void ClearCaseLatch(Chip& chip);

// The ways out: fans at full speed and the chip silent where it drives fans; silent only;
// the Super I/O's monitor device given back as start-up found it.
void LeaveFansFullAndSilent(Chip& chip, const SettingsModel& settings);
void SilenceBeep(Chip& chip);
void GiveBackSuperIo(Chip& chip);
// Whether GiveBackSuperIo has anything to write: start-up activated the monitor device.
bool SuperIoToGiveBack(const Chip& chip);

} // namespace hmdx
