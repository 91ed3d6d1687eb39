#include "chip/Shutdown.h"

#include "chip/sim/SimulatedServices.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

struct Case {
    const char* name;
    bool answerYes;
    bool privilege;
    std::vector<std::string> portCalls;
    int powerOffs;
    size_t boxes;
};

TEST(ShutdownSystem, AsksThenPowersOffOnlyWithPrivilege) {
    for (const Case& c : {
             Case{"declined", false, true, {}, 0, 1},
             Case{"granted",
                  true,
                  true,
                  {"acquirePowerOffPrivilege", "releasePowerOffPrivilege"},
                  1,
                  1},
             Case{"refused", true, false, {"acquirePowerOffPrivilege"}, 0, 2},
         }) {
        sim::Scenario scenario = ScenarioFor("hmb");
        scenario.privilege = c.privilege;
        SimRig rig(scenario);
        sim::SimulatedPowerOff power(rig.chip);
        RecordingMessageBoxes boxes;
        boxes.answerYes = c.answerYes;
        ShutdownSystem(boxes, rig.io, power);
        EXPECT_EQ(rig.io.calls, c.portCalls) << c.name;
        EXPECT_EQ(rig.chip.powerOffRequests(), c.powerOffs) << c.name;
        ASSERT_EQ(boxes.boxes.size(), c.boxes) << c.name;
        EXPECT_TRUE(boxes.boxes[0].question);
        EXPECT_EQ(boxes.boxes[0].text, "Do you want to shut down your System?");
        EXPECT_EQ(boxes.boxes[0].title, "Board Sentinel");
        if (c.boxes == 2) {
            EXPECT_FALSE(boxes.boxes[1].question);
            EXPECT_EQ(boxes.boxes[1].text, " You don't have the priviledge to shut down VUradav1 ");
            EXPECT_EQ(boxes.boxes[1].title, ""); // the application's own title
        }
    }
}

} // namespace
} // namespace hmdx::test
