// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowRig.h"

#include <QCheckBox>
#include <QLocale>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// Each answer to a warning is one record of the item with its caption, reading and limits as
// the window shows them. The configuration dialog's changes are one record when it closes,
// without the Disable a warning made meanwhile: that has its own.
TEST(EventRecords, EachActionIsOneRecordOfTheItemAsShown) {
    QLocale::setDefault(QLocale::c());
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.writes.push_back({0, 0, 0x23, 250}); // +5V at 6.72 V
    DialogRig rig(scenario);
    rig.w().load();
    rig.boxes.answerYes = false;
    rig.w().configureAction()->trigger();
    rig.forms.configIfLoaded()->beepBoxes[4]->click();
    rig.tick();
    rig.forms.warningIfLoaded(3)->act(WarningAction::Ignore);
    rig.tick();
    rig.forms.warningIfLoaded(3)->act(WarningAction::ShutDown);
    rig.forms.warningIfLoaded(3)->act(WarningAction::Disable);
    rig.forms.configIfLoaded()->close();

    std::vector<std::string> seen;
    for (const Event& e : rig.m().events.events())
        seen.push_back(EventWord(e.kind) + "|" + std::to_string(e.item) + "|" + e.caption + "|" +
                       e.value + "|" + e.low + "|" + e.high + "|" + e.detail);
    const std::string item = "|3|+5V|6.72|4.49|5.51|";
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "warning raised" + item,
                        "ignore" + item,
                        "warning raised" + item,
                        "shut down" + item + "declined",
                        "disable" + item,
                        "configuration changed|-1|||||+12V: beep on -> off",
                    }));
}

} // namespace
} // namespace hmdx::test
