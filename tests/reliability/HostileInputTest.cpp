// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files and scenarios no one would write: through the whole program, and through the
// fuzzers' checks.
#include "FuzzChecks.h"
#include "WindowChecks.h"
#include "support/FactoryRecord.h"

#include <gtest/gtest.h>
#include <limits>

namespace hmdx::test {
namespace {

// Field offsets of the 322-byte record.
constexpr std::size_t kScaleMin = 0, kScaleMax = 40, kLoLimit = 80, kHiLimit = 120, kFactor = 160;

struct HostileFile {
    std::string name;
    Bytes bytes;
};

// The fuzzers' seed files (NaN, infinite and huge floats, zero and extreme factors, crossed
// limits, overflowing divisors and counts, odd switches and password bytes, short and long
// files), and what they lack.
std::vector<HostileFile> hostileFiles() {
    std::vector<HostileFile> files;
    for (const auto& entry : std::filesystem::directory_iterator(HMDX_FUZZ_CORPUS "/settings"))
        files.push_back({entry.path().filename().string(), ReadFile<Bytes>(entry.path())});
    const float inf = std::numeric_limits<float>::infinity();
    Bytes infinite = Record();
    for (std::size_t i = 0; i < 9; ++i)
        for (std::size_t field : {kScaleMin, kScaleMax, kLoLimit, kHiLimit, kFactor})
            Put(infinite, field + 4 * i, {field == kScaleMin || field == kLoLimit ? -inf : inf});
    // Start-up puts the Vcore limits at the CPU's 1.75 V +/- 0.2 V, below this scale.
    Bytes vcoreScale = Record();
    Put<float>(vcoreScale, kScaleMin, {3.0f});
    Bytes crossedScales = Record();
    Put<float>(crossedScales, kScaleMin, {4.1f, 4.1f, 4, 6, 14, -10, -4, 6, 4.1f});
    Put<float>(crossedScales, kScaleMax, {1, 1, 2.3f, 4, 10, -14, -6, 4, 1.5f});
    Bytes negativeBeyond = Record(); // -12V and -5V limits past their scales and registers
    Put<float>(negativeBeyond, kLoLimit + 4 * 5, {-20.0f, -9.0f});
    Put<float>(negativeBeyond, kHiLimit + 4 * 5, {9.0f, 9.0f});
    files.insert(files.end(), {
                                  {"infinite floats", infinite},
                                  {"crossed scales", crossedScales},
                                  {"Vcore scale above the CPU's voltage", vcoreScale},
                                  {"negative rails' limits beyond their scales", negativeBeyond},
                              });
    EXPECT_GT(files.size(), 13U); // the seed files were found
    return files;
}

// Switches are tested with "== 1": exactly one fault rule, and no beep with the three-fault
// rule.
std::vector<std::string> switchFaults(const SettingsModel& s) {
    std::vector<std::string> faults;
    for (int i = 0; i < kItemCount; ++i) {
        const bool one = s.warnAtOnce[i] == 1, three = s.warnAfterThree[i] == 1;
        if (one == three || (three && s.beep[i] == 1))
            faults.push_back("item " + std::to_string(i));
    }
    return faults;
}

// Start-up over the file, the window, the configuration dialog and a few ticks, then Save.
void survive(const HostileFile& file, const char* model) {
    SCOPED_TRACE(file.name);
    sim::Scenario scenario = ScenarioFor(model);
    scenario.hold = false; // readings drift: the rows are judged against moving values
    Machine machine(scenario, file.bytes);
    ASSERT_TRUE(machine.ready);
    for (const std::string& text : machine.boxes.texts())
        EXPECT_NE(text.find(machine.dataPath().string()), std::string::npos) << text;
    const std::size_t startupBoxes = machine.boxes.boxes.size();
    machine.w().load();
    for (machine.sim.now = 1; machine.sim.now <= 3; ++machine.sim.now)
        machine.tick();
    // Its Load puts hostile item switches right, as a click on each box would.
    machine.forms.loadConfig();
    EXPECT_EQ(switchFaults(machine.m().settings), std::vector<std::string>{});
    for (; machine.sim.now <= 6; ++machine.sim.now)
        machine.tick();
    Machine::settle();
    EXPECT_EQ(WindowFaults(machine), std::vector<std::string>{});
    // Saved, it loads back as it is; the bytes kept from the file are the corpus replay's to
    // check (FuzzCorpusTest).
    machine.w().saveSettings();
    EXPECT_EQ(machine.boxes.boxes.size(), startupBoxes);
    SettingsModel reloaded;
    const SettingsLoadResult result =
        SettingsFile(machine.dataPath())
            .load(reloaded, machine.m().chip.presentItems(), machine.m().chip.beepCapableItems());
    EXPECT_EQ(reloaded, machine.m().settings);
    EXPECT_EQ(result.outcome, SettingsLoadResult::Outcome::Loaded);
    EXPECT_TRUE(result.message.empty());
}

class HostileSettingsFile : public testing::TestWithParam<const char*> {};

TEST_P(HostileSettingsFile, StartsShowsSaneValuesAndSaves) {
    for (const HostileFile& file : hostileFiles())
        survive(file, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Models, HostileSettingsFile, testing::Values("hma", "hmb", "hmc", "hmdf"),
                         [](const auto& p) { return std::string(p.param); });

// The fuzzers' seed corpus, run through the same checks in the normal build, so that a seed
// that stops passing is seen without clang.
void replay(const char* corpus, std::string (*check)(const uint8_t*, std::size_t)) {
    int inputs = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(HMDX_FUZZ_CORPUS "/" + std::string(corpus))) {
        const Bytes bytes = ReadFile<Bytes>(entry.path());
        EXPECT_EQ(check(bytes.data(), bytes.size()), "") << entry.path();
        ++inputs;
    }
    EXPECT_GT(inputs, 10);
}

TEST(FuzzCorpus, SettingsFilesHoldTheirProperties) {
    replay("settings", fuzz::CheckSettingsFile);
}

TEST(FuzzCorpus, ScenariosHoldTheirProperties) {
    replay("scenario", fuzz::CheckScenario);
}

TEST(FuzzCorpus, IniFilesHoldTheirProperties) {
    replay("fan_control", fuzz::CheckFanControlFile);
    replay("desktop_conf", fuzz::CheckDesktopConf);
}

} // namespace
} // namespace hmdx::test
