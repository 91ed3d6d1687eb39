// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/Monitor.h"

#include "monitor/Conversions.h"
#include "monitor/Session.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

struct Poke {
    int bank, reg, value;
};

// Readings at and around every kind of limit (factory limits; +5V 167..205, -12V on HMB
// 23..47 and on HMA -233..-197, fan 0 count limit 160, Temp1 40 C, Temp2 60 C).
TEST(Monitor, ConvertsAndJudgesReadingsAtAndAroundTheirLimits) {
    struct Case {
        const char* name;
        const char* model;
        int item;
        std::vector<Poke> registers; // what the chip reads
        bool inRange;
        const char* text;
        int marker; // where the reading stands on the item's scale
    };
    for (const Case& c : {
             Case{"+5V at low limit", "hmb", 3, {{0, 0x23, 167}}, true, "4.49", 167},
             Case{"+5V below", "hmb", 3, {{0, 0x23, 166}}, false, "4.46", 166},
             Case{"+5V at high limit", "hmb", 3, {{0, 0x23, 205}}, true, "5.51", 205},
             Case{"+5V above", "hmb", 3, {{0, 0x23, 206}}, false, "5.54", 206},
             Case{"-12V converted", "hmb", 5, {{0, 0x25, 35}}, true, "-12.03", 35},
             Case{"-12V converted low", "hmb", 5, {{0, 0x25, 22}}, false, "-13.09", 22},
             Case{"HMA -12V", "hma", 5, {{0, 0x25, 215}}, true, "-11.99", -215},
             Case{"HMA -12V more negative", "hma", 5, {{0, 0x25, 234}}, false, "-13.05", -234},
             Case{"fan at its limit", "hmb", 9, {{0, 0x28, 160}}, true, "1,055", 95},
             Case{"fan slower", "hmb", 9, {{0, 0x28, 161}}, false, "1,048", 94},
             Case{"fan count 0", "hmb", 9, {{0, 0x28, 0}}, true, "168,750", 255},
             Case{"fan stopped", "hmb", 9, {{0, 0x28, 255}}, false, "low_speed", 0},
             Case{"Temp1 at limit", "hmb", 12, {{0, 0x27, 40}}, true, "40.00", 80},
             Case{"Temp1 above", "hmb", 12, {{0, 0x27, 41}}, false, "41.00", 81},
             Case{"Temp1 below zero", "hmb", 12, {{0, 0x27, 0xFB}}, true, "-5.00", 35},
             Case{"Temp2 at limit", "hmb", 13, {{1, 0x50, 60}, {1, 0x51, 0}}, true, "60.00", 200},
             Case{"Temp2 +half", "hmb", 13, {{1, 0x50, 60}, {1, 0x51, 0x80}}, false, "60.50", 201},
             Case{"Temp2 0x81", "hmb", 13, {{1, 0x50, 60}, {1, 0x51, 0x81}}, true, "60.00", 200},
             Case{"case open", "hmb", 15, {{0, 0x42, 0x10}}, false, "PC Case is opened", 0},
             Case{"case closed", "hmb", 15, {}, true, "PC Case is closed", 0},
         }) {
        MonitorRig rig(c.model);
        rig.monitor.load();
        for (const Poke& p : c.registers)
            rig.chip().poke(p.bank, p.reg, uint8_t(p.value));
        rig.monitor.poll();
        const ItemReading& r = rig.monitor.reading(c.item);
        EXPECT_EQ(r.shown.text.toStdString(), c.text) << c.name;
        EXPECT_EQ(r.inRange, c.inRange) << c.name;
        EXPECT_EQ(r.marker, c.marker) << c.name;
        EXPECT_EQ(rig.dialogs.shown[c.item], !c.inRange) << c.name;
    }
}

// Every item monitored, a tick costs 72 port accesses on every model; none, it reads only the
// status registers (a bank selection and two reads) and judges nothing.
TEST(Monitor, ATickReadsOnlyTheMonitoredItems) {
    for (const char* model : {"hma", "hmb", "hmc", "hmdf"}) {
        for (bool enabled : {true, false}) {
            MonitorRig rig(model);
            rig.m().settings.monitored.fill(enabled ? 1 : 0);
            rig.monitor.load();
            rig.chip().poke(0, 0x42, 0x10); // the case open
            rig.sim.io.clear();
            rig.monitor.poll();
            EXPECT_EQ(rig.sim.io.portAccesses().size(), enabled ? 72U : 8U) << model;
            EXPECT_EQ(rig.m().state.everRead[kCaseOpenItem], enabled) << model;
            EXPECT_EQ(rig.dialogs.shown[kCaseOpenItem], enabled) << model;
        }
    }
}

// Default puts the factory limits back and leaves each limit it moved exact to its register
// (its events and port writes, and those of the user's moves, are the golden runs').
TEST(Monitor, DefaultLeavesEachLimitExactToItsRegister) {
    MonitorRig rig("hmb");
    rig.monitor.load();
    VoltageLimits& minus12 = rig.limits().voltage(5);
    minus12.high.stepUp();
    minus12.low.stepDown();
    rig.limits().voltage(3).low.stepUp();
    rig.monitor.restoreDefaults();
    EXPECT_EQ(minus12.lowText.text, QStringLiteral("-13.01"));
    EXPECT_EQ(minus12.highText.text, QStringLiteral("-11.04"));
    const SettingsModel& s = rig.m().settings;
    EXPECT_EQ(s.voltageLow[5], NegativeRailVolts(5, 23));
    EXPECT_EQ(s.voltageLow[3], ScaleToVolts(167, s.voltageFactor[3]));
    EXPECT_EQ(rig.chip().peek(0, 0x35), 47);
    EXPECT_EQ(rig.chip().peek(0, 0x36), 23);
}

// +5V set to warn on the third fault in a row. Every tick is a point of each item read, with
// the limits and the warning then in force.
TEST(Monitor, EachTickIsAPointOfTheHistory) {
    using Clock = std::chrono::system_clock;
    MonitorRig rig("hmb");
    rig.m().settings.warnAtOnce[3] = 0;
    rig.m().settings.warnAfterThree[3] = 1;
    rig.chip().poke(0, 0x23, 250); // +5V at 6.72 V
    rig.monitor.load();
    std::string shown; // after each tick, 1 for the warning up
    for (int tick = 0; tick < 3; ++tick) {
        rig.monitor.poll();
        shown += rig.dialogs.shown[3] ? '1' : '0';
    }
    EXPECT_EQ(shown, "001");
    rig.limits().voltage(3).high.setValue(208);
    rig.monitor.poll();
    const auto points = [&](int item) {
        return rig.m().history.points(item, Clock::now() - std::chrono::hours(1), Clock::now());
    };
    const auto p = points(3);
    ASSERT_EQ(p.size(), 4U);
    EXPECT_EQ(p[3].raw, 250);
    EXPECT_TRUE(p[3].warning);
    EXPECT_DOUBLE_EQ(p[3].low, 4.49);
    EXPECT_DOUBLE_EQ(p[3].high, 5.59);
    EXPECT_EQ(points(10).size(), 0U) << "FAN1 is not monitored";
}

// A tick reads first, then does its duties in their stated order, whatever order they were
// given in, and only then says it is done.
TEST(Session, TickReadsThenDoesEachDutyInOrderThenSaysSo) {
    StartedSim rig(ScenarioFor("hmb"));
    RecordingWarningDialogs warnings;
    Session session(rig.m(), warnings);
    std::string order;
    using Duty = Session::Duty;
    for (Duty duty : {Duty::Metrics, Duty::GuardianHeartbeat, Duty::NotificationReview})
        session.setDuty(duty, [&, duty] {
            order += std::to_string(int(duty)) + (rig.m().state.everRead[0] ? "r " : "- ");
        });
    QObject::connect(&session, &Session::ticked, [&order] { order += "done"; });
    session.start();
    session.clock().stop();
    session.tick();
    EXPECT_EQ(order, "0r 1r 2r done");
}

} // namespace
} // namespace hmdx::test
