// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ConfigurationDialog.h"

#include "support/WindowRig.h"
#include "ui/main/VoltageRows.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// The main window loaded and the configuration dialog opened from its menu.
struct ConfigRig : DialogRig {
    explicit ConfigRig(const char* model = "hmb") : DialogRig(ScenarioFor(model)) {
        w().load();
        w().configureAction()->trigger();
    }
    ConfigurationDialog& c() { return *forms.configIfLoaded(); }
    int beepBit(int reg, int bit) { return (chip().peek(0, reg) >> bit) & 1; }
    std::array<int, 3> faultSwitches(int i) {
        const SettingsModel& s = m().settings;
        return {s.warnAtOnce[i], s.warnAfterThree[i], s.beep[i]};
    }
};

TEST(ConfigurationDialog, HmcClosesTheGapOfItsSingleCoreVoltage) {
    for (const char* model : {"hmb", "hmc"}) {
        const bool hmc = std::string(model) == "hmc";
        ConfigRig rig(model);
        ConfigurationDialog design(rig.forms); // never loaded: the design layout
        ConfigurationDialog& c = rig.c();
        EXPECT_EQ(c.windowTitle(), QStringLiteral("Monitoring Config."));
        EXPECT_EQ(c.headings[1]->text(), QStringLiteral("Faults Count  1             3"));
        EXPECT_EQ(c.captionLabels[0]->text(), hmc ? "Vcore" : "VCore") << model;
        EXPECT_EQ(c.monitoredBoxes[0]->accessibleName(), hmc ? "Vcore Enable" : "VCore Enable");
        EXPECT_EQ(c.findChild<QFrame*>("Line2")->isHidden(), hmc) << model;
        EXPECT_EQ(c.findChild<QFrame*>("LinCaseOpen")->isHidden(), hmc) << model;
        EXPECT_EQ(c.monitoredBoxes[1]->isHidden(), hmc) << model;
        for (int i = 0; i < kItemCount; ++i) {
            const bool moved = hmc && i >= 2 && i <= 6;
            EXPECT_EQ(c.gridRowOf(i), design.gridRowOf(moved ? i - 1 : i)) << model << i;
        }
        // CPU above System; Tab runs row by row in that order.
        EXPECT_LT(c.gridRowOf(13), c.gridRowOf(12));
        QWidget* next = c.beepBoxes[13]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, c.monitoredBoxes[12]);
    }
}

// Every click acts at once, while polling goes on: the item's monitoring and warning, its row,
// its boxes, its beep; switching one of the first two fans re-initialises the fans.
TEST(ConfigurationDialog, EveryClickActsAtOnce) {
    ConfigRig rig;
    ConfigurationDialog& c = rig.c();
    EXPECT_TRUE(rig.s().clock().isActive());
    rig.forms.show(3);
    c.monitoredBoxes[3]->click();
    EXPECT_FALSE(rig.forms.isShown(3));
    EXPECT_EQ(rig.m().settings.monitored[3], 0);
    EXPECT_FALSE(rig.w().voltageRows().row[3].captionLabel->isEnabled());
    EXPECT_TRUE(c.warnAtOnceBoxes[3]->isHidden());
    EXPECT_TRUE(c.beepBoxes[3]->isHidden());
    EXPECT_EQ(rig.beepBit(0x56, 3), 0);
    c.monitoredBoxes[3]->click();
    EXPECT_EQ(rig.m().settings.monitored[3], 1);
    EXPECT_FALSE(c.warnAfterThreeBoxes[3]->isHidden());
    EXPECT_FALSE(c.beepBoxes[3]->isHidden());
    EXPECT_EQ(rig.beepBit(0x56, 3), 1);
    c.beepBoxes[3]->click();
    EXPECT_EQ(rig.m().settings.beep[3], 0);
    EXPECT_EQ(rig.beepBit(0x56, 3), 0);
    for (auto [fan, reinitialised] : {std::pair{11, false}, {9, true}, {10, true}}) {
        rig.chip().poke(0, 0x3B, 0x77);
        c.monitoredBoxes[fan]->click();
        EXPECT_EQ(rig.chip().peek(0, 0x3B) != 0x77, reinitialised) << fan;
    }
}

// Either box starts the switch, both ways; three faults take the beep away and one fault
// brings back what it was, on an item the chip can beep for (HMB's +12V) and on one it cannot
// (HMA's System temperature). Cancel puts it all back.
TEST(ConfigurationDialog, FaultCountBoxesAreOneSwitchThatRemembersTheBeep) {
    struct Case {
        const char* model;
        int item, reg, bit; // reg 0: no beep
    };
    for (const Case& k : {Case{"hmb", 4, 0x57, 0}, Case{"hma", 12, 0, 0}}) {
        ConfigRig rig(k.model);
        ConfigurationDialog& c = rig.c();
        const int i = k.item;
        const std::array<int, 3> found = rig.faultSwitches(i);
        int beep = found[2];
        for (QCheckBox* box : {c.warnAfterThreeBoxes[i], c.warnAtOnceBoxes[i], c.beepBoxes[i],
                               c.warnAtOnceBoxes[i], c.warnAfterThreeBoxes[i]}) {
            if (box->isHidden())
                continue;
            box->click();
            beep ^= box == c.beepBoxes[i];
            const bool three = c.warnAfterThreeBoxes[i]->isChecked();
            EXPECT_NE(c.warnAtOnceBoxes[i]->isChecked(), three);
            EXPECT_EQ(c.beepBoxes[i]->isHidden(), three || !k.reg);
            EXPECT_EQ(rig.faultSwitches(i), (std::array<int, 3>{!three, three, three ? 0 : beep}));
            if (k.reg) {
                EXPECT_EQ(rig.beepBit(k.reg, k.bit), three ? 0 : beep);
            }
        }
        c.warnAfterThreeBoxes[i]->click();
        c.press(ConfigurationButton::Cancel);
        EXPECT_EQ(rig.faultSwitches(i), found) << k.model;
        if (k.reg) {
            EXPECT_EQ(rig.beepBit(k.reg, k.bit), found[2]);
        }
    }
}

// Opening it again shows the same dialog without a new load, so Cancel still puts back what it
// first found; an item a warning's Disable switched off meanwhile stays off.
TEST(ConfigurationDialog, CancelPutsBackWhatTheDialogFound) {
    ConfigRig rig;
    rig.c().beepBoxes[3]->click();
    rig.forms.show(5);
    rig.forms.warningIfLoaded(5)->act(WarningAction::Disable);
    EXPECT_EQ(rig.beepBit(0x57, 1), 0);
    rig.w().configureAction()->trigger();
    ConfigurationDialog& c = rig.c();
    EXPECT_FALSE(c.monitoredBoxes[5]->isChecked());
    EXPECT_TRUE(c.beepBoxes[5]->isHidden());
    c.monitoredBoxes[5]->click();
    c.press(ConfigurationButton::Cancel);
    EXPECT_EQ(rig.m().settings.monitored[5], 0);
    EXPECT_EQ(rig.m().settings.beep[3], 1);
    EXPECT_EQ(rig.beepBit(0x57, 1), 0);
    EXPECT_EQ(rig.beepBit(0x56, 3), 1);
}

// Only Cancel undoes the changes; every other way out keeps them and records them once.
TEST(ConfigurationDialog, EveryWayOutButCancelKeepsTheChanges) {
    const auto key = [](QWidget* to, int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(to, &press);
    };
    const std::pair<std::string, std::function<void(ConfigurationDialog&)>> ways[] = {
        {"OK", [](ConfigurationDialog& c) { c.okCancelButtons[0]->click(); }},
        {"close control", [](ConfigurationDialog& c) { c.close(); }},
        {"Escape", [&](ConfigurationDialog& c) { key(&c, Qt::Key_Escape); }},
        {"Enter on Cancel",
         [&](ConfigurationDialog& c) { key(c.okCancelButtons[1], Qt::Key_Return); }},
    };
    for (const auto& [way, leave] : ways) {
        const bool kept = way != "Enter on Cancel";
        ConfigRig rig;
        rig.c().beepBoxes[3]->click();
        leave(rig.c());
        DialogRig::settle();
        EXPECT_FALSE(rig.forms.configIfLoaded()) << way;
        EXPECT_EQ(rig.m().settings.beep[3], kept ? 0 : 1) << way;
        EXPECT_EQ(rig.m().events.events().size(), kept ? 1U : 0U) << way;
    }
}

} // namespace
} // namespace hmdx::test
