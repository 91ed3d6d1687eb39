// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/FanControl.h"

#include "support/SimRig.h"

#include <functional>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// HMB's output 1 on a curve over Temp1, which the simulated board reads at 34 C: 36 %, 92.
struct FanRig : MonitorRig {
    explicit FanRig(const std::string& model = "hmb") : MonitorRig(model) {
        monitor.load();
        FanControlSettings s;
        s.outputs[0] = {.mode = FanMode::Curve,
                        .duty = 100,
                        .sensor = 1,
                        .points = {{30, 30}, {50, 60}, {70, 100}},
                        .hysteresis = 2,
                        .minimum = 0};
        monitor.fans().onControlChanged = [this] { ++controlChanges; };
        monitor.fans().apply(s);
    }
    uint8_t pwm() const { return sim.chip.peek(0, 0x5B); }
    const FanOutputState& output() const { return monitor.fans().state(1); }
    std::string lastEvent() const {
        const Event& e = sim.m.events.events().back();
        return EventWord(e.kind) + " " + e.detail;
    }
    int controlChanges = 0;
};

TEST(FanControl, EachFailsafeSendsTheOutputFullAndSaysWhy) {
    struct Case {
        std::function<void(FanRig&)> fault, undo;
        FanFailsafe why;
        uint8_t afterUndo; // a stall is held until the settings change
    } const cases[] = {
        {[](FanRig& r) { r.m().settings.monitored[12] = 0; },
         [](FanRig& r) { r.m().settings.monitored[12] = 1; }, FanFailsafe::NotMonitored, 92},
        {[](FanRig& r) { r.chip().poke(0, 0x27, 126); },
         [](FanRig& r) { r.chip().poke(0, 0x27, 34); }, FanFailsafe::BadReading, 92},
        {[](FanRig& r) { r.chip().poke(0, 0x27, 0xD0); }, // -48 C
         [](FanRig& r) { r.chip().poke(0, 0x27, 34); }, FanFailsafe::BadReading, 92},
        {[](FanRig& r) { r.chip().poke(0, 0x27, 41); }, // the high limit is 40 C
         [](FanRig& r) { r.chip().poke(0, 0x27, 34); }, FanFailsafe::AboveLimit, 92},
        {[](FanRig& r) { r.chip().poke(0, 0x28, 255); },
         [](FanRig& r) { r.chip().poke(0, 0x28, 56); }, FanFailsafe::Stalled, 0xFF},
    };
    for (const Case& c : cases) {
        FanRig rig;
        rig.monitor.poll();
        ASSERT_EQ(rig.pwm(), 92);
        c.fault(rig);
        rig.monitor.poll();
        EXPECT_EQ(rig.pwm(), 0xFF) << Describe(c.why);
        EXPECT_EQ(rig.output().failsafe, c.why);
        EXPECT_EQ(rig.lastEvent(), "fan failsafe output 1: " + std::string(Describe(c.why)));
        c.undo(rig);
        rig.monitor.poll();
        rig.monitor.poll(); // the control temperature comes down by the hysteresis
        EXPECT_EQ(rig.pwm(), c.afterUndo) << Describe(c.why);
    }
}

TEST(FanControl, NewSettingsEndAStallHold) {
    FanRig rig;
    rig.monitor.poll();
    rig.chip().poke(0, 0x28, 255);
    rig.monitor.poll();
    rig.chip().poke(0, 0x28, 56);
    FanControlSettings s = rig.monitor.fans().settings();
    s.outputs[0].mode = FanMode::Fixed;
    s.outputs[0].duty = 60;
    rig.monitor.fans().apply(s);
    EXPECT_EQ(rig.lastEvent(), "fan settings changed output 1 fixed 60%");
    rig.monitor.poll();
    EXPECT_EQ(rig.pwm(), 153);
    EXPECT_EQ(rig.lastEvent(), "fan control resumed output 1: under control");
    s.outputs[0].mode = FanMode::Full;
    rig.monitor.fans().apply(s);
    EXPECT_EQ(rig.pwm(), 0xFF);
    EXPECT_EQ(rig.controlChanges, 2);
}

TEST(FanControl, SleepAndEndingHoldFullResumeOnlyAfterSleep) {
    FanRig rig;
    FanControl& fans = rig.monitor.fans();
    rig.monitor.poll();
    fans.goFull(FanFailsafe::Sleep);
    rig.monitor.poll();
    EXPECT_EQ(rig.pwm(), 0xFF);
    fans.resume();
    rig.monitor.poll();
    EXPECT_EQ(rig.pwm(), 92);
    fans.goFull(FanFailsafe::Ending);
    fans.resume();
    rig.monitor.poll();
    EXPECT_EQ(rig.pwm(), 0xFF);
}

TEST(FanControl, ASteadyTickCostsNoPortAccessAndHmaHasNoOutputs) {
    FanRig rig;
    rig.monitor.poll();
    rig.sim.io.clear();
    rig.monitor.poll();
    const size_t controlled = rig.sim.io.portAccesses().size();
    FanControlSettings none;
    rig.monitor.fans().apply(none);
    rig.sim.io.clear();
    rig.monitor.poll();
    EXPECT_EQ(controlled, rig.sim.io.portAccesses().size());
    EXPECT_EQ(FanRig("hma").monitor.fans().anyControlled(), false);
    EXPECT_EQ(FanRig("hmc").monitor.fans().outputCount(), 2);
}

} // namespace
} // namespace hmdx::test
