// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace hmdx {

// Nearest integer, halves to the even neighbour: the rounding every limit conversion uses.
// NaN gives 0 and values beyond the 32-bit range saturate, so a broken setting cannot trap.
int32_t RoundHalfEven(double value);

// Negative rails 5 (-12V) and 6 (-5V) on models that read them through an offset divider:
// register count -> volts, and volts -> register count. Each step rounds to single
// precision, so the two are exact inverses for every count 0..255. Any index other than 6
// takes the -12V divider.
float NegativeRailVolts(int index, int raw);
int16_t NegativeRailCount(int index, float volts);

// A voltage in the settings as a scale value: volts / factor (quotient in double), rounded.
int32_t VoltsToScale(float volts, float factor);
// A scale value shown as volts: scale × factor in single precision.
float ScaleToVolts(int32_t scale, float factor);

// Fan speed in RPM for a count register value: none for 255 (stopped or absent); a count of 0
// counts as 1; the division is in double.
// Precondition: divisor 1..128 (the settings loader guarantees it). In that range
// divisor × count fits the 16-bit product the formula is defined with; outside it there is
// no speed.
std::optional<double> FanSpeed(int count, int16_t divisor);
// The limit speed shown for a count limit 1..255, rounded half to even.
// Precondition: divisor 1..128, as for FanSpeed. A product of 0 or less has no speed: 0.
int32_t FanLimitSpeed(int countLimit, int16_t divisor);

// Temperature readings.
// Temp1: one register of whole degrees (two's complement); its scale value is degrees + 40.
int Temp1Degrees(uint8_t reg);
// Temp2/3: 9-bit two's complement half degrees from the whole-degree register and the
// half-degree register (0x80 exactly adds a half); the scale value is halves + 80.
int TempHalfDegrees(uint8_t whole, uint8_t half);

} // namespace hmdx
