#include "support/WindowRig.h"
#include "ui/main/FanRows.h"
#include "ui/main/RowWidgets.h"
#include "ui/main/ScaleSlider.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

class PollingCycleTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
};

struct Reading {
    const char* name;
    const char* model;
    int item;
    std::vector<RegWrite> registers; // what the chip reads
    bool outOfRange;
    const char* text;
};

QLabel* statusOf(MainWindow& w, int item) {
    if (item < kFirstFanItem)
        return w.voltageRows().row[item].lblStatusV;
    if (item < kFirstTempItem)
        return w.fanRows().row[item - kFirstFanItem].lblFanSpeed;
    return w.temperatureRows().row[item - kFirstTempItem].lblStatusT;
}

// Readings at and around every kind of limit (factory limits; +5V 167..205, -12V on HMB
// 23..47 and on HMA -233..-197, fan 0 count limit 160, Temp1 40 C, Temp2 60 C).
TEST_F(PollingCycleTest, JudgesReadingsAtAndAroundTheirLimits) {
    const Reading readings[] = {
        {"+5V at low limit", "hmb", 3, {{0, 0x23, 167}}, false, "4.49"},
        {"+5V below", "hmb", 3, {{0, 0x23, 166}}, true, "4.46"},
        {"+5V at high limit", "hmb", 3, {{0, 0x23, 205}}, false, "5.51"},
        {"+5V above", "hmb", 3, {{0, 0x23, 206}}, true, "5.54"},
        {"+5V beyond the scale", "hmb", 3, {{0, 0x23, 250}}, true, "6.72"},
        {"-12V converted", "hmb", 5, {{0, 0x25, 35}}, false, "-12.03"},
        {"-12V converted low", "hmb", 5, {{0, 0x25, 22}}, true, "-13.09"},
        {"HMA -12V", "hma", 5, {{0, 0x25, 215}}, false, "-11.99"},
        {"HMA -12V more negative", "hma", 5, {{0, 0x25, 234}}, true, "-13.05"},
        {"fan at its limit", "hmb", 9, {{0, 0x28, 160}}, false, "1,055"},
        {"fan slower", "hmb", 9, {{0, 0x28, 161}}, true, "1,048"},
        {"fan count 0", "hmb", 9, {{0, 0x28, 0}}, false, "168,750"},
        {"fan stopped", "hmb", 9, {{0, 0x28, 255}}, true, "low_speed"},
        {"Temp1 at limit", "hmb", 12, {{0, 0x27, 40}}, false, "40.00"},
        {"Temp1 above", "hmb", 12, {{0, 0x27, 41}}, true, "41.00"},
        {"Temp1 below zero", "hmb", 12, {{0, 0x27, 0xFB}}, false, "-5.00"},
        {"Temp2 at limit", "hmb", 13, {{1, 0x50, 60}, {1, 0x51, 0}}, false, "60.00"},
        {"Temp2 half above", "hmb", 13, {{1, 0x50, 60}, {1, 0x51, 0x80}}, true, "60.50"},
        {"Temp2 other half bits", "hmb", 13, {{1, 0x50, 60}, {1, 0x51, 0x81}}, false, "60.00"},
    };
    for (const Reading& c : readings) {
        WindowRig rig(ScenarioFor(c.model));
        rig.w().load();
        for (const auto& [bank, reg, value] : c.registers)
            rig.chip().poke(bank, reg, uint8_t(value));
        rig.w().pollOnce();
        QLabel* status = statusOf(rig.w(), c.item);
        EXPECT_EQ(status->text().toStdString(), c.text) << c.name;
        EXPECT_EQ(StatusColour(status), c.outOfRange ? kStatusRed : kStatusGreen) << c.name;
        EXPECT_EQ(rig.dialogs.shown[c.item], c.outOfRange) << c.name;
    }
}

TEST_F(PollingCycleTest, ScaleShowsTheReadingAtItsNearestEnd) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.chip().poke(0, 0x23, 250);
    rig.chip().poke(0, 0x28, 56);
    rig.w().pollOnce();
    const ScaleSlider* scale = rig.w().voltageRows().row[3].SldVoltage;
    EXPECT_EQ(scale->value(), 250);
    EXPECT_EQ(scale->shownValue(), 223);
    EXPECT_EQ(rig.w().fanRows().row[0].prbFanSpeed->value(), 199);
}

TEST_F(PollingCycleTest, StoppedFanAtTheLowestSettingIsOff) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    FanRows::Row& fan = rig.w().fanRows().row[0];
    rig.chip().poke(0, 0x28, 255);
    rig.w().pollOnce();
    ASSERT_TRUE(rig.dialogs.shown[9]);
    fan.updFanLoLimit->setValue(1);
    rig.w().pollOnce();
    EXPECT_EQ(fan.lblFanSpeed->text(), QStringLiteral("Fan off"));
    EXPECT_EQ(StatusColour(fan.lblFanSpeed), kStatusGreen);
    EXPECT_FALSE(rig.dialogs.shown[9]);
}

TEST_F(PollingCycleTest, FaultRulesDecideWhenTheWarningShows) {
    struct Case {
        const char* name;
        uint8_t warnFirst;
        const char* ticks; // o = out of range, i = in range
        std::vector<bool> shownAfter;
    };
    for (const Case& c : {
             Case{"first fault", 1, "oi", {true, false}},
             Case{"third fault", 0, "ooioo", {false, false, false, false, false}},
             Case{"third fault reached", 0, "oooo", {false, false, true, true}},
         }) {
        WindowRig rig(ScenarioFor("hmb"));
        rig.m().settings.ItemWarnOpt1[3] = c.warnFirst;
        rig.m().settings.ItemWarnOpt3[3] = uint8_t(1 - c.warnFirst);
        rig.w().load();
        for (size_t t = 0; c.ticks[t]; ++t) {
            rig.chip().poke(0, 0x23, c.ticks[t] == 'o' ? 230 : 186);
            rig.w().pollOnce();
            EXPECT_EQ(rig.dialogs.shown[3], c.shownAfter[t]) << c.name << " tick " << t;
        }
        EXPECT_LE(rig.dialogs.shows(3), 1) << c.name;
    }
}

TEST_F(PollingCycleTest, DisabledItemsAreNotReadNorJudged) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.m().settings.ItemEnabled.fill(0);
    rig.w().load();
    rig.chip().poke(0, 0x23, 250);
    rig.chip().poke(0, 0x42, 0x10);
    rig.sim.io.clear();
    rig.w().pollOnce();
    // Only the status registers: one bank selection and two reads.
    EXPECT_EQ(rig.sim.io.portAccesses().size(), 8U);
    EXPECT_TRUE(rig.dialogs.log.empty());
    EXPECT_TRUE(rig.w().voltageRows().row[3].lblStatusV->isHidden());
    EXPECT_FALSE(rig.w().voltageRows().row[3].lblItemName->isEnabled());
}

TEST_F(PollingCycleTest, CaseOpenRaisesItsWarningEveryTickWithoutASecondCopy) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.chip().poke(0, 0x42, 0x10);
    for (int t = 0; t < 3; ++t)
        rig.w().pollOnce();
    EXPECT_TRUE(rig.w().rows().caseLine.optCaseOpened->isChecked());
    EXPECT_EQ(rig.w().rows().caseLine.lblCaseOpen->text(), QStringLiteral("PC Case is opened"));
    EXPECT_EQ(rig.dialogs.shows(15), 1);
    rig.m().chip.writeRegister(0x46, 0x80); // the latch cleared
    rig.w().pollOnce();
    EXPECT_EQ(rig.w().rows().caseLine.lblCaseOpen->text(), QStringLiteral("PC Case is closed"));
    EXPECT_FALSE(rig.dialogs.shown[15]);
}

// Every item enabled on HMB: 20 register reads of two accesses and eight bank selections of
// four (one per group of reads).
TEST_F(PollingCycleTest, AFullTickCostsAtMostSeventyTwoPortAccesses) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.m().settings.ItemEnabled.fill(1);
    rig.w().load();
    rig.sim.io.clear();
    rig.w().pollOnce();
    EXPECT_EQ(rig.sim.io.portAccesses().size(), 72U);
}

// Counts the paint events of every widget, and which widgets got them.
struct PaintCounter : QObject {
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted.push_back(o->metaObject()->className());
        return false;
    }
    std::vector<std::string> painted;
};

// A tick that reads what the last one read changes nothing on the screen; a hidden window
// paints nothing whatever the readings do.
TEST_F(PollingCycleTest, TicksRepaintOnlyWhatChanged) {
    for (const char* model : {"hma", "hmb", "hmc", "hmdf"}) {
        WindowRig rig(ScenarioFor(model));
        rig.m().settings.ItemEnabled.fill(1);
        rig.w().load();
        rig.w().show();
        rig.w().pollOnce();
        QCoreApplication::processEvents();
        {
            PaintCounter paints;
            rig.w().pollOnce();
            QCoreApplication::processEvents();
            EXPECT_TRUE(paints.painted.empty()) << model << ": " << paints.painted.size()
                                                << " paints, first " << paints.painted.front();
        }
        {
            rig.chip().poke(0, 0x23, 150);
            PaintCounter paints;
            rig.w().pollOnce();
            QCoreApplication::processEvents();
            EXPECT_FALSE(paints.painted.empty()) << model;
        }
        rig.w().hide();
        rig.chip().poke(0, 0x23, 230);
        rig.chip().poke(0, 0x28, 90);
        PaintCounter paints;
        rig.w().pollOnce();
        QCoreApplication::processEvents();
        EXPECT_TRUE(paints.painted.empty()) << model << " hidden";
        rig.dialogs.unload(3);
    }
}

} // namespace
} // namespace hmdx::test
