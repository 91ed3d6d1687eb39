// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/NumberFormat.h"

#include "monitor/Conversions.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace hmdx {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

// Each case pins the default locale and gives the previous one back.
class NumberFormat : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(m_saved); }
    QLocale m_saved;
};

// The golden runs record the labels of limits and readings in the C locale; these are the
// other locales and the edges.
TEST_F(NumberFormat, DecimalsFollowTheLocaleWithoutGroupingOrMinusZero) {
    QLocale::setDefault(kEnglish);
    EXPECT_EQ(FormatTwoDecimals(-12.034), "-12.03");
    EXPECT_EQ(FormatTwoDecimals(1234.5), "1234.50");
    EXPECT_EQ(FormatTwoDecimals(-0.004), "0.00");
    EXPECT_EQ(FormatTwoDecimals(-0.006), "-0.01");
    EXPECT_EQ(FormatOneDecimal(-0.04), "0.0");
    QLocale::setDefault(kGerman);
    EXPECT_EQ(FormatTwoDecimals(1234.5), "1234,50");
    EXPECT_EQ(FormatOneDecimal(-4.5), "-4,5");
}

TEST_F(NumberFormat, RpmGroupedAndRounded) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(FormatRpm(*FanSpeed(4, 8)), "42,188"); // a shown half rounds away from zero
    QLocale::setDefault(kGerman);
    EXPECT_EQ(FormatRpm(1350.4), "1.350");
    EXPECT_EQ(FormatLimitSpeed(1055), " 1055");
    EXPECT_EQ(FormatLimitSpeed(168750), " 168750");
}

} // namespace
} // namespace hmdx
