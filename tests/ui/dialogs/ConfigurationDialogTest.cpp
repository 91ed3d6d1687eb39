#include "ui/dialogs/ConfigurationDialog.h"

#include "support/DialogRig.h"
#include "ui/main/VoltageRows.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// The main window loaded and the configuration dialog opened from its menu.
struct ConfigRig : DialogRig {
    explicit ConfigRig(const char* model) : DialogRig(ScenarioFor(model)) {
        w().load();
        forms.openConfiguration();
    }
    ConfigurationDialog& c() { return *forms.configIfLoaded(); }
    bool beepBit(int reg, int bit) { return (chip().peek(0, reg) >> bit) & 1; }
    std::array<int, 3> faultSwitches(int i) {
        const SettingsModel& s = m().settings;
        return {s.ItemWarnOpt1[i], s.ItemWarnOpt3[i], s.ItemBeep[i]};
    }
};

TEST(ConfigurationDialog, LayoutFollowsTheChipModel) {
    for (const char* model : {"hmb", "hmc"}) {
        const bool hmc = std::string(model) == "hmc";
        ConfigRig rig(model);
        ConfigurationDialog design(rig.forms); // never loaded: the design layout
        ConfigurationDialog& c = rig.c();
        EXPECT_EQ(c.windowTitle(), QStringLiteral("Monitoring Config."));
        EXPECT_FALSE(c.parentWidget());
        EXPECT_FALSE(c.isModal());
        EXPECT_EQ(c.columnHeadings[1]->text(), QStringLiteral("Faults Count  1             3"));
        EXPECT_EQ(c.lblItemName[0]->text(), hmc ? "Vcore" : "VCore") << model;
        EXPECT_EQ(c.chkEnable[0]->accessibleName(), hmc ? "Vcore Enable" : "VCore Enable");
        EXPECT_EQ(c.chkWErr3[13]->accessibleName(), QStringLiteral("CPU 3 faults"));
        EXPECT_EQ(c.findChild<QFrame*>("Line2")->isHidden(), hmc) << model;
        EXPECT_EQ(c.findChild<QFrame*>("LinCaseOpen")->isHidden(), hmc) << model;
        EXPECT_EQ(c.chkEnable[1]->isHidden(), hmc) << model;
        for (int i = 0; i < 16; ++i) {
            const bool moved = hmc && i >= 2 && i <= 6;
            EXPECT_EQ(c.gridRowOf(i), design.gridRowOf(moved ? i - 1 : i)) << model << i;
        }
        // CPU above System; Tab runs row by row in that order.
        EXPECT_LT(c.gridRowOf(13), c.gridRowOf(12));
        QWidget* next = c.ChkBeep[13]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, c.chkEnable[12]);
    }
}

TEST(ConfigurationDialog, EnableStopsMonitoringAndClosesTheWarningAtOnce) {
    ConfigRig rig("hmb");
    rig.forms.show(3);
    rig.c().chkEnable[3]->click();
    EXPECT_FALSE(rig.forms.isShown(3));
    EXPECT_EQ(rig.m().settings.ItemEnabled[3], 0);
    EXPECT_FALSE(rig.w().voltageRows().row[3].lblItemName->isEnabled());
    EXPECT_TRUE(rig.c().chkWErr1[3]->isHidden());
    EXPECT_TRUE(rig.c().ChkBeep[3]->isHidden());
    EXPECT_FALSE(rig.beepBit(0x56, 3));
    rig.c().chkEnable[3]->click();
    EXPECT_EQ(rig.m().settings.ItemEnabled[3], 1);
    EXPECT_FALSE(rig.c().chkWErr3[3]->isHidden());
    EXPECT_FALSE(rig.c().ChkBeep[3]->isHidden());
    EXPECT_TRUE(rig.beepBit(0x56, 3));
}

TEST(ConfigurationDialog, FaultCountSwitchRemembersTheBeepAndCancelRestores) {
    ConfigRig rig("hmb");
    ConfigurationDialog& c = rig.c();
    const int item = 4; // +12V beeps through 0x57 bit 0
    // Either box can start the switch, in both directions.
    for (QCheckBox* box :
         {c.chkWErr3[item], c.chkWErr1[item], c.chkWErr1[item], c.chkWErr3[item]}) {
        box->click();
        const bool three = c.chkWErr3[item]->isChecked();
        EXPECT_NE(c.chkWErr1[item]->isChecked(), three);
        EXPECT_EQ(c.ChkBeep[item]->isChecked(), !three);
        EXPECT_EQ(c.ChkBeep[item]->isHidden(), three);
        EXPECT_EQ(rig.faultSwitches(item), (std::array<int, 3>{!three, three, !three}));
        EXPECT_EQ(rig.beepBit(0x57, 0), !three);
    }
    c.chkWErr3[item]->click();
    c.cmdSelect[1]->click();
    DialogRig::settle();
    EXPECT_FALSE(rig.forms.configIfLoaded());
    EXPECT_EQ(rig.faultSwitches(item), (std::array{1, 0, 1}));
    EXPECT_TRUE(rig.beepBit(0x57, 0));
}

TEST(ConfigurationDialog, BeepRegistersFollowEachClick) {
    struct Case {
        int item, bank, reg, bit;
    };
    for (const Case& k :
         {Case{0, 0, 0x56, 0}, Case{13, 0, 0x56, 5}, Case{15, 0, 0x57, 4}, Case{7, 4, 0x53, 0}}) {
        ConfigRig rig("hmb");
        for (bool on : {false, true}) {
            rig.c().ChkBeep[k.item]->click();
            EXPECT_EQ(rig.m().settings.ItemBeep[k.item], on);
            EXPECT_EQ((rig.chip().peek(k.bank, k.reg) >> k.bit) & 1, on) << k.item;
        }
    }
}

TEST(ConfigurationDialog, BeepIncapableItemNeverOffersBeep) {
    ConfigRig rig("hma"); // no beep bit for the temperatures
    ConfigurationDialog& c = rig.c();
    EXPECT_TRUE(c.ChkBeep[12]->isHidden());
    c.chkWErr3[12]->click();
    c.chkWErr1[12]->click();
    EXPECT_TRUE(c.ChkBeep[12]->isHidden());
    EXPECT_FALSE(c.chkWErr3[12]->isHidden());
}

TEST(ConfigurationDialog, LoadMendsFaultOptionsThatBreakTheRules) {
    struct Case {
        std::array<int, 3> stored; // WarnOpt1, WarnOpt3, Beep
        std::array<int, 3> loaded;
    };
    for (const Case& k : {Case{{1, 0, 1}, {1, 0, 1}}, Case{{0, 1, 0}, {0, 1, 0}},
                          Case{{1, 1, 1}, {0, 1, 0}}, Case{{0, 0, 1}, {0, 1, 0}}}) {
        DialogRig rig(ScenarioFor("hmb"));
        rig.w().load();
        SettingsModel& s = rig.m().settings;
        s.ItemWarnOpt1[3] = uint8_t(k.stored[0]);
        s.ItemWarnOpt3[3] = uint8_t(k.stored[1]);
        s.ItemBeep[3] = uint8_t(k.stored[2]);
        ConfigurationDialog& c = rig.forms.loadConfig();
        EXPECT_EQ((std::array<int, 3>{s.ItemWarnOpt1[3], s.ItemWarnOpt3[3], s.ItemBeep[3]}),
                  k.loaded);
        EXPECT_EQ(c.chkWErr3[3]->isChecked(), k.loaded[1] == 1);
        EXPECT_EQ(c.ChkBeep[3]->isHidden(), k.loaded[2] == 0);
        EXPECT_EQ((rig.chip().peek(0, 0x56) >> 3) & 1, k.loaded[2]);
    }
}

TEST(ConfigurationDialog, OnlyTheFirstTwoFansAreReinitialised) {
    for (auto [item, reinitialised] : {std::pair{9, true}, {10, true}, {11, false}}) {
        ConfigRig rig("hmb");
        for (int reg : {0x3B, 0x3C, 0x3D})
            rig.chip().poke(0, reg, 0x77);
        rig.c().chkEnable[item]->click();
        EXPECT_EQ(rig.chip().peek(0, 0x3B) != 0x77, reinitialised) << item;
    }
}

TEST(ConfigurationDialog, CancelAfterADisableRestoresTheSnapshotOfThatLoad) {
    DialogRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.forms.disableItem(5);
    ASSERT_TRUE(rig.forms.configIfLoaded());
    EXPECT_FALSE(rig.forms.configIfLoaded()->isVisible());
    rig.forms.openConfiguration();
    ConfigurationDialog& c = *rig.forms.configIfLoaded();
    EXPECT_TRUE(c.isVisible());
    EXPECT_FALSE(c.chkEnable[5]->isChecked());
    for (QCheckBox* box : {c.chkWErr1[5], c.chkWErr3[5], c.ChkBeep[5]})
        EXPECT_TRUE(box->isHidden());
    c.chkEnable[5]->click();
    c.ChkBeep[3]->click();
    c.press(ConfigurationButton::Cancel);
    EXPECT_EQ(rig.m().settings.ItemEnabled[5], 0);
    EXPECT_EQ(rig.m().settings.ItemBeep[3], 1);
    EXPECT_EQ(rig.chip().peek(0, 0x57) & 0x02, 0);
    EXPECT_EQ(rig.chip().peek(0, 0x56) & 0x08, 0x08);
}

TEST(ConfigurationDialog, EveryWayOutButCancelKeepsTheChanges) {
    struct Case {
        const char* way;
        bool kept;
    };
    for (const Case& k : {Case{"OK", true}, Case{"close control", true}, Case{"Escape", true},
                          Case{"Enter on Cancel", false}}) {
        ConfigRig rig("hmb");
        ConfigurationDialog& c = rig.c();
        c.ChkBeep[3]->click();
        const std::string way = k.way;
        if (way == "OK")
            c.cmdSelect[0]->click();
        else if (way == "close control")
            c.close();
        else if (way == "Escape") {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&c, &escape);
        } else {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(c.cmdSelect[1], &enter);
        }
        DialogRig::settle();
        EXPECT_FALSE(rig.forms.configIfLoaded()) << k.way;
        EXPECT_EQ(rig.m().settings.ItemBeep[3] == 0, k.kept) << k.way;
    }
}

TEST(ConfigurationDialog, OpeningAgainShowsTheSameDialogWithoutLoading) {
    ConfigRig rig("hmb");
    ConfigurationDialog* first = rig.forms.configIfLoaded();
    rig.m().settings.ItemBeep[3] = 0; // a Load would take this into the snapshot
    rig.forms.openConfiguration();
    EXPECT_EQ(rig.forms.configIfLoaded(), first);
    EXPECT_TRUE(first->ChkBeep[3]->isChecked());
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        shown += qobject_cast<ConfigurationDialog*>(top) && top->isVisible();
    EXPECT_EQ(shown, 1);
}

} // namespace
} // namespace hmdx::test
