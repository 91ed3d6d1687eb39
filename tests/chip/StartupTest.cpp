// SPDX-License-Identifier: GPL-3.0-or-later
#include "chip/Startup.h"

#include "support/FactoryRecord.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// The golden runs have the Super I/O at either port, active or not, and none; this one has the
// monitor device at an odd base, and an activate value neither 0 nor 1, which is left alone.
TEST(Startup, FindsTheChipPortThroughSuperIo) {
    sim::Scenario scenario = ScenarioFor("hmdf");
    scenario.base = 0x0A37;
    scenario.activate = 3;
    StartedSim start(scenario);
    EXPECT_TRUE(start.ready);
    EXPECT_EQ(start.m().chip.bus.indexPort, 0x0A35);
    EXPECT_EQ(start.m().chip.savedActivate, 3);
    EXPECT_EQ(start.chip().peekSio(0x30), 3);
    EXPECT_TRUE(start.boxes.boxes.empty());
}

// Start-up's port traffic and messages per model and failure are in the golden runs.
TEST(Startup, EachModelKeepsItsOwnSettingsFile) {
    struct Case {
        const char* model;
        uint8_t chipId;
        const char* dataFile;
    };
    for (const Case& c : {Case{"hma", 0x10, "hma.dat"}, Case{"hma11", 0x11, "hma.dat"},
                          Case{"hmb", 0x30, "hmb.dat"}, Case{"hmc", 0x40, "hmc.dat"},
                          Case{"hmdf", 0x21, "HmdF.dat"}}) {
        StartedSim start(ScenarioFor(c.model));
        ASSERT_TRUE(start.ready) << c.model;
        EXPECT_EQ(start.m().chip.chipId, c.chipId);
        EXPECT_EQ(start.m().settingsFile->path(), start.data / c.dataFile);
        EXPECT_FALSE(std::filesystem::exists(start.data / c.dataFile));
    }
}

// The simulated CPU asks for 1.75 V.
TEST(Startup, StoredVcoreLimitsAreKeptWhenTheFlagIsOff) {
    for (int16_t flag : {kTrue, kFalse}) {
        SettingsModel stored = FactorySettings();
        stored.VoltLoLimit[0] = 1.0f;
        stored.VoltHiLimit[0] = 2.5f;
        stored.VcoreFromVID = flag;
        StartedSim start(ScenarioFor("hmb"), Record(stored));
        ASSERT_TRUE(start.ready);
        const SettingsModel& s = start.m().settings;
        EXPECT_EQ(s.VoltLoLimit[0], flag ? float(1.75 - 0.2) : 1.0f);
        EXPECT_EQ(s.VoltHiLimit[0], flag ? float(1.75 + 0.2) : 2.5f);
        EXPECT_EQ(s.VcoreFromVID, kFalse);
    }
}

TEST(Startup, UnusableSettingsFileIsReportedAndLeftAlone) {
    StartedSim start(ScenarioFor("hmb"), Bytes{'s', 'h', 'o', 'r', 't'});
    ASSERT_TRUE(start.ready);
    ASSERT_EQ(start.boxes.boxes.size(), 1U);
    EXPECT_NE(start.boxes.boxes[0].text.find(start.dataPath().string()), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(start.dataPath()), 5U);
    EXPECT_EQ(start.m().settings.FanCountLimit[1], 128); // factory value
}

// Without CAP_SYS_ADMIN the ioports listing is all zeros; the driver is still found and named.
TEST(Startup, AClaimedChipIsRefusedEvenWhenTheListingHidesItsAddresses) {
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.claimedBy = "hwmon-chip";
    scenario.ioportsHidden = true;
    StartedSim start(scenario);
    EXPECT_FALSE(start.ready);
    ASSERT_EQ(start.boxes.boxes.size(), 1U);
    EXPECT_NE(start.boxes.boxes[0].text.find("\"hwmon-chip\""), std::string::npos);
}

} // namespace
} // namespace hmdx::test
