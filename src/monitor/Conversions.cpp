// SPDX-License-Identifier: GPL-3.0-or-later
#include "Conversions.h"

#include <cmath>
#include <limits>

namespace hmdx {
namespace {

// The negative rails reach their inputs through dividers tied to 3.6 V: the pin sits at
// 3.6 V + (rail − 3.6 V) / gain and the chip reads it at 16 mV per count.
constexpr float kGainNeg12 = 5.14f;
constexpr float kGainNeg5 = 3.14f;
constexpr double kReference = 3.6;
constexpr double kVoltsPerCount = 0.016;

// The chip counts its 22.5 kHz clock (divided by the fan divisor) over one turn of the fan:
// RPM = 60 × 22500 / (divisor × count).
constexpr double kFanClock = 1350000.0;
constexpr int kFanStopped = 255;

float negativeRailGain(int index) {
    return index == 6 ? kGainNeg5 : kGainNeg12;
}

// Divisor × count as a 32-bit product; within divisor 1..128 and count 1..255 it never passes
// 32640, so it equals the 16-bit product the speed formula is defined with.
int32_t fanProduct(int count, int16_t divisor) {
    return int32_t{divisor} * int32_t{count};
}

} // namespace

int32_t RoundHalfEven(double value) {
    // Settings files can hold anything; an impossible quotient saturates instead of trapping.
    if (std::isnan(value))
        return 0;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    const double rounded = std::nearbyint(value); // default mode: to nearest, ties to even
    if (rounded <= lo)
        return std::numeric_limits<int32_t>::min();
    if (rounded >= hi)
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rounded);
}

float NegativeRailVolts(int index, int raw) {
    const float k = negativeRailGain(index);
    float t = static_cast<float>(raw * kVoltsPerCount - kReference);
    t = k * t;
    const float result = static_cast<float>(t + kReference);
    return result;
}

int16_t NegativeRailCount(int index, float volts) {
    const float k = negativeRailGain(index);
    float t = static_cast<float>((volts - kReference) / k);
    t = static_cast<float>(t + kReference);
    t = static_cast<float>(t / kVoltsPerCount);
    const int32_t count = RoundHalfEven(t);
    // Far outside any rail a limit can only be the nearest 16-bit value.
    if (count < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    if (count > std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(count);
}

int32_t VoltsToScale(float volts, float factor) {
    return RoundHalfEven(double{volts} / double{factor});
}

float ScaleToVolts(int32_t scale, float factor) {
    const float volts = static_cast<float>(scale) * factor;
    return volts;
}

std::optional<double> FanSpeed(int count, int16_t divisor) {
    if (count == kFanStopped)
        return std::nullopt;
    const int32_t product = fanProduct(count == 0 ? 1 : count, divisor);
    if (product <= 0)
        return std::nullopt;
    return kFanClock / product;
}

int32_t FanLimitSpeed(int countLimit, int16_t divisor) {
    const int32_t product = fanProduct(countLimit, divisor);
    if (product <= 0)
        return 0;
    return RoundHalfEven(kFanClock / product);
}

int Temp1Degrees(uint8_t reg) {
    return reg >= 0x80 ? reg - 0x100 : reg;
}

int TempHalfDegrees(uint8_t whole, bool half) {
    int v = 2 * whole + (half ? 1 : 0);
    if (v >= 256)
        v -= 512;
    return v;
}

bool HasHalfDegree(uint8_t halfRegister) {
    return halfRegister == 0x80;
}

int TemperatureSteps(int sensor, uint8_t whole, bool half) {
    return sensor == 0 ? Temp1Degrees(whole) : TempHalfDegrees(whole, half);
}

} // namespace hmdx
