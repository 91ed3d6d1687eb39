// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowRig.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <filesystem>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// HMC, with its single core voltage, words the Vcore warning its own way.
TEST(WarningDialog, HmcWordsItsVcoreWarningItsOwnWay) {
    for (auto [model, message] : {std::pair{"hmb", "Your Vcore voltage exceed the limits."},
                                  {"hmc", "Your Vcore Voltage exceed the limits"}}) {
        DialogRig rig(ScenarioFor(model));
        rig.w().load();
        rig.forms.show(0);
        EXPECT_EQ(rig.forms.warningIfLoaded(0)->windowTitle(), QStringLiteral("Warning !!!"));
        EXPECT_EQ(rig.forms.warningIfLoaded(0)->messageLabel->text().toStdString(), message);
    }
}

// Both close the warning. Ignore clears the fault count and the next fault raises it again;
// Disable stops monitoring the item and loads the configuration dialog, hidden, to match.
TEST(WarningDialog, IgnoreAndDisable) {
    for (WarningAction action : {WarningAction::Ignore, WarningAction::Disable}) {
        const bool ignore = action == WarningAction::Ignore;
        DialogRig rig(ScenarioFor("hmb"));
        rig.w().load();
        rig.chip().poke(0, 0x23, 230);
        rig.tick();
        ASSERT_TRUE(rig.forms.isShown(3));
        rig.m().state.faultCounts[3] = 2;
        rig.forms.warningIfLoaded(3)->act(action);
        DialogRig::settle();
        EXPECT_FALSE(rig.forms.warningIfLoaded(3)) << ignore;
        EXPECT_EQ(rig.m().settings.monitored[3], ignore ? 1 : 0);
        ConfigurationDialog* config = rig.forms.configIfLoaded();
        ASSERT_EQ(config != nullptr, !ignore);
        if (ignore) {
            EXPECT_EQ(rig.m().state.faultCounts[3], 0);
        } else { // its boxes as Disable left them: ConfigurationDialogTest
            EXPECT_FALSE(config->isVisible());
        }
        rig.tick();
        EXPECT_EQ(rig.forms.isShown(3), ignore);
    }
}

// Shut Down asks first and powers off only with the privilege, saving nothing; whatever the
// outcome, the warning stays.
TEST(WarningDialog, ShutDownAsksAndTheWarningStays) {
    const std::string ask = "ask [Board Sentinel] Do you want to shut down your System?|";
    const std::string refused = "inform []  You don't have the priviledge to shut down VUradav1 |";
    struct Case {
        bool yes, privilege;
        std::string outcome, told, privilegeCalls;
    };
    for (const Case& c : {Case{false, true, "declined", ask, ""},
                          Case{true, false, "refused", ask + refused, "acquire|"},
                          Case{true, true, "requested", ask, "acquire|release|"}}) {
        sim::Scenario scenario = ScenarioFor("hmb");
        scenario.privilege = c.privilege;
        DialogRig rig(scenario);
        rig.w().load();
        rig.boxes.answerYes = c.yes;
        rig.forms.show(12);
        rig.forms.warningIfLoaded(12)->act(WarningAction::ShutDown);
        std::string told, privilegeCalls;
        for (const auto& box : rig.boxes.boxes)
            told += (box.question ? "ask [" : "inform [") + box.title + "] " + box.text + "|";
        for (const std::string& call : rig.sim.io.calls)
            if (const size_t at = call.find("PowerOffPrivilege"); at != std::string::npos)
                privilegeCalls += call.substr(0, at) + "|";
        EXPECT_EQ(told, c.told) << c.outcome;
        EXPECT_EQ(privilegeCalls, c.privilegeCalls) << c.outcome;
        EXPECT_EQ(rig.chip().powerOffRequests(), c.outcome == "requested");
        EXPECT_EQ(rig.m().events.events().back().detail, c.outcome);
        EXPECT_TRUE(rig.forms.isShown(12)) << c.outcome;
        EXPECT_FALSE(std::filesystem::exists(rig.data / "hmb.dat")) << c.outcome;
    }
}

// A screen reader hears the warning's message as the dialog comes up.
TEST(WarningDialog, ItsMessageReachesAScreenReader) {
    DialogRig rig(ScenarioFor("hmb"));
    rig.w().load();
    rig.forms.show(9);
    WarningDialog* dialog = rig.forms.warningIfLoaded(9);
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(dialog);
    EXPECT_EQ(heard->text(QAccessible::Name), QStringLiteral("Warning !!!"));
    EXPECT_EQ(heard->text(QAccessible::Description), "Your CPU FAN Speed exceed the limits.");
}

} // namespace
} // namespace hmdx::test
