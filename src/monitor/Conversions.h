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

// Temperature readings, in their scale's steps (see TemperatureScale).
// Temp1: one register of whole degrees (two's complement).
int Temp1Degrees(uint8_t reg);
// Temp2/3: 9-bit two's complement half degrees from the whole-degree register and the half
// that the half-degree register adds.
int TempHalfDegrees(uint8_t whole, bool half);
// The half-degree register adds a half when it holds 0x80 exactly.
bool HasHalfDegree(uint8_t halfRegister);
// Sensor 0 reads whole degrees, 1 and 2 half degrees.
int TemperatureSteps(int sensor, uint8_t whole, bool half);

// A temperature's scale. Its limit registers count steps, whole degrees for sensor 0 and half
// degrees for 1 and 2; the window's scale starts at the lowest degrees, so it never goes
// below 0.
class TemperatureScale {
public:
    static constexpr int kLowestDegrees = -40; // the scale's ends
    static constexpr int kHighestDegrees = 127;

    explicit constexpr TemperatureScale(int sensor) : m_step(sensor == 0 ? 1 : 2) {}

    constexpr int step() const { return m_step; } // steps per degree
    constexpr int lowest() const { return scaleOf(kLowestDegrees * m_step); }
    constexpr int highest() const { return scaleOf(kHighestDegrees * m_step); }

    constexpr int scaleOf(int steps) const { return steps - kLowestDegrees * m_step; }
    constexpr int stepsOf(int scale) const { return scale + kLowestDegrees * m_step; }
    double degreesOf(int steps) const { return double(steps) / m_step; }
    double degreesAt(int scale) const { return degreesOf(stepsOf(scale)); }
    // Degrees between two steps round half to even.
    int32_t stepsNear(double degrees) const { return RoundHalfEven(double(m_step) * degrees); }

private:
    int m_step;
};

} // namespace hmdx
