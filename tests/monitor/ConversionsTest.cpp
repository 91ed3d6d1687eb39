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

TEST(NegativeRails, EveryCountSurvivesTheRoundTrip) {
    for (int index : {5, 6})
        for (int raw = 0; raw <= 255; ++raw)
            EXPECT_EQ(TransVoltageToLimitReg(index, CalRealNegVoltage(index, raw)), raw)
                << "index " << index << " raw " << raw;
}

TEST(NegativeRails, ReadingsAndLimits) {
    // Exact floats: carried through in double, or with single constants, the result differs.
    EXPECT_EQ(CalRealNegVoltage(5, 35), -12.0255995f);
    EXPECT_EQ(CalRealNegVoltage(6, 35), -5.94560003f);
    EXPECT_NEAR(CalRealNegVoltage(5, 0), -14.90, 0.005);
    EXPECT_NEAR(CalRealNegVoltage(5, 255), 6.07, 0.005);
    EXPECT_EQ(TransVoltageToLimitReg(5, -12.0f), 35);
    EXPECT_EQ(TransVoltageToLimitReg(5, -13.0f), 23);
    EXPECT_EQ(TransVoltageToLimitReg(6, -5.0f), 54);
    EXPECT_EQ(TransVoltageToLimitReg(5, -1e30f), std::numeric_limits<int16_t>::min());
}

TEST(VoltsToScale, DefaultSettingsBecomeCounts) {
    struct Case {
        float volts;
        double ratio;
        int32_t scale;
    };
    for (const Case& c : {
             Case{4.0f, 0.595, 149},
             {6.0f, 0.595, 223},
             {4.5f, 0.595, 167},
             {5.5f, 0.595, 205},
             Case{4.1f, 1.0, 256}, // Vcore top; the row caps it
             Case{11.0f, 0.263, 181},
             {13.0f, 0.263, 214},
             Case{-14.0f, 0.287, -251},
             {-10.0f, 0.287, -179},
             {-13.0f, 0.287, -233},
             Case{-11.0f, 0.287, -197}, // HMA -12V, negated counts
         })
        EXPECT_EQ(VoltsToScale(c.volts, factor(c.ratio)), c.scale) << c.volts;
}

TEST(FanSpeed, CountsAndLimitsToRpm) {
    EXPECT_EQ(FanSpeed(0, 8), 168750.0);
    EXPECT_EQ(FanSpeed(56, 8), 1350000.0 / 448);
    EXPECT_FALSE(FanSpeed(255, 8));
    for (auto [limit, rpm] :
         {std::pair{160, 1055}, {159, 1061}, {128, 1318}, {254, 664}, {255, 662}})
        EXPECT_EQ(FanLimitSpeed(limit, 8), rpm) << limit;
    EXPECT_EQ(FanLimitSpeed(0, 8), 0);
}

// Every divisor and count the settings loader lets through has a finite, positive speed, and
// the limit shown for a count is that speed rounded.
TEST(FanSpeed, DefinedOverTheWholeSettingsRange) {
    for (int16_t divisor = 1; divisor <= 128; ++divisor)
        for (int count = 1; count < 255; ++count) {
            const std::optional<double> rpm = FanSpeed(count, divisor);
            ASSERT_TRUE(rpm && std::isfinite(*rpm) && *rpm > 0) << divisor << " " << count;
            ASSERT_EQ(FanLimitSpeed(count, divisor), RoundHalfEven(*rpm));
        }
    EXPECT_EQ(FanLimitSpeed(255, 128), 41);
}

TEST(Temperatures, TwosComplementRegisters) {
    EXPECT_EQ(Temp1Degrees(0xFB), -5);
    EXPECT_EQ(Temp1Degrees(0x80), -128);
    EXPECT_EQ(TempHalfDegrees(0x23, 0x80), 71);
    EXPECT_EQ(TempHalfDegrees(0x23, 0x81), 70);
    EXPECT_EQ(TempHalfDegrees(0xFF, 0x80), -1);
    EXPECT_EQ(TempHalfDegrees(0x80, 0x00), -256);
}

} // namespace
} // namespace hmdx
