#include "chip/Startup.h"

#include "chip/sim/SimulatedServices.h"
#include "support/FactoryRecord.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SimRig.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

struct FakeInstance : SingleInstance {
    bool another = false;
    bool anotherIsRunning() override { return another; }
};

// One start-up against a scenario, with everything it told the user and did to the ports.
struct StartupRun {
    explicit StartupRun(const sim::Scenario& scenario) : rig(scenario), claims(rig.chip) {}

    StartupOutcome run() {
        StartupServices services{instance, claims, boxes, data.path()};
        return StartUp(rig.m.chip, {rig.m.settings, rig.m.settingsFile}, services);
    }

    SimRig rig;
    sim::SimulatedPortClaims claims;
    FakeInstance instance;
    RecordingMessageBoxes boxes;
    TempDir data;
};

TEST(Startup, SecondInstanceEndsSilentlyWithoutTouchingThePorts) {
    StartupRun start(ScenarioFor("hmb"));
    start.instance.another = true;
    EXPECT_EQ(start.run(), StartupOutcome::AlreadyRunning);
    EXPECT_TRUE(start.boxes.boxes.empty());
    EXPECT_TRUE(start.rig.io.calls.empty());
}

// The golden runs have the Super I/O at either port, active or not, and none; this one has the
// monitor device at an odd base, and an activate value neither 0 nor 1, which is left alone.
TEST(Startup, FindsTheChipPortThroughSuperIo) {
    sim::Scenario scenario = ScenarioFor("hmdf");
    scenario.base = 0x0A37;
    scenario.activate = 3;
    StartupRun start(scenario);
    EXPECT_EQ(start.run(), StartupOutcome::Ready);
    EXPECT_EQ(start.rig.m.chip.bus.indexPort, 0x0A35);
    EXPECT_EQ(start.rig.m.chip.savedActivate, 3);
    EXPECT_EQ(start.rig.chip.peekSio(0x30), 3);
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
        StartupRun start(ScenarioFor(c.model));
        ASSERT_EQ(start.run(), StartupOutcome::Ready) << c.model;
        EXPECT_EQ(start.rig.m.chip.chipId, c.chipId);
        EXPECT_EQ(start.rig.m.settingsFile->path(), start.data / c.dataFile);
        EXPECT_FALSE(std::filesystem::exists(start.data / c.dataFile));
    }
}

TEST(Startup, StoredVcoreLimitsAreKeptWhenTheFlagIsOff) {
    for (int16_t flag : {kTrue, kFalse}) {
        StartupRun start(ScenarioFor("hmb"));
        start.rig.chip.poke(0, 0x47, 0x06);
        start.rig.chip.poke(0, 0x49, 0x00);
        SettingsModel stored = FactorySettings();
        stored.VoltLoLimit[0] = 1.0f;
        stored.VoltHiLimit[0] = 2.5f;
        stored.VcoreFromVID = flag;
        ASSERT_FALSE(SettingsFile(start.data / "hmb.dat").save(stored));
        ASSERT_EQ(start.run(), StartupOutcome::Ready);
        const SettingsModel& s = start.rig.m.settings;
        EXPECT_EQ(s.VoltLoLimit[0], flag ? float(1.75 - 0.2) : 1.0f);
        EXPECT_EQ(s.VoltHiLimit[0], flag ? float(1.75 + 0.2) : 2.5f);
        EXPECT_EQ(s.VcoreFromVID, kFalse);
    }
}

TEST(Startup, UnusableSettingsFileIsReportedAndLeftAlone) {
    StartupRun start(ScenarioFor("hmb"));
    const auto file = start.data / "hmb.dat";
    std::ofstream(file, std::ios::binary) << "short";
    ASSERT_EQ(start.run(), StartupOutcome::Ready);
    ASSERT_EQ(start.boxes.boxes.size(), 1U);
    EXPECT_NE(start.boxes.boxes[0].text.find(file.string()), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(file), 5U);
    EXPECT_EQ(start.rig.m.settings.FanCountLimit[1], 128); // factory value
}

} // namespace
} // namespace hmdx::test
