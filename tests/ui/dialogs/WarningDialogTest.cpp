#include "support/DialogRig.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/main/FanRows.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

TEST(WarningDialog, FacesFollowTheItemTable) {
    struct Case {
        const char* model;
        int item;
        const char* caption;
        const char* message;
    };
    for (const Case& c : {
             Case{"hmb", 0, "Warning !!!", "Your Vcore voltage exceed the limits."},
             Case{"hmc", 0, "Warning !!!", "Your Vcore Voltage exceed the limits"},
             Case{"hmb", 2, "Warning !!!", "Your  +3.3V voltage exceed the limits."},
             Case{"hmb", 7, "Warning!!!", "Your 5Vsb voltage exceed the limits."},
             Case{"hmb", 15, "Warning !!!", "Your PC Case has been opened."},
         }) {
        DialogRig rig(ScenarioFor(c.model));
        rig.w().load();
        rig.forms.show(c.item);
        WarningDialog* dialog = rig.forms.warningIfLoaded(c.item);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle().toStdString(), c.caption);
        EXPECT_EQ(dialog->Label2->text().toStdString(), c.message);
        EXPECT_EQ(dialog->Command[0]->text(), QStringLiteral("Ignore"));
        EXPECT_EQ(dialog->Tip[2]->text(), QStringLiteral("Exit Windows"));
        EXPECT_FALSE(dialog->parentWidget()); // no owner
        EXPECT_FALSE(dialog->isModal());
    }
}

TEST(WarningDialog, IgnoreClosesAndTheNextFaultRaisesItAgain) {
    DialogRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.chip().poke(0, 0x23, 230);
    rig.w().pollOnce();
    ASSERT_TRUE(rig.forms.isShown(3));
    rig.forms.warningIfLoaded(3)->act(WarningAction::Ignore);
    DialogRig::settle();
    EXPECT_FALSE(rig.forms.warningIfLoaded(3));
    EXPECT_EQ(rig.m().state.faultCounts[3], 0);
    rig.w().pollOnce();
    EXPECT_TRUE(rig.forms.isShown(3));
}

TEST(WarningDialog, DisableStopsMonitoringAndLoadsTheConfigurationHidden) {
    struct Case {
        int item;
        bool fansReinitialised;
    };
    for (const Case& c : {Case{3, false}, Case{9, true}, Case{11, false}}) {
        DialogRig rig(ScenarioFor("hmb"));
        // FAN1 ships unmonitored, and loading the configuration re-initialises the fans for it.
        rig.m().settings.ItemEnabled[10] = 1;
        rig.w().load();
        rig.forms.show(c.item);
        rig.chip().poke(0, 0x3B, 0x77); // loadFromSettings rewrites this
        rig.forms.warningIfLoaded(c.item)->act(WarningAction::Disable);
        DialogRig::settle();
        EXPECT_FALSE(rig.forms.warningIfLoaded(c.item)) << c.item;
        EXPECT_EQ(rig.m().settings.ItemEnabled[c.item], 0) << c.item;
        ConfigurationDialog* config = rig.forms.configIfLoaded();
        ASSERT_TRUE(config) << c.item;
        EXPECT_FALSE(config->isVisible());
        EXPECT_FALSE(config->chkEnable[c.item]->isChecked());
        EXPECT_TRUE(config->ChkBeep[c.item]->isHidden());
        EXPECT_EQ(rig.chip().peek(0, 0x3B) != 0x77, c.fansReinitialised) << c.item;
    }
}

TEST(WarningDialog, DisableWithTheConfigurationOpenThenCancel) {
    DialogRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.forms.openConfiguration();
    rig.forms.show(4);
    rig.forms.warningIfLoaded(4)->act(WarningAction::Disable);
    EXPECT_EQ(rig.m().settings.ItemEnabled[4], 0);
    EXPECT_EQ(rig.chip().peek(0, 0x57) & 0x01, 0); // +12V no longer beeps
    // Cancel restores the snapshot, which the Disable changed too.
    rig.forms.configIfLoaded()->press(ConfigurationButton::Cancel);
    EXPECT_EQ(rig.m().settings.ItemEnabled[4], 0);
}

TEST(WarningDialog, ShutDownAsksAndTheWarningStays) {
    struct Case {
        bool yes;
        bool privilege;
        int powerOffs;
    };
    for (const Case& c : {Case{false, true, 0}, Case{true, false, 0}, Case{true, true, 1}}) {
        sim::Scenario scenario = ScenarioFor("hmb");
        scenario.privilege = c.privilege;
        DialogRig rig(scenario);
        rig.w().load();
        rig.boxes.answerYes = c.yes;
        rig.forms.show(12);
        rig.forms.warningIfLoaded(12)->act(WarningAction::ShutDown);
        EXPECT_EQ(rig.chip().powerOffRequests(), c.powerOffs);
        EXPECT_TRUE(rig.forms.isShown(12));
        EXPECT_EQ(rig.boxes.boxes.front().title, "Board Sentinel");
    }
}

TEST(WarningDialog, CaseOpenWarningTellsTheWindowWhileLoaded) {
    DialogRig rig(ScenarioFor("hmb"));
    rig.w().load();
    QLabel* caseLabel = rig.w().rows().caseLine.lblCaseOpen;
    rig.forms.show(15);
    EXPECT_EQ(caseLabel->text(), QStringLiteral("PC Case is opened"));
    // Ignore and Disable ask for the password first.
    rig.forms.warningIfLoaded(15)->act(WarningAction::Ignore);
    ASSERT_TRUE(rig.forms.passwordIfLoaded());
    EXPECT_TRUE(rig.forms.isShown(15));
    rig.forms.warningIfLoaded(15)->close();
    DialogRig::settle();
    EXPECT_EQ(caseLabel->text(), QStringLiteral("PC Case is closed"));
    EXPECT_EQ(rig.m().settings.ItemEnabled[15], 1);
}

TEST(MenuDialogs, OpenModelessAndOnlyOnce) {
    DialogRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.w().aboutAction()->trigger();
    rig.w().aboutAction()->trigger();
    AboutDialog* about = rig.forms.aboutIfLoaded();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Hardware Monitor"));
    EXPECT_FALSE(about->isModal());
    about->cmdOk->click();
    DialogRig::settle();
    EXPECT_FALSE(rig.forms.aboutIfLoaded());
    rig.w().configureAction()->trigger();
    ASSERT_TRUE(rig.forms.configIfLoaded());
    EXPECT_TRUE(rig.forms.configIfLoaded()->isVisible());
    EXPECT_TRUE(rig.w().timer().isActive()); // polling goes on behind the dialogs
}

} // namespace
} // namespace hmdx::test
