#include "WindowChecks.h"
#include "support/FactoryRecord.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <limits>

namespace hmdx::test {
namespace {

// Field offsets of the 322-byte record.
constexpr std::size_t kScaleMin = 0, kScaleMax = 40, kLoLimit = 80, kHiLimit = 120;
constexpr std::size_t kFactor = 160, kFanCount = 208;

template <typename T> Bytes patched(std::size_t offset, std::initializer_list<T> values) {
    Bytes bytes = Record();
    Put(bytes, offset, values);
    return bytes;
}

struct HostileFile {
    std::string name;
    Bytes bytes;
};

// The fuzzers' seed files (NaN, infinite and huge floats, zero factors, crossed limits,
// overflowing divisors and counts, odd switches and password bytes, short and long files),
// and what they lack.
std::vector<HostileFile> hostileFiles() {
    std::vector<HostileFile> files;
    for (const auto& entry : std::filesystem::directory_iterator(HMDX_FUZZ_CORPUS "/settings"))
        files.push_back({entry.path().filename().string(), ReadBytes(entry.path())});
    const float inf = std::numeric_limits<float>::infinity();
    Bytes infinite = Record();
    for (std::size_t i = 0; i < 9; ++i)
        for (std::size_t field : {kScaleMin, kScaleMax, kLoLimit, kHiLimit, kFactor})
            Put(infinite, field + 4 * i, {field == kScaleMin || field == kLoLimit ? -inf : inf});
    Bytes crossedScales = Record();
    Put<float>(crossedScales, kScaleMin, {4.1f, 4.1f, 4, 6, 14, -10, -4, 6, 4.1f});
    Put<float>(crossedScales, kScaleMax, {1, 1, 2.3f, 4, 10, -14, -6, 4, 1.5f});
    files.insert(
        files.end(),
        {
            {"infinite floats", infinite},
            {"extreme factors",
             patched<float>(kFactor, {FLT_MAX, FLT_TRUE_MIN, 1e30f, FLT_MAX, 1e-30f})},
            {"crossed scales", crossedScales},
            // Start-up puts the Vcore limits at the CPU's 1.75 V +/- 0.2 V, below this scale.
            {"Vcore scale above the CPU's voltage", patched<float>(kScaleMin, {3.0f})},
            {"count limits 0 and beyond", patched<int16_t>(kFanCount, {0, -32768, 32767})},
        });
    EXPECT_GT(files.size(), 15U); // the seed files were found
    return files;
}

// Switches are tested with "== 1": exactly one fault rule, and no beep with the three-fault
// rule.
std::vector<std::string> switchFaults(const SettingsModel& s) {
    std::vector<std::string> faults;
    for (int i = 0; i < kItemCount; ++i) {
        const bool one = s.ItemWarnOpt1[i] == 1, three = s.ItemWarnOpt3[i] == 1;
        if (one == three || (three && s.ItemBeep[i] == 1))
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
    for (machine.now = 1; machine.now <= 3; ++machine.now)
        machine.w().pollOnce();
    // Its Load puts hostile item switches right, as a click on each box would.
    machine.forms.loadConfig();
    EXPECT_EQ(switchFaults(machine.m.settings), std::vector<std::string>{});
    for (; machine.now <= 6; ++machine.now)
        machine.w().pollOnce();
    Machine::settle();
    EXPECT_EQ(WindowFaults(machine), std::vector<std::string>{});
    machine.w().saveSettings();
    EXPECT_EQ(machine.boxes.boxes.size(), startupBoxes);
    SettingsModel reloaded;
    const SettingsLoadResult result =
        SettingsFile(machine.dataPath())
            .load(reloaded, machine.m.chip.presentItems(), machine.m.chip.beepCapableItems());
    EXPECT_EQ(reloaded, machine.m.settings);
    EXPECT_EQ(result.outcome, SettingsLoadResult::Outcome::Loaded);
    EXPECT_EQ(result.message, "");
    const Bytes saved = ReadBytes(machine.dataPath());
    ASSERT_EQ(saved.size(), std::max(kSettingsRecordSize, file.bytes.size()));
    // Whatever the file held past the record is kept.
    if (file.bytes.size() > kSettingsRecordSize) {
        EXPECT_TRUE(std::equal(saved.begin() + kSettingsRecordSize, saved.end(),
                               file.bytes.begin() + kSettingsRecordSize));
    }
}

class HostileSettingsFile : public testing::TestWithParam<const char*> {};

TEST_P(HostileSettingsFile, StartsShowsSaneValuesAndSaves) {
    for (const HostileFile& file : hostileFiles())
        survive(file, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Models, HostileSettingsFile, testing::Values("hma", "hmb", "hmc", "hmdf"),
                         [](const auto& p) { return std::string(p.param); });

} // namespace
} // namespace hmdx::test
