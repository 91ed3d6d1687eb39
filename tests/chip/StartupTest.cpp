// SPDX-License-Identifier: GPL-3.0-or-later
#include "chip/Startup.h"

#include "support/FactoryRecord.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>
#include <tuple>
#include <unistd.h>

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
    for (int16_t flag : {kFileTrue, kFileFalse}) {
        SettingsModel stored = FactorySettings();
        stored.voltageLow[0] = 1.0f;
        stored.voltageHigh[0] = 2.5f;
        stored.vcoreFromVid = flag;
        StartedSim start(ScenarioFor("hmb"), Record(stored));
        ASSERT_TRUE(start.ready);
        const SettingsModel& s = start.m().settings;
        EXPECT_EQ(s.voltageLow[0], flag ? float(1.75 - 0.2) : 1.0f);
        EXPECT_EQ(s.voltageHigh[0], flag ? float(1.75 + 0.2) : 2.5f);
        EXPECT_EQ(s.vcoreFromVid, kFileFalse);
    }
}

TEST(Startup, UnusableSettingsFileIsReportedAndLeftAlone) {
    StartedSim start(ScenarioFor("hmb"), Bytes{'s', 'h', 'o', 'r', 't'});
    ASSERT_TRUE(start.ready);
    ASSERT_EQ(start.boxes.boxes.size(), 1U);
    EXPECT_NE(start.boxes.boxes[0].text.find(start.dataPath().string()), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(start.dataPath()), 5U);
    EXPECT_EQ(start.m().settings.fanCountLimit[1], 128); // factory value
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

struct FixedClaim : ChipClaim {
    explicit FixedClaim(ClaimOutcome o) : outcome(std::move(o)) {}
    ClaimOutcome take() override { return outcome; }
    int descriptor() const override { return -1; }
    ClaimOutcome outcome;
};

// Who holds the machine's claim is settled before any port; only this user's own hmdx is
// passed over in silence.
TEST(Startup, TheMachinesClaimIsSettledBeforeAnyPort) {
    using State = ClaimOutcome::State;
    const uid_t me = ::getuid(), other = me == 0 ? 65534 : 0;
    const struct {
        ClaimOutcome claim;
        StartupOutcome want;
        std::string says; // empty: nothing
    } cases[] = {
        {{State::Held, {4321, me, false}, {}}, StartupOutcome::AlreadyRunning, ""},
        {{State::Held, {4321, me, true}, {}}, StartupOutcome::ChipInUse, "service (process 4321)"},
        {{State::Held, {4321, other, false}, {}},
         StartupOutcome::ChipInUse,
         "process 4321 of user " + UserName(other) + "."},
        {{State::Held, {4321, std::nullopt, false}, {}},
         StartupOutcome::ChipInUse,
         "another hmdx: process 4321."},
        {{State::Held, {}, {}}, StartupOutcome::ChipInUse, "cannot be seen"},
        {{State::Unusable, {0, other, false}, "/run/lock/hmdx.lock is a symbolic link"},
         StartupOutcome::ChipInUse,
         "hmdx.lock is a symbolic link. The file belongs to user " + UserName(other)},
        {{State::NotMade, {}, "no lock folder"}, StartupOutcome::Ready, ""},
    };
    for (const auto& c : cases) {
        SimRig rig(ScenarioFor("hmb"));
        sim::SimulatedPortClaims claims(rig.chip);
        RecordingMessageBoxes boxes;
        FixedClaim claim(c.claim);
        EXPECT_EQ(DetectChip(rig.m.chip, claims, claim, boxes), c.want) << c.says;
        EXPECT_EQ(rig.io.calls.empty(), c.want != StartupOutcome::Ready) << c.says;
        ASSERT_EQ(boxes.boxes.size(), c.says.empty() ? 0U : 1U) << c.says;
        if (!c.says.empty()) {
            EXPECT_NE(boxes.boxes[0].text.find(c.says), std::string::npos) << boxes.boxes[0].text;
        }
    }
}

// The real chip is found before the capabilities are given up and told afterwards: start-up
// must then say and do what it would have done in one go.
TEST(Startup, AChipFoundEarlierIsToldAsIfFoundNow) {
    const auto run = [](const char* text, bool early, bool another) {
        SimRig rig(*sim::ParseScenario(text).scenario);
        sim::SimulatedPortClaims claims(rig.chip);
        RecordingMessageBoxes boxes;
        FakeInstance instance;
        instance.another = another;
        TempDir data;
        NoChipClaim none;
        std::optional<ChipDetection> found;
        if (early) {
            Chip probe(rig.io);
            found = FindChip(probe, claims, none);
        }
        StartupServices s{instance, claims, boxes, data.path(), &none, found ? &*found : nullptr};
        const StartupOutcome outcome = StartUp(rig.m.chip, {rig.m.settings, rig.m.settingsFile}, s);
        std::vector<std::string> said;
        for (const auto& box : boxes.boxes)
            said.push_back(box.text);
        return std::tuple(outcome, said, rig.io.calls, rig.m.chip.chipId, rig.chip.peekSio(0x30));
    };
    for (const char* text : {"model hmb\n", "model hmb\ndriver fail\n", "model hmb\nchipid 0x55\n",
                             "model hmdf\nactivate 0\nclaimed it87\n", "model hmdf\nactivate 0\n"})
        EXPECT_EQ(run(text, true, false), run(text, false, false)) << text;
    // Another instance of this user, seen only after the chip was found: the chip as found.
    EXPECT_EQ(std::get<4>(run("model hmdf\nactivate 0\n", true, true)), 0);
}

} // namespace
} // namespace hmdx::test
