// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChipKeeper.h"

#include "support/WindowRig.h"
#include "ui/main/UpDown.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// Every monitor register of banks 0..7 but the interrupt status that reads clear, and of the
// bank select only the vendor byte select.
std::vector<int> Registers(const sim::SimulatedChip& chip) {
    std::vector<int> all;
    for (int bank = 0; bank < 8; ++bank)
        for (int reg = 0; reg < 256; ++reg)
            all.push_back(reg == 0x41 || reg == 0x42 ? -1
                          : reg == 0x4E              ? chip.peek(bank, reg) & 0x80
                                                     : chip.peek(bank, reg));
    return all;
}

// " B:RR was->now" for every register that differs.
std::string Differences(const std::vector<int>& was, const std::vector<int>& now) {
    std::string text;
    for (size_t i = 0; i < was.size(); ++i)
        if (was[i] != now[i]) {
            char one[32];
            std::snprintf(one, sizeof one, " %zu:%02zX %d->%d", i / 256, i % 256, was[i], now[i]);
            text += one;
        }
    return text;
}

// Writes to the monitor's registers since the recorder was cleared, bank selections aside.
int RegisterWrites(const WindowRig& rig) {
    const unsigned index = rig.sim.io.indexPort;
    unsigned reg = 0, writes = 0;
    for (const std::string& line : rig.sim.io.portAccesses()) {
        unsigned port = 0, value = 0;
        if (std::sscanf(line.c_str(), "out %x %x", &port, &value) != 2)
            continue;
        if (port == index)
            reg = value;
        else if (port == index + 1)
            writes += reg != 0x4E;
    }
    return int(writes);
}

// With the user's limits in place on every model: a read-back that finds nothing changed
// writes nothing; a resume programs the chip again even then, and after the chip lost its
// programming it puts back every register as it was, changing no setting.
TEST(ChipKeeper, ResumeRestoresEveryProgrammedRegister) {
    for (const char* model : {"hma", "hmb", "hmc", "hmdf"}) {
        SCOPED_TRACE(model);
        WindowRig rig(ScenarioFor(model));
        rig.w().load();
        for (UpDown* limit : rig.w().findChildren<UpDown*>())
            limit->stepDown();
        SleepWatcher sleep;
        ChipKeeper keeper(rig.m(), sleep, 0);
        std::vector<std::string> told;
        keeper.onReprogrammed = [&](const Event& e) { told.push_back(e.detail); };
        const std::vector<int> programmed = Registers(rig.chip());
        const SettingsModel settings = rig.m().settings;

        rig.sim.io.clear();
        keeper.verify();
        EXPECT_EQ(RegisterWrites(rig), 0);
        sleep.onResume();
        EXPECT_GT(RegisterWrites(rig), 0);
        rig.chip().reset();
        ASSERT_NE(Registers(rig.chip()), programmed);
        sleep.onResume();
        EXPECT_EQ(Differences(programmed, Registers(rig.chip())), "");
        EXPECT_EQ(rig.m().settings, settings);
        ASSERT_EQ(told.size(), 2U);
        EXPECT_EQ(told[0], "resume; registers that had changed: none");
        EXPECT_EQ(told[1].rfind("resume; registers that had changed: bank 0 0x", 0), 0U) << told[1];
    }
}

} // namespace
} // namespace hmdx::test
