// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/Metrics.h"

#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <vector>

namespace hmdx::test {
namespace {

using Kind = MetricsItem::Kind;

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Item order of the fields: index, caption, kind, present, monitored, alarm, hasReading,
// value, low, high, warningsRaised.
MetricsSnapshot SmallSnapshot() {
    // The counters need every digit: beyond what a double holds.
    const uint64_t most = std::numeric_limits<uint64_t>::max();
    const uint64_t odd = (uint64_t{1} << 53) + 1;
    MetricsSnapshot s{.model = "HMB",
                      .chipId = 0x30,
                      .reprogrammings = most,
                      .fanOutputs = {{1, 0.6, false}, {2, 1, true}}};
    s.items[3] = {3, "+5V", Kind::Voltage, true, true, false, true, 5.05, 4.75, 5.25, odd};
    // No upper limit: its family is left out.
    s.items[9] = {9, "a\\b \"c\"\nd", Kind::Fan, true, true, false, true, 3375, 2000, NAN, 0};
    // Not read yet: no reading sample.
    s.items[12] = {12, "System", Kind::Temperature, true, false, false, false, 0, NAN, 60, 0};
    // The case has no limits whatever the snapshot says.
    s.items[15] = {15, "Case open", Kind::CaseOpen, true, true, true, true, 1, NAN, 1, 1};
    s.items[0] = {0, "Vcore", Kind::Voltage, false, true, false, true, 1.5, NAN, NAN, 0};
    return s;
}

TEST(FormatMetrics, WritesEachFamilyOnceAndLeavesOutWhatIsNotThere) {
    EXPECT_EQ(FormatMetrics(SmallSnapshot()),
              R"(# HELP hmdx_info The monitoring chip hmdx watches.
# TYPE hmdx_info gauge
hmdx_info{model="HMB",chip_id="0x30"} 1
# HELP hmdx_voltage_volts Supply voltage at the last reading.
# TYPE hmdx_voltage_volts gauge
hmdx_voltage_volts{item="3",caption="+5V"} 5.05
# HELP hmdx_voltage_low_volts Lower limit of the supply voltage.
# TYPE hmdx_voltage_low_volts gauge
hmdx_voltage_low_volts{item="3",caption="+5V"} 4.75
# HELP hmdx_voltage_high_volts Upper limit of the supply voltage.
# TYPE hmdx_voltage_high_volts gauge
hmdx_voltage_high_volts{item="3",caption="+5V"} 5.25
# HELP hmdx_fan_rpm Fan speed at the last reading, in revolutions per minute.
# TYPE hmdx_fan_rpm gauge
hmdx_fan_rpm{item="9",caption="a\\b \"c\"\nd"} 3375
# HELP hmdx_fan_low_rpm Lowest fan speed allowed, in revolutions per minute.
# TYPE hmdx_fan_low_rpm gauge
hmdx_fan_low_rpm{item="9",caption="a\\b \"c\"\nd"} 2000
# HELP hmdx_temperature_high_celsius Upper temperature limit.
# TYPE hmdx_temperature_high_celsius gauge
hmdx_temperature_high_celsius{item="12",caption="System"} 60
# HELP hmdx_case_open 1 when the case switch reported the case open at the last reading.
# TYPE hmdx_case_open gauge
hmdx_case_open{item="15",caption="Case open"} 1
# HELP hmdx_item_monitored 1 when hmdx watches the item's limits.
# TYPE hmdx_item_monitored gauge
hmdx_item_monitored{item="3",caption="+5V"} 1
hmdx_item_monitored{item="9",caption="a\\b \"c\"\nd"} 1
hmdx_item_monitored{item="12",caption="System"} 0
hmdx_item_monitored{item="15",caption="Case open"} 1
# HELP hmdx_item_alarm 1 when the item was out of range at the last reading.
# TYPE hmdx_item_alarm gauge
hmdx_item_alarm{item="3",caption="+5V"} 0
hmdx_item_alarm{item="9",caption="a\\b \"c\"\nd"} 0
hmdx_item_alarm{item="12",caption="System"} 0
hmdx_item_alarm{item="15",caption="Case open"} 1
# HELP hmdx_warnings_raised_total Warnings raised for the item since hmdx started.
# TYPE hmdx_warnings_raised_total counter
hmdx_warnings_raised_total{item="3",caption="+5V"} 9007199254740993
hmdx_warnings_raised_total{item="9",caption="a\\b \"c\"\nd"} 0
hmdx_warnings_raised_total{item="12",caption="System"} 0
hmdx_warnings_raised_total{item="15",caption="Case open"} 1
# HELP hmdx_fan_duty_ratio Duty written to the controlled fan output, 0 to 1.
# TYPE hmdx_fan_duty_ratio gauge
hmdx_fan_duty_ratio{output="1"} 0.6
hmdx_fan_duty_ratio{output="2"} 1
# HELP hmdx_fan_failsafe 1 while the controlled fan output is held at full speed because control cannot be trusted.
# TYPE hmdx_fan_failsafe gauge
hmdx_fan_failsafe{output="1"} 0
hmdx_fan_failsafe{output="2"} 1
# HELP hmdx_chip_reprogrammings_total Times hmdx found the chip's settings lost and wrote them again.
# TYPE hmdx_chip_reprogrammings_total counter
hmdx_chip_reprogrammings_total 18446744073709551615
)");
}

// The sample line of item 3's reading, value only.
std::string VoltageSample(const MetricsSnapshot& s) {
    const std::string text = FormatMetrics(s);
    const std::string key = "hmdx_voltage_volts{item=\"3\",caption=\"+5V\"} ";
    const auto at = text.find(key);
    if (at == std::string::npos)
        return "(missing)";
    const auto start = at + key.size();
    return text.substr(start, text.find('\n', start) - start);
}

TEST(FormatMetrics, NumbersReadBackExactly) {
    auto s = SmallSnapshot();
    for (const double v : {0.1, 1.0 / 3, -12.34, 1e-7, 5e20, 12.0, -0.0, 3.3000000000000003}) {
        s.items[3].value = v;
        const std::string text = VoltageSample(s);
        char* end = nullptr;
        const double back = std::strtod(text.c_str(), &end);
        EXPECT_EQ(*end, '\0') << text;
        EXPECT_EQ(back, v) << text;
    }
    for (const auto& [value, text] :
         {std::pair{double(NAN), "NaN"}, {INFINITY, "+Inf"}, {-INFINITY, "-Inf"}}) {
        s.items[3].value = value;
        EXPECT_EQ(VoltageSample(s), text);
    }
}

TEST(WriteMetricsFile, FailureNamesTheFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    std::filesystem::create_directories(dir / "taken" / "inside");
    struct Case {
        std::filesystem::path path;
        const char* reason;
    };
    for (const Case& c : {
             Case{dir / "missing" / "hmdx.prom", "No such file or directory"},
             Case{dir / "taken", "Is a directory"}, // fails at the rename, after the write
         }) {
        const auto error = WriteMetricsFile(c.path, "text\n");
        ASSERT_TRUE(error);
        EXPECT_EQ(*error, "Cannot write the metrics file " + c.path.string() + ": " + c.reason);
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"taken"});
    }
}

// The file is replaced as a whole, as the settings file is (its test kills saves halfway), and
// is readable by the exporter however strict the writer's umask.
TEST(WriteMetricsFile, ReplacesTheFileReadableByAll) {
    TempDir dir;
    const auto path = dir / "hmdx.prom";
    const mode_t oldMask = ::umask(077);
    const auto first = WriteMetricsFile(path, "first\n");
    const auto second = WriteMetricsFile(path, "second\n");
    ::umask(oldMask);
    EXPECT_FALSE(first || second);
    EXPECT_EQ(ReadFile(path), "second\n");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0644));
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"hmdx.prom"});
}

} // namespace
} // namespace hmdx::test
