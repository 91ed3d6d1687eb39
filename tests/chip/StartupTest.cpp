#include "chip/Startup.h"

#include "chip/sim/SimulatedServices.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SimRig.h"
#include "support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

using Lines = std::vector<std::string>;

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

TEST(Startup, FindsTheChipPortThroughSuperIo) {
    struct Case {
        const char* name;
        const char* model;
        std::optional<uint16_t> superio;
        uint16_t base;
        uint8_t activate;
        uint16_t configPort;
        uint16_t indexPort;
        uint8_t activateAfter;
    };
    for (const Case& c : {
             Case{"hmdf at 2e", "hmdf", std::nullopt, 0x290, 1, 0x2E, 0x295, 1},
             Case{"answers at 4e only", "hmb", 0x4E, 0x290, 1, 0x4E, 0x295, 1},
             Case{"odd base", "hmdf", 0x2E, 0x0A37, 1, 0x2E, 0x0A35, 1},
             Case{"inactive device", "hmdf", 0x2E, 0x290, 0, 0x2E, 0x295, 1},
             Case{"activate 3 left alone", "hmdf", 0x2E, 0x290, 3, 0x2E, 0x295, 3},
             Case{"no super io", "hmb", 0, 0x290, 1, 0, 0x295, 1},
         }) {
        sim::Scenario scenario = ScenarioFor(c.model);
        scenario.superio = c.superio;
        scenario.base = c.base;
        scenario.activate = c.activate;
        StartupRun start(scenario);
        EXPECT_EQ(start.run(), StartupOutcome::Ready) << c.name;
        EXPECT_EQ(start.rig.m.chip.superIo.configPort, c.configPort) << c.name;
        EXPECT_EQ(start.rig.m.chip.bus.indexPort, c.indexPort) << c.name;
        EXPECT_EQ(start.rig.m.chip.savedActivate, c.configPort ? c.activate : 0) << c.name;
        if (c.configPort) {
            EXPECT_EQ(start.rig.chip.peekSio(0x30), c.activateAfter) << c.name;
        }
        // The activate register is written only when it was found off.
        const Lines ports = start.rig.io.portAccesses();
        const Lines activation{PortLine("out", c.configPort, 0x30),
                               PortLine("out", uint16_t(c.configPort + 1), 0x01)};
        const bool wroteActivate = std::search(ports.begin(), ports.end(), activation.begin(),
                                               activation.end()) != ports.end();
        EXPECT_EQ(wroteActivate, c.configPort != 0 && c.activate == 0) << c.name;
        EXPECT_TRUE(start.boxes.boxes.empty()) << c.name;
    }
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
        SettingsModel stored;
        SetDefaultSettings(stored, ItemBytes{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                           ItemBytes{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
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
