#include "WindowChecks.h"
#include "ui/main/FanRows.h"
#include "ui/main/RowWidgets.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/VoltageRows.h"

#include <QApplication>
#include <QLabel>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace hmdx::test {
namespace {

struct Register {
    int bank, reg;
};

// Every register a poll reads: voltages, Temp1, fan counts, the status registers, Vsb and Vbat,
// Temp2 and Temp3.
constexpr Register kPolled[] = {
    {0, 0x20}, {0, 0x21}, {0, 0x22}, {0, 0x23}, {0, 0x24}, {0, 0x25}, {0, 0x26},
    {0, 0x27}, {0, 0x28}, {0, 0x29}, {0, 0x2A}, {0, 0x41}, {0, 0x42}, {5, 0x50},
    {5, 0x51}, {1, 0x50}, {1, 0x51}, {2, 0x50}, {2, 0x51},
};

using Action = std::function<void(Machine&, std::mt19937&)>;

struct Misbehaviour {
    const char* name;
    Action start;  // once, after the window is up
    Action onTick; // before every tick
    Action stop;   // the chip is well again; nullptr: it stays as it is
    bool warns;    // readings go out of range
};

void nothing(Machine&, std::mt19937&) {}

const Misbehaviour kMisbehaviours[] = {
    {"gone from the bus",
     [](Machine& x, std::mt19937&) { x.ports.fault = FaultyPorts::Fault::Gone; }, nothing,
     [](Machine& x, std::mt19937&) { x.ports.fault = FaultyPorts::Fault::None; }, true},
    {"every register 0xFF",
     [](Machine& x, std::mt19937&) {
         for (int bank = 0; bank < 8; ++bank)
             for (int reg = 0; reg <= 0xFF; ++reg)
                 x.chip.poke(bank, reg, 0xFF);
     },
     nothing, nullptr, true},
    {"readings jumping across the whole range", nothing,
     [](Machine& x, std::mt19937& random) {
         for (const Register& r : kPolled)
             x.chip.poke(r.bank, r.reg, uint8_t(random()));
     },
     nullptr, true},
    {"vendor and chip ID changed",
     [](Machine& x, std::mt19937&) {
         x.ports.fault = FaultyPorts::Fault::VendorChanged;
         x.chip.poke(0, 0x58, 0x55);
     },
     nothing, nullptr, false},
};

bool warnCountsBounded(const hmdx::Machine& m) {
    return std::all_of(m.state.faultCounts.begin(), m.state.faultCounts.end(),
                       [](int n) { return n >= 0 && n <= 3; });
}

// Monitored items whose status shows red.
std::vector<int> redRows(Machine& machine) {
    std::vector<int> red;
    const auto check = [&](int item, const QLabel* status) {
        if (machine.m.settings.ItemEnabled[item] == 1 && StatusColour(status) != kStatusGreen)
            red.push_back(item);
    };
    for (int i = 0; i < kVoltItems; ++i)
        check(i, machine.w().voltageRows().row[i].lblStatusV);
    for (int f = 0; f < 3; ++f)
        check(kFirstFanItem + f, machine.w().fanRows().row[f].lblFanSpeed);
    for (int t = 0; t < 3; ++t)
        check(kFirstTempItem + t, machine.w().temperatureRows().row[t].lblStatusT);
    return red;
}

void tick(Machine& machine) {
    ++machine.now;
    const long long before = machine.simIo.portAccesses();
    machine.w().pollOnce();
    Machine::settle();
    EXPECT_GT(machine.simIo.portAccesses(), before); // the poll went out to the chip
}

void misbehave(const Misbehaviour& fault, const char* model) {
    SCOPED_TRACE(std::string(fault.name) + " on " + model);
    std::mt19937 random(0x5ca3);
    Machine machine(ScenarioFor(model));
    ASSERT_TRUE(machine.ready);
    machine.w().load();
    machine.w().show();
    machine.w().pollOnce();
    machine.w().saveSettings();
    const Bytes saved = ReadBytes(machine.dataPath());
    const SettingsModel settings = machine.m.settings;
    fault.start(machine, random);
    int warnings = 0;
    for (int i = 0; i < 40; ++i) {
        fault.onTick(machine, random);
        tick(machine);
        ASSERT_TRUE(warnCountsBounded(machine.m));
        for (int item = 0; item < kItemCount; ++item)
            warnings += machine.forms.isShown(item);
    }
    EXPECT_EQ(warnings > 0, fault.warns);
    EXPECT_TRUE(machine.w().isVisible());
    EXPECT_TRUE(machine.w().timer().isActive());
    EXPECT_EQ(machine.ended, 0);
    EXPECT_LE(QApplication::topLevelWidgets().size(), 40);
    EXPECT_EQ(BrokenNumbers(machine.w()), std::vector<std::string>{});
    EXPECT_EQ(UpDownsOutOfRange(machine.w()), std::vector<std::string>{});
    EXPECT_EQ(machine.m.settings, settings);
    machine.w().saveSettings();
    EXPECT_EQ(machine.boxes.texts(), std::vector<std::string>{});
    EXPECT_EQ(ReadBytes(machine.dataPath()), saved);
    if (!fault.stop)
        return;
    fault.stop(machine, random);
    tick(machine);
    EXPECT_EQ(redRows(machine), std::vector<int>{}); // well again
    for (int item = 0; item < kItemCount; ++item)
        EXPECT_FALSE(machine.forms.isShown(item)) << item;
}

TEST(MisbehavingChip, MonitoringGoesOnAndNothingIsLost) {
    for (const Misbehaviour& fault : kMisbehaviours)
        for (const char* model : {"hma", "hmb", "hmc", "hmdf"})
            misbehave(fault, model);
}

} // namespace
} // namespace hmdx::test
