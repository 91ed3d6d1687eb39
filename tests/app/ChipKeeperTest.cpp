#include "app/ChipKeeper.h"

#include "chip/ChipKeeping.h"
#include "settings/SettingsRecord.h"
#include "support/WindowRig.h"
#include "ui/main/FanRows.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// Every monitor register, all banks, but the interrupt status that reads clear and the
// selected bank.
std::vector<int> registers(const sim::SimulatedChip& chip) {
    std::vector<int> all;
    for (int bank = 0; bank < 8; ++bank)
        for (int reg = 0; reg < 256; ++reg)
            all.push_back(reg == 0x41 || reg == 0x42 ? -1
                          : reg == 0x4E              ? chip.peek(bank, reg) & 0x80
                                                     : chip.peek(bank, reg));
    return all;
}

// "B:RR was->now" for every register that differs.
std::string differences(const std::vector<int>& was, const std::vector<int>& now) {
    std::string text;
    for (size_t i = 0; i < was.size(); ++i)
        if (was[i] != now[i]) {
            char one[32];
            std::snprintf(one, sizeof one, " %zu:%02zX %d->%d", i / 256, i % 256, was[i], now[i]);
            text += one;
        }
    return text;
}

SettingsRecord encoded(const SettingsModel& model) {
    SettingsRecord record{};
    EncodeSettings(model, record);
    return record;
}

std::vector<int> rowValues(MainWindow& w) {
    std::vector<int> values;
    for (const auto& r : w.voltageRows().row)
        values.insert(values.end(), {r.updLoLimit->value(), r.updHiLimit->value()});
    for (const auto& r : w.fanRows().row)
        values.push_back(r.updFanLoLimit->value());
    for (const auto& r : w.temperatureRows().row)
        values.push_back(r.updTempHiLimit->value());
    return values;
}

// A machine whose user moved limits away from the factory ones.
struct UserMachine : WindowRig {
    explicit UserMachine(const char* model) : WindowRig(ScenarioFor(model)) {
        w().load();
        auto& volts = w().voltageRows().row[3];
        volts.updHiLimit->setValue(volts.updHiLimit->value() - 3);
        volts.updLoLimit->setValue(volts.updLoLimit->value() + 2);
        auto& fan = w().fanRows().row[0].updFanLoLimit;
        fan->setValue(fan->value() + 20);
        auto& temp = w().temperatureRows().row[1].updTempHiLimit;
        temp->setValue(temp->value() - 7);
    }
};

TEST(ChipKeeping, ResetOrResumeThenReprogramRestoresEveryProgrammedRegister) {
    for (const char* model : {"hma", "hmb", "hmc", "hmdf"}) {
        UserMachine rig(model);
        const std::vector<int> programmed = registers(rig.chip());
        const std::vector<int> rows = rowValues(rig.w());
        const SettingsRecord settings = encoded(rig.m().settings);

        rig.chip().reset();
        ASSERT_NE(registers(rig.chip()), programmed) << model;
        ReprogramChip(rig.m().chip, rig.m().settings);
        EXPECT_EQ(differences(programmed, registers(rig.chip())), "") << model;
        EXPECT_EQ(rowValues(rig.w()), rows) << model;
        EXPECT_EQ(encoded(rig.m().settings), settings) << model;
    }
}

TEST(ChipKeeping, ReadBackFindsOneChangedLimitAndTheKeeperPutsItBack) {
    UserMachine rig("hmb");
    SleepWatcher sleep;
    ChipKeeper keeper(rig.m(), sleep, 0);
    std::vector<std::string> log;
    keeper.onReprogrammed = [&](const std::string& why, const std::string& changed) {
        log.push_back(why + ": " + changed);
    };

    rig.sim.io.clear();
    keeper.verify();
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(rig.writes().empty());
    // One read of two accesses per kept register; one bank selection of four per bank run.
    const size_t kept = rig.m().chip.kept().size();
    EXPECT_EQ(rig.sim.io.portAccesses().size(), 2 * kept + 4 * 4) << kept;

    const uint8_t written = rig.chip().peek(0, 0x31);
    rig.chip().poke(0, 0x31, 0x00);
    keeper.verify();
    EXPECT_EQ(rig.chip().peek(0, 0x31), written);
    ASSERT_EQ(log.size(), 1U);
    char expected[64];
    std::snprintf(expected, sizeof expected, "read-back: bank 0 0x31 0x00 -> 0x%02X", written);
    EXPECT_EQ(log[0], expected);

    sleep.onResume();
    ASSERT_EQ(log.size(), 2U);
    EXPECT_EQ(log[1], "resume: none");
}

TEST(ChipKeeping, ScheduledResumeResetsTheChipThenNotifiesOnce) {
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.writes.push_back({0, 0, 0x2B, 0x77});
    scenario.writes.push_back({4, 0, 0, 0, sim::ScheduledWrite::Action::Resume});
    sim::SimulatedChip chip(scenario);
    int resumes = 0;
    chip.onResume = [&] { ++resumes; };
    chip.poke(0, 0x2C, 0x12);
    chip.advanceTo(3);
    EXPECT_EQ(resumes, 0);
    chip.advanceTo(9);
    EXPECT_EQ(resumes, 1);
    EXPECT_EQ(chip.peek(0, 0x2C), 0x00); // lost
    EXPECT_EQ(chip.peek(0, 0x2B), 0x77); // the scenario's power-on value
}

} // namespace
} // namespace hmdx::test
