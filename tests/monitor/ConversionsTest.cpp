// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/Conversions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace hmdx {
namespace {

// Default factors: 0.016 over the divider ratio, the quotient in double stored as float.
float factor(double ratio) {
    return static_cast<float>(0.016 / ratio);
}

// The divider ratios of the factory settings.
constexpr double kRatios[] = {1.0, 0.595, 0.263, 0.287, 0.664, 0.66};

TEST(RoundHalfEven, HalvesToEvenAndSaturates) {
    for (auto [in, out] : {std::pair{0.5, 0},
                           {1.5, 2},
                           {2.5, 2},
                           {-0.5, 0},
                           {-1.5, -2},
                           {-2.5, -2},
                           {2.4999, 2},
                           {-2.5001, -3}})
        EXPECT_EQ(RoundHalfEven(in), out) << in;
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundHalfEven(-INFINITY), std::numeric_limits<int32_t>::min());
}

// Every count a register can hold, through every conversion: limits shown in volts go back to
// the same count, and every fan divisor the settings allow gives a finite, positive speed
// whose shown limit is that speed rounded.
TEST(Conversions, EveryCountOfEveryRegister) {
    for (int raw = 0; raw <= 255; ++raw) {
        SCOPED_TRACE(raw);
        for (int index : {5, 6})
            EXPECT_EQ(NegativeRailCount(index, NegativeRailVolts(index, raw)), raw) << index;
        for (double ratio : kRatios)
            EXPECT_EQ(VoltsToScale(ScaleToVolts(raw, factor(ratio)), factor(ratio)), raw) << ratio;
        const int whole = int8_t(raw);
        EXPECT_EQ(Temp1Degrees(uint8_t(raw)), whole);
        EXPECT_EQ(TempHalfDegrees(uint8_t(raw), false), 2 * whole);
        EXPECT_EQ(TempHalfDegrees(uint8_t(raw), true), 2 * whole + 1);
        for (int sensor : {0, 1}) { // every reading is a step of its scale, both ways
            const TemperatureScale scale(sensor);
            const int steps = TemperatureSteps(sensor, uint8_t(raw), true);
            EXPECT_EQ(scale.stepsNear(scale.degreesAt(scale.scaleOf(steps))), steps) << sensor;
        }
        for (int16_t divisor = 1; divisor <= 128; ++divisor) {
            const std::optional<double> rpm = FanSpeed(raw, divisor);
            if (raw == 255) {
                ASSERT_FALSE(rpm) << divisor;
                continue;
            }
            ASSERT_TRUE(rpm && std::isfinite(*rpm) && *rpm > 0) << divisor;
            ASSERT_EQ(*rpm, *FanSpeed(std::max(raw, 1), divisor)) << divisor;
            if (raw > 0) {
                ASSERT_EQ(FanLimitSpeed(raw, divisor), RoundHalfEven(*rpm)) << divisor;
            }
        }
    }
}

// Fixed points of the formulas: a single change in rounding or precision moves one of them.
// The factory limits and the steps from them are pinned by the golden runs; these are the
// values between and beyond.
TEST(Conversions, KnownValues) {
    // Exact floats: carried through in double, or with single constants, the result differs.
    EXPECT_EQ(NegativeRailVolts(5, 35), -12.0255995f);
    EXPECT_EQ(NegativeRailVolts(6, 35), -5.94560003f);
    EXPECT_NEAR(NegativeRailVolts(5, 0), -14.90, 0.005);
    EXPECT_NEAR(NegativeRailVolts(5, 255), 6.07, 0.005);
    EXPECT_EQ(NegativeRailCount(5, -12.0f), 35);
    EXPECT_EQ(NegativeRailCount(6, -5.0f), 54);
    EXPECT_EQ(NegativeRailCount(5, -1e30f), std::numeric_limits<int16_t>::min());
    struct Case {
        float volts;
        double ratio;
        int32_t scale;
    };
    for (const Case& c : {
             Case{4.0f, 0.595, 149},
             {6.0f, 0.595, 223},
             Case{4.1f, 1.0, 256}, // Vcore top; the row caps it
             Case{-14.0f, 0.287, -251},
             {-10.0f, 0.287, -179}, // HMA -12V, negated counts
         })
        EXPECT_EQ(VoltsToScale(c.volts, factor(c.ratio)), c.scale) << c.volts;
    EXPECT_EQ(FanSpeed(0, 8), 168750.0);
    EXPECT_EQ(FanSpeed(56, 8), 1350000.0 / 448);
    for (auto [limit, rpm] : {std::pair{254, 664}, {255, 662}, {0, 0}})
        EXPECT_EQ(FanLimitSpeed(limit, 8), rpm) << limit;
    EXPECT_EQ(FanLimitSpeed(255, 128), 41);
    EXPECT_TRUE(HasHalfDegree(0x80));
    EXPECT_FALSE(HasHalfDegree(0x81)); // only 0x80 exactly is a half
}

} // namespace
} // namespace hmdx
