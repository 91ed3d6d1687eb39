#include "support/WindowRig.h"
#include "ui/main/FanRows.h"
#include "ui/main/ScaleSlider.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QLabel>
#include <QLocale>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

class LimitControls : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
};

bool isLimitRegister(int bank, int reg) {
    if (bank == 0)
        return reg >= 0x2B && reg <= 0x3D;
    if (bank == 5)
        return reg >= 0x54 && reg <= 0x57;
    return (bank == 1 || bank == 2) && reg >= 0x53 && reg <= 0x56;
}

// Every limit register the load writes, once each, with the factory settings and the
// simulator's CPU (VID code 6: Vcore 1.75 V).
TEST_F(LimitControls, LoadWritesEveryLimitRegisterOnceOnEveryModel) {
    using Regs = std::map<std::pair<int, int>, int>;
    const Regs common{
        {{0, 0x2C}, 97},  {{0, 0x2B}, 122}, {{0, 0x2E}, 194}, {{0, 0x2D}, 237}, {{0, 0x30}, 194},
        {{0, 0x2F}, 237}, {{0, 0x32}, 167}, {{0, 0x31}, 205}, {{0, 0x34}, 181}, {{0, 0x33}, 214},
        {{5, 0x55}, 186}, {{5, 0x54}, 227}, {{5, 0x57}, 156}, {{5, 0x56}, 219}, {{0, 0x3B}, 160},
        {{0, 0x3C}, 128}, {{0, 0x39}, 40},  {{0, 0x3A}, 40},  {{1, 0x55}, 60},  {{1, 0x56}, 0},
        {{1, 0x53}, 60},  {{1, 0x54}, 0},
    };
    const Regs converted{{{0, 0x36}, 23}, {{0, 0x35}, 47}, {{0, 0x38}, 44}, {{0, 0x37}, 64}};
    // HMA reads the negative rails negated; its limits go crossed into the registers.
    const Regs negated{{{0, 0x35}, 233}, {{0, 0x36}, 197}, {{0, 0x37}, 228}, {{0, 0x38}, 187}};
    const Regs temp3{{{2, 0x55}, 60}, {{2, 0x56}, 0}, {{2, 0x53}, 60}, {{2, 0x54}, 0}};
    struct Case {
        const char* model;
        bool hma;
        bool fan3;  // a third fan turns: its limit is written, else the "stopped" 255
        bool temp3; // the third temperature input exists
    };
    for (const Case& c : {Case{"hma", true, true, true}, Case{"hmb", false, true, true},
                          Case{"hmc", false, false, false}, Case{"hmdf", false, false, false}}) {
        WindowRig rig(ScenarioFor(c.model));
        ASSERT_TRUE(rig.ready) << c.model;
        rig.sim.io.clear();
        rig.w().load();
        Regs expected = common;
        expected.merge(Regs(c.hma ? negated : converted));
        if (c.temp3)
            expected.merge(Regs(temp3));
        expected[{0, 0x3D}] = c.fan3 ? 160 : 255;
        Regs written;
        for (const auto& [bank, reg, value] : rig.writes()) {
            if (!isLimitRegister(bank, reg))
                continue;
            EXPECT_FALSE(written.count({bank, reg}))
                << c.model << " wrote bank " << bank << " reg " << std::hex << reg << " twice";
            written[{bank, reg}] = value;
        }
        EXPECT_EQ(written, expected) << c.model;
    }
}

TEST_F(LimitControls, VoltageRowsShowTheRegisterValuesInVolts) {
    struct Case {
        const char* model;
        int item;
        int sldMin, sldMax, lo, hi;
        const char *loText, *hiText;
    };
    for (const Case& c : {
             Case{"hmb", 3, 149, 223, 167, 205, "4.49", "5.51"},
             Case{"hmb", 0, 62, 255, 97, 122, "1.55", "1.95"}, // 4.1 V is count 256: capped
             Case{"hmb", 4, 164, 230, 181, 214, "11.01", "13.02"},
             Case{"hmb", 5, 11, 60, 23, 47, "-13.00", "-11.00"},
             Case{"hma", 5, -251, -179, -233, -197, "-12.99", "-10.98"},
         }) {
        WindowRig rig(ScenarioFor(c.model));
        rig.w().load();
        const VoltageRows::Row& r = rig.w().voltageRows().row[c.item];
        const std::string where = std::string(c.model) + " item " + std::to_string(c.item);
        EXPECT_EQ(r.SldVoltage->minimum(), c.sldMin) << where;
        EXPECT_EQ(r.SldVoltage->maximum(), c.sldMax) << where;
        EXPECT_EQ(r.updLoLimit->value(), c.lo) << where;
        EXPECT_EQ(r.updHiLimit->value(), c.hi) << where;
        EXPECT_EQ(r.updLoLimit->maximum(), c.hi) << where; // each fenced by the other
        EXPECT_EQ(r.updHiLimit->minimum(), c.lo) << where;
        EXPECT_EQ(r.SldVoltage->selStart(), c.lo) << where;
        EXPECT_EQ(r.SldVoltage->selLength(), c.hi - c.lo) << where;
        EXPECT_EQ(r.LblLoLimit->text().toStdString(), c.loText) << where;
        EXPECT_EQ(r.LblHiLimit->text().toStdString(), c.hiText) << where;
        EXPECT_FALSE(r.SldVoltage->isEnabled());
    }
}

TEST_F(LimitControls, ClicksWriteTheirRegisterAtOnce) {
    struct Case {
        const char* name;
        const char* model;
        int item;
        bool high;
        int step;
        RegWrite write;
        const char* label;
    };
    for (const Case& c : {
             Case{"+5V high up", "hmb", 3, true, +1, {0, 0x31, 206}, "5.54"},
             Case{"+5V low down", "hmb", 3, false, -1, {0, 0x32, 166}, "4.46"},
             Case{"-12V high up", "hmb", 5, true, +1, {0, 0x35, 48}, "-10.96"},
             Case{"Vsb high up", "hmb", 7, true, +1, {5, 0x54, 228}, "5.53"},
             Case{"HMA -12V high up", "hma", 5, true, +1, {0, 0x36, 196}, "-10.93"},
             Case{"HMA -12V low down", "hma", 5, false, -1, {0, 0x35, 234}, "-13.05"},
         }) {
        WindowRig rig(ScenarioFor(c.model));
        rig.w().load();
        VoltageRows::Row& r = rig.w().voltageRows().row[c.item];
        rig.sim.io.clear();
        UpDown* control = c.high ? r.updHiLimit : r.updLoLimit;
        c.step > 0 ? control->stepUp() : control->stepDown();
        EXPECT_EQ(rig.writes().back(), c.write) << c.name;
        const QLabel* label = c.high ? r.LblHiLimit : r.LblLoLimit;
        EXPECT_EQ(label->text().toStdString(), c.label) << c.name;
        const auto& limits = c.high ? rig.m().settings.VoltHiLimit : rig.m().settings.VoltLoLimit;
        EXPECT_EQ(QString::number(limits[c.item], 'f', 2).toStdString(), c.label) << c.name;
    }
}

TEST_F(LimitControls, LimitsFenceEachOtherAndTheGuardSilencesClicks) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    VoltageRows::Row& r = rig.w().voltageRows().row[3];
    for (int i = 0; i < 60; ++i)
        r.updLoLimit->stepUp();
    EXPECT_EQ(r.updLoLimit->value(), 205);
    EXPECT_EQ(r.SldVoltage->selLength(), 0);
    EXPECT_EQ(rig.chip().peek(0, 0x32), 205);

    rig.m().state.limitEditsLive = false;
    rig.sim.io.clear();
    r.updHiLimit->stepUp();
    EXPECT_EQ(r.updHiLimit->value(), 206);
    EXPECT_TRUE(rig.writes().empty());
    EXPECT_EQ(r.LblHiLimit->text(), QStringLiteral("5.51"));
}

TEST_F(LimitControls, TemperatureLimitsSetOverTemperatureAndHysteresis) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    TemperatureRows& rows = rig.w().temperatureRows();
    EXPECT_EQ(rows.row[0].updTempHiLimit->value(), 80);
    EXPECT_EQ(rows.row[1].updTempHiLimit->value(), 200);
    EXPECT_EQ(rows.row[1].sldTemp->maximum(), 334);
    EXPECT_EQ(rows.row[0].lblTempHiLimit->text(), QStringLiteral("40.00"));
    EXPECT_TRUE(rows.row[0].updTempLoLimit->isHidden());

    rows.row[1].updTempHiLimit->stepUp();
    EXPECT_EQ(rows.row[1].lblTempHiLimit->text(), QStringLiteral("60.5"));
    EXPECT_EQ(rows.row[1].lblTempLoLimit->text(), QStringLiteral("60.5"));
    EXPECT_EQ(rig.m().settings.TempLoLimit[1], 60.5f);
    for (int reg : {0x55, 0x53})
        EXPECT_EQ(rig.chip().peek(1, reg), 60);
    for (int reg : {0x56, 0x54})
        EXPECT_EQ(rig.chip().peek(1, reg), 0x80);

    struct Case {
        int row;
        int value; // scale value
        int whole; // register 0x39 / 0x55
        int half;  // 0x56; -1 for row 0
    };
    for (const Case& c : {Case{0, 35, 0xFB, -1}, Case{2, 71, 0xFB, 0x80}, Case{2, 334, 127, 0}}) {
        rows.row[c.row].updTempHiLimit->setValue(c.value);
        EXPECT_EQ(rig.chip().peek(c.row, c.row == 0 ? 0x39 : 0x55), c.whole) << c.value;
        EXPECT_EQ(rig.chip().peek(c.row, c.row == 0 ? 0x3A : 0x53), c.whole) << c.value;
        if (c.half >= 0) {
            EXPECT_EQ(rig.chip().peek(c.row, 0x56), c.half) << c.value;
        }
    }
}

TEST_F(LimitControls, FanLimitsAsCountsAndSpeeds) {
    WindowRig rig(ScenarioFor("hmc")); // no third fan on this model
    rig.w().load();
    FanRows& fans = rig.w().fanRows();
    EXPECT_EQ(fans.row[0].updFanLoLimit->value(), 95);
    EXPECT_EQ(fans.row[0].lblFanLoLimit->text(), QStringLiteral(" 1055"));
    EXPECT_EQ(fans.row[1].updFanLoLimit->value(), 127);
    EXPECT_EQ(fans.row[1].lblFanLoLimit->text(), QStringLiteral(" 1318"));
    EXPECT_EQ(fans.row[2].updFanLoLimit->value(), 1);
    EXPECT_FALSE(fans.row[2].updFanLoLimit->isEnabled());
    EXPECT_EQ(fans.row[2].lblFanLoLimit->text(), QStringLiteral(" 662"));
    EXPECT_EQ(fans.row[2].lblFanSpeed->text(), QStringLiteral("low speed"));
    EXPECT_EQ(rig.m().settings.FanCountLimit[2], 160);
    EXPECT_EQ(rig.chip().peek(0, 0x47) & 0xF0, 0xF0);
    EXPECT_EQ(rig.chip().peek(0, 0x4B) & 0xC0, 0xC0);

    fans.row[0].updFanLoLimit->stepUp();
    EXPECT_EQ(rig.m().settings.FanCountLimit[0], 159);
    EXPECT_EQ(fans.row[0].lblFanLoLimit->text(), QStringLiteral(" 1061"));
    EXPECT_EQ(rig.chip().peek(0, 0x3B), 159);
    // The count limit never reaches 0, which has no speed.
    fans.row[0].updFanLoLimit->setValue(255);
    EXPECT_EQ(rig.m().settings.FanCountLimit[0], 1);
    fans.row[0].updFanLoLimit->setValue(1);
    EXPECT_EQ(fans.row[0].lblFanLoLimit->text(), QStringLiteral(" 664"));
    EXPECT_EQ(rig.chip().peek(0, 0x3B), 254);
}

TEST_F(LimitControls, SettingsBeyondTheScaleAreHeldAtItsEnds) {
    sim::Scenario scenario = ScenarioFor("hmb");
    WindowRig rig(scenario);
    SettingsModel& s = rig.m().settings;
    s.VoltHiLimit[3] = 9.0f; // count 335: more than a byte
    s.VoltLoLimit[2] = -1.0f;
    s.TempHiLimit[0] = 200.0f;
    s.TempLoLimit[0] = -100.0f;
    rig.w().load();
    EXPECT_EQ(rig.chip().peek(0, 0x31), 223); // the scale's top, not 335 & 0xFF
    EXPECT_EQ(rig.chip().peek(0, 0x30), 144); // the scale's bottom
    EXPECT_EQ(rig.chip().peek(0, 0x39), 127);
    EXPECT_EQ(rig.chip().peek(0, 0x3A), 0xD8); // -40
}

} // namespace
} // namespace hmdx::test
