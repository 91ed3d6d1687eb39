// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/FanControlSettings.h"

#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

const FanOutputSettings kCurve{.mode = FanMode::Curve,
                               .sensor = 2,
                               .points = {{30, 30}, {50, 60}, {70, 100}},
                               .hysteresis = 3,
                               .minimum = 20};

FanOutputSettings Fixed(int duty, int sensor) {
    FanOutputSettings s;
    s.mode = FanMode::Fixed;
    s.duty = duty;
    s.sensor = sensor;
    return s;
}

TEST(FanCurve, DutyIsLinearBetweenPointsFlatOutsideAndNeverBelowTheMinimum) {
    struct Case {
        int minimum;
        double celsius, percent;
    } const cases[] = {
        {20, -10, 30}, {20, 30, 30},  {20, 40, 45}, {20, 50, 60}, {20, 60, 80},
        {20, 70, 100}, {20, 90, 100}, {50, 40, 50}, {50, 55, 70}, {100, 0, 100},
    };
    for (const Case& c : cases) {
        FanOutputSettings s = kCurve;
        s.minimum = c.minimum;
        EXPECT_DOUBLE_EQ(CurveDuty(s, c.celsius), c.percent) << c.minimum << " " << c.celsius;
    }
}

TEST(FanCurve, DutyRegisterRoundsHalvesUp) {
    const std::pair<double, int> cases[] = {{0, 0},     {10, 26}, {30, 77},   {60, 153},
                                            {100, 255}, {-5, 0},  {120, 255}, {0.19, 0}};
    for (const auto& [percent, value] : cases)
        EXPECT_EQ(DutyRegister(percent), value) << percent;
}

TEST(FanCurve, ControlTemperatureFollowsRisesAndFallsOnlyByTheHysteresis) {
    ControlTemperature t;
    const std::pair<double, double> steps[] = {{40, 40},   {42, 42}, {40, 42},
                                               {39.5, 42}, {39, 39}, {39.5, 39.5}};
    for (const auto& [reading, control] : steps)
        EXPECT_EQ(t.update(reading, 3), control) << reading;
}

std::string Load(const std::string& text, int outputs, FanControlSettings& settings) {
    TempDir dir;
    WriteFile(dir.path() / "f.ini", std::vector<uint8_t>(text.begin(), text.end()));
    const FanControlFile loaded = LoadFanControl(dir.path() / "f.ini", outputs);
    settings = loaded.settings;
    const std::string prefix = (dir.path() / "f.ini").string() + ": ";
    return loaded.problem.rfind(prefix, 0) == 0 ? loaded.problem.substr(prefix.size())
                                                : loaded.problem;
}

// The example of the documentation, comments and all.
const char* const kExample = R"([output1]
mode=curve              ; full (the default: hmdx never writes the output while it runs), fixed, curve
duty=60                 ; percent, for mode=fixed
sensor=2                ; the temperature that drives it: 1, 2 or 3 (items 12, 13, 14)
points=30:30 50:60 70:100   ; °C:% pairs, 2 to 8, temperatures rising, duties not falling
hysteresis=3            ; °C, 0..20
minimum=20              ; percent, the curve's floor, 0..100
)";

TEST(FanControlFile, TakesGoodSectionsAndNamesEveryBadEntry) {
    FanOutputSettings example = kCurve;
    example.duty = 60;
    const FanOutputSettings fixed = Fixed(40, 3);
    struct Case {
        std::string text;
        int outputs;
        FanOutputSettings first, second;
        std::string problem; // "" for none
    } const cases[] = {
        {kExample, 1, example, {}, ""},
        {"[output2]\nmode=fixed\nduty=40\nsensor=3\n", 2, {}, fixed, ""},
        {"[output2]\nmode=fixed\nduty=x\n", 1, {}, {}, ""}, // no output 2 on this model
        {"[output1]\nmode=full\n[output2]\nmode=fixed\nduty=40\nsensor=3\nminimum=x\n",
         2,
         {},
         {},
         "output2/minimum is missing, out of range or malformed; that output stays at full speed."},
        {"[output1]\nmode=fast\n[output2]\nmode=fixed\nsensor=4\n",
         2,
         {},
         {},
         "output1/mode, output2/duty, output2/sensor are missing, out of range or malformed; "
         "those outputs stay at full speed."},
        {"[output1]\nmode=curve\nsensor=1\npoints=30:30 20:60\nhysteresis=21\nminimum=101\n",
         1,
         {},
         {},
         "output1/points, output1/hysteresis, output1/minimum are"},
        {"[output1]\nmode=curve\nsensor=1\npoints=30:60 40:50\nhysteresis=0\nminimum=0\n",
         1,
         {},
         {},
         "output1/points is"},
        {"[output1]\nmode=curve\nsensor=1\npoints=30:30\nhysteresis=0\nminimum=0\n",
         1,
         {},
         {},
         "output1/points is"},
        {"[output1]\nmode=curve\nsensor=1\npoints=30:30, 50:60\nhysteresis=0\nminimum=0\n",
         1,
         {},
         {},
         "output1/points is"},
        {"[output1]\nmode=fixed\nduty=101\nsensor=1\n", 1, {}, {}, "output1/duty is"},
    };
    for (const Case& c : cases) {
        FanControlSettings loaded;
        const std::string problem = Load(c.text, c.outputs, loaded);
        EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem) << c.text;
        EXPECT_EQ(problem.empty(), c.problem.empty()) << c.text;
        EXPECT_EQ(loaded.outputs[0], c.first) << c.text;
        EXPECT_EQ(loaded.outputs[1], c.second) << c.text;
    }
}

TEST(FanControlFile, AbsentIsNoFaultUnreadableLeavesAllFull) {
    TempDir dir;
    EXPECT_EQ(LoadFanControl(dir.path() / "none.ini", 2).problem, "");
    const FanControlFile folder = LoadFanControl(dir.path(), 2);
    EXPECT_NE(folder.problem.find("cannot be read"), std::string::npos);
    EXPECT_EQ(folder.settings, FanControlSettings{});
}

TEST(FanControlFile, SavedSettingsLoadAsTheyWere) {
    TempDir dir;
    FanControlSettings settings;
    settings.outputs = {kCurve, Fixed(35, 1)};
    ASSERT_EQ(SaveFanControl(dir.path() / "f.ini", settings, 2), std::nullopt);
    EXPECT_EQ(LoadFanControl(dir.path() / "f.ini", 2).settings, settings);
    settings.outputs[0].points.pop_back();
    settings.outputs[0].points.pop_back();
    EXPECT_NE(SaveFanControl(dir.path() / "f.ini", settings, 2), std::nullopt);
}

} // namespace
} // namespace hmdx::test
