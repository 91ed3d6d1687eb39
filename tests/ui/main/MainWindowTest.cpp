#include "monitor/Conversions.h"
#include "settings/SettingsRecord.h"
#include "support/WindowRig.h"
#include "ui/main/FanRows.h"
#include "ui/main/ScaleSlider.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QRadioButton>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace hmdx::test {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
};

std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(MainWindowTest, LayoutMenusAndCaption) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    EXPECT_EQ(rig.w().windowTitle(), QStringLiteral("r810/hmdx Hardware Monitor"));
    QStringList frames;
    for (auto* frame : rig.w().findChildren<QGroupBox*>())
        frames << frame->title();
    EXPECT_EQ(frames, (QStringList{"Voltage", "Temperature", "Fan Speed"}));
    QStringList menus;
    for (QAction* action : rig.w().menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Tools", "&About"}));
    EXPECT_EQ(rig.w().rows().caseLine.lblCaseOpen->text(), QStringLiteral("PC Case is closed"));
    EXPECT_TRUE(rig.w().timer().isActive());
    EXPECT_EQ(rig.w().timer().interval(), 1000);
    EXPECT_TRUE(rig.m().state.limitEditsLive);
}

TEST_F(MainWindowTest, HmcHidesItsAbsentRowsAndClosesTheVcoreBGap) {
    WindowRig rig(ScenarioFor("hmc"));
    VoltageRows& volts = rig.w().voltageRows();
    std::array<int, 9> before{};
    for (int i = 0; i < 9; ++i)
        before[i] = volts.row[i].gridRow;
    rig.w().load();
    for (int k = 2; k <= 6; ++k)
        EXPECT_EQ(volts.row[k].gridRow, before[k - 1]) << k;
    for (int k : {0, 7, 8})
        EXPECT_EQ(volts.row[k].gridRow, before[k]) << k;
    auto* grid = qobject_cast<QGridLayout*>(volts.row[2].SldVoltage->parentWidget()->layout());
    int gridRow = -1, col = 0, rowSpan = 0, colSpan = 0;
    grid->getItemPosition(grid->indexOf(volts.row[2].SldVoltage), &gridRow, &col, &rowSpan,
                          &colSpan);
    EXPECT_EQ(gridRow, before[1]);
    for (int i : {1, 6, 7, 8}) {
        for (QWidget* control : volts.row[i].controls())
            EXPECT_TRUE(control->isHidden()) << i;
    }
    EXPECT_TRUE(rig.w().fanRows().row[2].lblFanItem->isHidden());
    EXPECT_TRUE(rig.w().temperatureRows().row[2].lblTempItem->isHidden());
    EXPECT_TRUE(rig.w().rows().caseLine.lblCaseOpen->isHidden());
    EXPECT_EQ(rig.chip().peek(0, 0x4C) & 0x80, 0x80);
    EXPECT_EQ(rig.chip().peek(0, 0x5C) & 0x08, 0x08);
}

TEST_F(MainWindowTest, DisablingAndEnablingARowRestoresAllOfIt) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    const TemperatureRows::Row& cpu = rig.w().temperatureRows().row[1];
    rig.m().settings.ItemEnabled[13] = 0;
    rig.w().refreshItemEnabled();
    EXPECT_FALSE(cpu.lblTempItem->isEnabled());
    EXPECT_TRUE(cpu.lblTempLoLimit->isHidden());
    rig.m().settings.ItemEnabled[13] = 1;
    rig.w().refreshItemEnabled();
    EXPECT_TRUE(cpu.lblTempItem->isEnabled());
    for (QWidget* control : cpu.controls())
        EXPECT_EQ(control->isHidden(), control == cpu.updTempLoLimit)
            << control->objectName().toStdString();
}

TEST_F(MainWindowTest, DefaultLeavesRegisterExactLimitsOfTheRowsItMoved) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    VoltageRows::Row& minus12 = rig.w().voltageRows().row[5];
    VoltageRows::Row& plus5 = rig.w().voltageRows().row[3];
    minus12.updHiLimit->stepUp();
    minus12.updLoLimit->stepDown();
    plus5.updLoLimit->stepUp();
    rig.w().fanRows().row[0].updFanLoLimit->stepUp();
    rig.w().restoreDefaults();
    EXPECT_EQ(minus12.LblLoLimit->text(), QStringLiteral("-13.01"));
    EXPECT_EQ(minus12.LblHiLimit->text(), QStringLiteral("-11.04"));
    EXPECT_EQ(rig.m().settings.VoltLoLimit[5], NegativeRailVolts(5, 23));
    EXPECT_EQ(rig.m().settings.VoltLoLimit[3], ScaleToVolts(167, rig.m().settings.VoltFactor[3]));
    EXPECT_EQ(rig.chip().peek(0, 0x35), 47);
    EXPECT_EQ(rig.chip().peek(0, 0x36), 23);
    EXPECT_EQ(rig.chip().peek(0, 0x32), 167);
    EXPECT_EQ(rig.chip().peek(0, 0x3B), 160);
    EXPECT_EQ(rig.m().settings.VcoreFromVID, kTrue);
    EXPECT_TRUE(rig.w().timer().isActive());
    // The next tick judges against the factory limits.
    rig.chip().poke(0, 0x23, 168);
    rig.w().pollOnce();
    EXPECT_FALSE(rig.dialogs.shown[3]);
}

TEST_F(MainWindowTest, DefaultThenSaveWritesTheFactoryRecord) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.w().restoreDefaults();
    rig.w().saveSettings();
    EXPECT_TRUE(rig.boxes.boxes.empty());
    std::vector<uint8_t> expected = fileBytes(std::string(HMDX_TEST_DATA) + "/defaults-hmb.dat");
    ASSERT_EQ(expected.size(), kSettingsRecordSize);
    // The Vcore limits come from the CPU (1.75 V) rather than the wide factory window.
    SettingsModel vid;
    vid.VoltLoLimit[0] = float(1.75 - 0.2);
    vid.VoltHiLimit[0] = float(1.75 + 0.2);
    std::memcpy(&expected[80], &vid.VoltLoLimit[0], 4);
    std::memcpy(&expected[120], &vid.VoltHiLimit[0], 4);
    EXPECT_EQ(fileBytes(rig.data / "hmb.dat"), expected);
}

TEST_F(MainWindowTest, FailedSaveTellsTheUserAndKeepsTheSettings) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    std::filesystem::create_directory(rig.data / "hmb.dat"); // cannot be replaced by a file
    rig.w().voltageRows().row[3].updHiLimit->stepUp();
    rig.w().saveSettings();
    ASSERT_EQ(rig.boxes.boxes.size(), 1U);
    EXPECT_NE(rig.boxes.boxes[0].text.find("hmb.dat"), std::string::npos);
    EXPECT_EQ(rig.m().settings.VoltHiLimit[3], ScaleToVolts(206, rig.m().settings.VoltFactor[3]));
}

TEST_F(MainWindowTest, ExitsSilenceTheChipAsEachModelNeeds) {
    struct Case {
        const char* model;
        bool fileExit;
        int beep2;    // register 0x57 afterwards
        int pwm1;     // PWM register of fan 1 afterwards, or -1
        int activate; // Super I/O activate afterwards, or -1
    };
    for (const Case& c : {Case{"hmb", true, 0x00, 0xFF, -1}, Case{"hma", true, 0x11, -1, -1},
                          Case{"hma", false, 0x00, -1, -1}, Case{"hmdf", true, 0x00, 0xFF, 0}}) {
        sim::Scenario scenario = ScenarioFor(c.model);
        scenario.activate = 0;
        scenario.writes.push_back({0, 0, 0x5A, 0x40});
        scenario.writes.push_back({0, 0, 0x5B, 0x40});
        WindowRig rig(scenario);
        rig.w().load();
        rig.chip().poke(0, 0x57, 0x11);
        if (c.fileExit)
            rig.w().exitProgram();
        else
            rig.w().exitFromTray();
        EXPECT_EQ(rig.ended, 1) << c.model;
        EXPECT_EQ(rig.chip().peek(0, 0x57), c.beep2) << c.model;
        const int pwmReg = std::string(c.model) == "hmb" ? 0x5B : 0x5A;
        if (c.pwm1 >= 0) {
            EXPECT_EQ(rig.chip().peek(0, pwmReg), c.pwm1) << c.model;
        }
        if (c.activate >= 0) {
            EXPECT_EQ(rig.chip().peekSio(0x30), c.activate) << c.model;
        }
    }
}

TEST_F(MainWindowTest, ClosingHidesToTheTrayAndMonitoringGoesOn) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.w().show();
    EXPECT_TRUE(rig.w().hideInsteadOfClosing(MainWindow::CloseReason::User));
    EXPECT_TRUE(rig.w().isHidden());
    EXPECT_TRUE(rig.tray.visible);
    rig.chip().poke(0, 0x23, 230);
    rig.w().pollOnce();
    EXPECT_TRUE(rig.dialogs.shown[3]);
    rig.tray.onRestore();
    EXPECT_TRUE(rig.w().isVisible());
    EXPECT_FALSE(rig.tray.visible);
    EXPECT_FALSE(rig.w().hideInsteadOfClosing(MainWindow::CloseReason::System));
    EXPECT_EQ(rig.ended, 0);
    rig.tray.onExit();
    EXPECT_EQ(rig.ended, 1);
}

TEST_F(MainWindowTest, WithoutANotificationAreaClosingMinimises) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.tray.available = false;
    rig.w().load();
    rig.w().show();
    EXPECT_TRUE(rig.w().hideInsteadOfClosing(MainWindow::CloseReason::User));
    EXPECT_FALSE(rig.tray.visible);
    EXPECT_TRUE(rig.w().isMinimized());
}

TEST_F(MainWindowTest, AProgrammaticCloseEndsTheProgram) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.w().show();
    rig.w().close();
    EXPECT_EQ(rig.ended, 1);
    EXPECT_FALSE(rig.tray.visible);
}

} // namespace
} // namespace hmdx::test
