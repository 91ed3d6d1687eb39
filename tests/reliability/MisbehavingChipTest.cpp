// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowChecks.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <random>

namespace hmdx::test {
namespace {

struct Misbehaviour {
    const char* name;
    RecordingPortIo::Fault ports; // from the start
    bool allFF;                   // every register of banks 0..7 reads 0xFF
    int chipId;                   // the chip ID register changes to this; -1: it does not
    bool jumps;                   // every reading jumps anywhere in its range every tick
    bool recovers;                // the ports come right again at the end
    bool warns;                   // readings go out of range
};

constexpr Misbehaviour kMisbehaviours[] = {
    {"gone from the bus", RecordingPortIo::Fault::Gone, false, -1, false, true, true},
    {"every register 0xFF", RecordingPortIo::Fault::None, true, -1, false, false, true},
    {"readings jumping across the whole range", RecordingPortIo::Fault::None, false, -1, true,
     false, true},
    {"vendor and chip ID changed", RecordingPortIo::Fault::VendorChanged, false, 0x55, false, false,
     false},
};

void tick(Machine& machine) {
    ++machine.sim.now;
    const long long before = machine.sim.simIo.portAccesses();
    machine.tick();
    Machine::settle();
    EXPECT_GT(machine.sim.simIo.portAccesses(), before); // the poll went out to the chip
}

// Monitoring goes on with sane numbers and bounded fault counts, the settings and their file
// stay as they were, and once the chip is well again every warning goes and every item is
// back in range.
void misbehave(const Misbehaviour& fault, const char* model) {
    SCOPED_TRACE(std::string(fault.name) + " on " + model);
    std::mt19937 random(0x5ca3);
    Machine machine(ScenarioFor(model));
    ASSERT_TRUE(machine.ready);
    machine.w().load();
    machine.w().show();
    machine.tick();
    machine.w().saveSettings();
    const Bytes saved = ReadFile<Bytes>(machine.dataPath());
    const SettingsModel settings = machine.m().settings;
    machine.sim.io.fault = fault.ports;
    if (fault.allFF) {
        for (int bank = 0; bank < 8; ++bank)
            for (int reg = 0; reg <= 0xFF; ++reg)
                machine.chip().poke(bank, reg, 0xFF);
    }
    if (fault.chipId >= 0)
        machine.chip().poke(0, 0x58, uint8_t(fault.chipId));
    int warnings = 0;
    for (int i = 0; i < 40; ++i) {
        if (fault.jumps) {
            for (const Register& r : kPolled)
                machine.chip().poke(r.bank, r.reg, uint8_t(random()));
        }
        tick(machine);
        ASSERT_TRUE(FaultCountsBounded(machine.m()));
        for (int item = 0; item < kItemCount; ++item)
            warnings += machine.forms.isShown(item);
    }
    EXPECT_EQ(warnings > 0, fault.warns);
    EXPECT_TRUE(machine.w().isVisible());
    EXPECT_TRUE(machine.s().clock().isActive());
    EXPECT_EQ(machine.ended, 0);
    EXPECT_LE(QApplication::topLevelWidgets().size(), 40);
    EXPECT_EQ(WindowFaults(machine, false), std::vector<std::string>{});
    EXPECT_EQ(machine.m().settings, settings);
    machine.w().saveSettings();
    EXPECT_EQ(machine.boxes.texts(), std::vector<std::string>{});
    EXPECT_EQ(ReadFile<Bytes>(machine.dataPath()), saved);
    if (!fault.recovers)
        return;
    machine.sim.io.fault = RecordingPortIo::Fault::None;
    tick(machine);
    for (int item = 0; item < kItemCount; ++item) {
        EXPECT_FALSE(machine.forms.isShown(item)) << item;
        const bool watched = machine.m().settings.monitored[item] == 1;
        EXPECT_TRUE(!watched || machine.w().monitor().reading(item).inRange) << item;
    }
}

TEST(MisbehavingChip, MonitoringGoesOnAndNothingIsLost) {
    for (const Misbehaviour& fault : kMisbehaviours)
        for (const char* model : {"hma", "hmb", "hmc", "hmdf"})
            misbehave(fault, model);
}

} // namespace
} // namespace hmdx::test
