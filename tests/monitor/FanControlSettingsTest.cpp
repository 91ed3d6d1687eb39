// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/FanControlSettings.h"

#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace hmdx::test {
namespace {

using namespace std::string_literals;

const FanOutputSettings kCurve{.mode = FanMode::Curve,
                               .duty = 60,
                               .sensor = 2,
                               .points = {{30, 30}, {50, 60}, {70, 100}},
                               .hysteresis = 3,
                               .minimum = 20};

TEST(FanCurve, DutyIsLinearBetweenPointsFlatOutsideAndNeverBelowTheMinimum) {
    const std::tuple<int, double, double> cases[] = {
        {20, -10, 30}, {20, 30, 30},  {20, 40, 45}, {20, 50, 60}, {20, 60, 80},
        {20, 70, 100}, {20, 90, 100}, {50, 40, 50}, {50, 55, 70}, {100, 0, 100},
    };
    for (const auto& [minimum, celsius, percent] : cases) {
        FanOutputSettings s = kCurve;
        s.minimum = minimum;
        EXPECT_DOUBLE_EQ(CurveDuty(s, celsius), percent) << minimum << " " << celsius;
    }
}

TEST(FanCurve, DutyRegisterRoundsHalvesUpAndTheControlTemperatureHasHysteresis) {
    const std::pair<double, int> registers[] = {{0, 0},     {10, 26}, {30, 77},   {60, 153},
                                                {100, 255}, {-5, 0},  {120, 255}, {0.19, 0}};
    for (const auto& [percent, value] : registers)
        EXPECT_EQ(DutyRegister(percent), value) << percent;
    ControlTemperature t;
    const std::pair<double, double> steps[] = {{40, 40},   {42, 42}, {40, 42},
                                               {39.5, 42}, {39, 39}, {39.5, 39.5}};
    for (const auto& [reading, control] : steps)
        EXPECT_EQ(t.update(reading, 3), control) << reading;
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
    FanOutputSettings fixed;
    fixed.mode = FanMode::Fixed;
    fixed.duty = 40;
    fixed.sensor = 3;
    const std::string curve = "[output1]\nmode=curve\nsensor=1\nhysteresis=0\nminimum=0\n";
    const std::string fixedDuty = "[output1]\nmode=fixed\nsensor=1\nduty=";
    const std::string variant = R"(@Variant(\0\0\0\x0b\xff\xff\xff\xf0))";
    struct Case {
        std::string text;
        int outputs;
        FanOutputSettings first, second;
        std::string problem; // after the file's name; "" for none
    } const cases[] = {
        {kExample, 1, kCurve, {}, ""},
        {"[output2]\nmode=fixed\nduty=40\nsensor=3\n", 2, {}, fixed, ""},
        {"[output2]\nmode=fixed\nduty=x\n", 1, {}, {}, ""}, // no output 2 on this model
        {"[output1]\nmode=full\n[output2]\nmode=fixed\nduty=40\nsensor=3\nminimum=x\n",
         2,
         {},
         {},
         ": output2/minimum is missing, out of range or malformed; that output stays at full "
         "speed."},
        {"[output1]\nmode=fast\n[output2]\nmode=fixed\nsensor=4\n",
         2,
         {},
         {},
         ": output1/mode, output2/duty, output2/sensor are missing, out of range or malformed; "
         "those outputs stay at full speed."},
        {"[output1]\nmode=curve\npoints=30:30 20:60\nhysteresis=21\nminimum=101\n",
         1,
         {},
         {},
         ": output1/sensor, output1/points, output1/hysteresis, output1/minimum are"},
        {curve + "points=30:60 40:50\n", 1, {}, {}, ": output1/points is"},
        {curve + "points=30:30, 50:60\n", 1, {}, {}, ": output1/points is"},
        {"[output1]\nmode=fixed\nduty=101\nsensor=1\n", 1, {}, {}, ": output1/duty is"},
        // Values are text: no types behind @Variant, nothing after a NUL dropped unseen.
        {fixedDuty + variant + "\n", 1, {}, {}, ": output1/duty is"},
        {fixedDuty + "6\0"s + "0\n", 1, {}, {}, ": output1/duty is"},
        {"[output2] ; case fan\r\nmode=fixed\r\nduty=40\r\nsensor=3\r\n", 2, {}, fixed, ""},
        {"[output1\nmode=fixed\n", 1, {}, {}, " cannot be read (line 1 is neither"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "f.ini", std::vector<uint8_t>(c.text.begin(), c.text.end()));
        const FanControlFile loaded = LoadFanControl(dir / "f.ini", c.outputs);
        const std::string named = c.problem.empty() ? "" : (dir / "f.ini").string() + c.problem;
        EXPECT_EQ(loaded.problem.substr(0, named.size()), named) << c.text;
        EXPECT_EQ(loaded.problem.empty(), named.empty()) << c.text;
        EXPECT_EQ(loaded.settings.outputs[0], c.first) << c.text;
        EXPECT_EQ(loaded.settings.outputs[1], c.second) << c.text;
    }
}

TEST(FanControlFile, AbsentIsNoFaultUnreadableLeavesAllFullSavedLoadsAsItWas) {
    TempDir dir;
    EXPECT_EQ(LoadFanControl(dir / "none.ini", 2).problem, "");
    const FanControlFile folder = LoadFanControl(dir.path(), 2);
    EXPECT_NE(folder.problem.find("cannot be read"), std::string::npos);
    EXPECT_EQ(folder.settings, FanControlSettings{});
    FanControlSettings settings;
    settings.outputs = {kCurve, kCurve};
    settings.outputs[1].mode = FanMode::Fixed;
    ASSERT_EQ(SaveFanControl(dir / "f.ini", settings, 2), std::nullopt);
    EXPECT_EQ(LoadFanControl(dir / "f.ini", 2).settings, settings);
    settings.outputs[0].points.resize(1);
    EXPECT_NE(SaveFanControl(dir / "f.ini", settings, 2), std::nullopt);
}

// What is not a regular file is neither waited on nor replaced; a big one is not read.
TEST(FanControlFile, OnlyARegularFileIsReadOrReplaced) {
    const std::pair<void (*)(const std::filesystem::path&), const char*> cases[] = {
        {[](const std::filesystem::path& f) { ::mkfifo(f.c_str(), 0600); }, "not a regular file"},
        {[](const std::filesystem::path& f) { std::filesystem::create_directory(f); }, "a folder"},
        {[](const std::filesystem::path& f) { WriteFile(f, std::vector<uint8_t>(1100000, ';')); },
         "larger than 1 MiB"},
    };
    for (const auto& [make, why] : cases) {
        TempDir dir;
        make(dir / "f.ini");
        const auto type = std::filesystem::symlink_status(dir / "f.ini").type();
        const FanControlFile loaded = LoadFanControl(dir / "f.ini", 2);
        EXPECT_NE(loaded.problem.find(why), std::string::npos) << loaded.problem;
        EXPECT_EQ(loaded.settings, FanControlSettings{});
        const auto saved = SaveFanControl(dir / "f.ini", {.outputs = {kCurve, {}}}, 2);
        EXPECT_NE(saved.value_or("").find(why), std::string::npos) << why;
        EXPECT_EQ(std::filesystem::symlink_status(dir / "f.ini").type(), type) << why;
    }
}

// A save writes only the output that changed, in place: a section it could not read stays
// word for word until that output is changed too; comments stay either way.
TEST(FanControlFile, ASaveRewritesOnlyTheChangedOutputInPlace) {
    TempDir dir;
    const std::string output2 = "[output2]\n; tuned by hand\nmode=curve\nsensor=2\n"
                                "points=25:20 40:35 55:70 65:100\nhysteresis=2\nminimum=150\n";
    std::ofstream(dir / "f.ini") << "[output1] ; CPU fan\nmode=fixed   ; for now\nduty=40\n"
                                    "sensor=1\n\n"
                                 << output2;
    FanControlSettings settings = LoadFanControl(dir / "f.ini", 2).settings;
    settings.outputs[0].duty = 70;
    ASSERT_EQ(SaveFanControl(dir / "f.ini", settings, 2), std::nullopt);
    EXPECT_EQ(ReadFile(dir / "f.ini"), "[output1] ; CPU fan\nmode=fixed   ; for now\nduty=70\n"
                                       "sensor=1\nhysteresis=0\nminimum=0\n\n" +
                                           output2);
    settings.outputs[1] = kCurve;
    ASSERT_EQ(SaveFanControl(dir / "f.ini", settings, 2), std::nullopt);
    EXPECT_EQ(LoadFanControl(dir / "f.ini", 2).settings, settings);
    EXPECT_NE(ReadFile(dir / "f.ini").find("[output2]\n; tuned by hand\nmode=curve\nsensor=2\n"),
              std::string::npos);
}

// A linked file is replaced where the link leads, keeping its mode: the link stays.
TEST(FanControlFile, ASaveThroughALinkReplacesItsTarget) {
    TempDir dir;
    std::filesystem::create_directory(dir / "dotfiles");
    std::ofstream(dir / "dotfiles/fans.ini") << "; mine\n";
    ::chmod((dir / "dotfiles/fans.ini").c_str(), 0600);
    std::filesystem::create_symlink("dotfiles/fans.ini", dir / "f.ini");
    ASSERT_EQ(SaveFanControl(dir / "f.ini", {.outputs = {kCurve, {}}}, 1), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "f.ini"));
    EXPECT_EQ(LoadFanControl(dir / "dotfiles/fans.ini", 1).settings.outputs[0], kCurve);
    EXPECT_EQ(std::filesystem::status(dir / "f.ini").permissions(), std::filesystem::perms(0600));
}

// The data folder serves every model: a one-output save keeps the comments before the first
// section and output 2 word for word, however often it is made.
TEST(FanControlFile, ASaveKeepsWhatIsNotItsOwn) {
    TempDir dir;
    const std::string others = "; my fans\n[output1]\nmode=bogus\n\n[output2]\nmode=fixed ; hmc\n"
                               "duty=40\nsensor=3\n";
    WriteFile(dir / "f.ini", std::vector<uint8_t>(others.begin(), others.end()));
    for (int save = 0; save < 2; ++save)
        ASSERT_EQ(SaveFanControl(dir / "f.ini", {.outputs = {kCurve, {}}}, 1), std::nullopt);
    const std::string text = ReadFile(dir / "f.ini");
    EXPECT_EQ(text.rfind("; my fans\n[output1]\nmode=curve\n", 0), 0U) << text;
    EXPECT_NE(text.find("\n\n[output2]\nmode=fixed ; hmc\nduty=40\nsensor=3\n"), std::string::npos);
    EXPECT_EQ(LoadFanControl(dir / "f.ini", 2).settings.outputs[1].duty, 40);
}

} // namespace
} // namespace hmdx::test
