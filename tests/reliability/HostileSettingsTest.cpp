#include "WindowChecks.h"
#include "support/FactoryRecord.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace hmdx::test {
namespace {

// Field offsets of the 322-byte record (the temperature high limits follow the low ones).
constexpr std::size_t kScaleMin = 0, kScaleMax = 40, kLoLimit = 80, kHiLimit = 120;
constexpr std::size_t kFactor = 160, kFanDivisor = 200, kFanCount = 208;
constexpr std::size_t kTempLo = 216, kPassword = 248, kSwitches = 256;
constexpr std::size_t kVcoreFromVid = 320;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

template <typename T> void Fill(Bytes& bytes, std::size_t offset, std::size_t count, T value) {
    for (std::size_t i = 0; i < count; ++i)
        Put(bytes, offset + i * sizeof(T), {value});
}

Bytes randomBytes(std::size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (uint8_t& b : bytes)
        b = uint8_t(random());
    return bytes;
}

template <typename T> Bytes patched(std::size_t offset, std::initializer_list<T> values) {
    Bytes bytes = Record();
    Put(bytes, offset, values);
    return bytes;
}

struct HostileFile {
    const char* name;
    Bytes bytes;
};

std::vector<HostileFile> hostileFiles() {
    const Bytes factory = Record();
    Bytes nan = factory;
    for (std::size_t field : {kScaleMin, kScaleMax, kLoLimit, kHiLimit, kFactor}) {
        Fill(nan, field, 9, kNaN);
        Put(nan, field + 4, {-kNaN});
    }
    Fill(nan, kTempLo, 8, kNaN);
    Bytes inf = factory;
    Fill(inf, kScaleMin, 9, -kInf);
    Fill(inf, kScaleMax, 9, kInf);
    Fill(inf, kFactor, 9, kInf);
    Put<float>(inf, kTempLo, {-kInf, kInf, -kInf, kInf, kInf, -kInf, kInf, -kInf});
    Bytes huge = factory;
    Fill(huge, kScaleMin, 7, -1e30f);
    Fill(huge, kScaleMax, 8, 1e30f);
    Fill(huge, kLoLimit, 7, -1e30f);
    Fill(huge, kHiLimit, 8, 1e30f);
    Fill(huge, kFactor, 7, 1e-30f);
    Put<float>(huge, kTempLo, {-1e30f, -1e30f, -1e30f, 0, 1e30f, 1e30f, 1e30f});
    // Low limits above high limits (all within the scales), and scales upside down.
    Bytes crossedLimits = factory;
    Put<float>(crossedLimits, kLoLimit, {3.8f, 3.7f, 3.7f, 5.4f, 12.8f, -11.2f, -4.6f, 5.4f, 3.4f});
    Put<float>(crossedLimits, kHiLimit, {1.3f, 3.2f, 3.2f, 4.6f, 11.2f, -12.8f, -5.4f, 4.6f, 2.6f});
    Put<float>(crossedLimits, kTempLo, {90, 90, 90, 0, 20, 20, 20});
    Bytes crossedScales = factory;
    Put<float>(crossedScales, kScaleMin, {4.1f, 4.1f, 4, 6, 14, -10, -4, 6, 4.1f});
    Put<float>(crossedScales, kScaleMax, {1, 1, 2.3f, 4, 10, -14, -6, 4, 1.5f});
    Bytes switches = factory;
    Put<uint8_t>(switches, kSwitches, {2, 255, 2, 255, 2, 255, 2, 255, 2, 255, 2, 255, 2});
    Put<uint8_t>(switches, kSwitches + 16, {255, 2, 255, 2, 255, 2, 255, 2, 255, 2, 255});
    Put<uint8_t>(switches, kSwitches + 32, {2, 2, 2, 2, 255, 255, 255, 255, 2, 2, 255});
    Put<uint8_t>(switches, kSwitches + 48, {255, 2, 255, 2, 255, 2, 255, 2, 255, 2});
    Put<int16_t>(switches, kVcoreFromVid, {2});
    return {
        {"empty", {}},
        {"one byte", {0x42}},
        {"321 bytes", Bytes(factory.begin(), factory.end() - 1)},
        {"322 random bytes", randomBytes(322, 20261206)},
        {"4 KiB random", randomBytes(4096, 4096)},
        {"NaN floats", nan},
        {"infinite floats", inf},
        {"zero and negative factors", patched<float>(kFactor, {0, -0.0f, -0.016f, -1e30f, -1})},
        {"huge scales, tiny factors", huge},
        {"extreme factors", patched<float>(kFactor, {FLT_MAX, FLT_TRUE_MIN, 1e30f, FLT_MAX})},
        {"crossed limits", crossedLimits},
        {"crossed scales", crossedScales},
        // Start-up puts the Vcore limits at the CPU's 1.75 V +/- 0.2 V, below this scale.
        {"Vcore scale above the CPU's voltage", patched<float>(kScaleMin, {3.0f})},
        {"count limits 0 and beyond", patched<int16_t>(kFanCount, {0, -32768, 32767})},
        {"divisors overflowing the speed", patched<int16_t>(kFanDivisor, {129, 32767, -5})},
        {"item switches 2 and 255", switches},
        {"password 0x00 and 0xFF", patched<uint8_t>(kPassword, {0, 0xFF, 0, 0xFF, 0, 0, 0xFF, 0})},
    };
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
            .load(reloaded, machine.m.ItemPresent, machine.m.ItemBeepCapable);
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
