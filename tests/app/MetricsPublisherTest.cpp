// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/MetricsPublisher.h"

#include "support/ReadFile.h"
#include "support/WindowRig.h"
#include "ui/main/FanRows.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/VoltageRows.h"

#include <QLabel>
#include <QLocale>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// The metrics carry what the window shows, item by item, and follow its alarms and counters.
TEST(MetricsPublisher, ValuesAreWhatTheWindowShows) {
    QLocale::setDefault(QLocale::c());
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.writes.push_back({0, 0, 0x23, 250}); // +5V at 6.72 V, above its limit
    WindowRig rig(scenario);
    rig.m().settings.monitored[kCaseOpenItem] = 1;
    rig.w().load();
    const std::filesystem::path file = rig.data.path() / "hmdx.prom";
    MetricsPublisher metrics(rig.w().monitor(), file, 15);

    metrics.publish();
    std::string text = ReadFile(file);
    EXPECT_NE(text.find("hmdx_info{model=\"HMB\",chip_id=\"0x30\"} 1\n"), std::string::npos);
    EXPECT_EQ(text.find("hmdx_voltage_volts{"), std::string::npos) << "nothing read yet";

    for (int tick = 0; tick < 3; ++tick)
        rig.tick();
    metrics.publish();
    text = ReadFile(file);
    const auto& volts = rig.w().voltageRows().row[3];
    const auto& fan = rig.w().fanRows().row[0];
    const auto& temp = rig.w().temperatureRows().row[1];
    const auto number = [](const QLabel* label) {
        return QLocale::c().toDouble(label->text().remove(','));
    };
    const std::pair<std::string, double> expected[] = {
        {R"(hmdx_voltage_volts{item="3",caption="+5V"})", number(volts.readingLabel)},
        {R"(hmdx_voltage_low_volts{item="3",caption="+5V"})", number(volts.lowLabel)},
        {R"(hmdx_voltage_high_volts{item="3",caption="+5V"})", number(volts.highLabel)},
        {R"(hmdx_fan_rpm{item="9",caption="CPU FAN"})", number(fan.readingLabel)},
        {R"(hmdx_fan_low_rpm{item="9",caption="CPU FAN"})", number(fan.lowLabel)},
        {R"(hmdx_temperature_celsius{item="13",caption="CPU"})", number(temp.readingLabel)},
        {R"(hmdx_temperature_high_celsius{item="13",caption="CPU"})", number(temp.highLabel)},
        {R"(hmdx_item_alarm{item="3",caption="+5V"})", 1},
        {R"(hmdx_item_alarm{item="4",caption="+12V"})", 0},
        {R"(hmdx_warnings_raised_total{item="3",caption="+5V"})", 1},
        {R"(hmdx_case_open{item="15",caption="Case open"})", 0},
    };
    for (const auto& [sample, value] : expected) {
        const size_t at = text.find(sample + " ");
        ASSERT_NE(at, std::string::npos) << sample << "\n" << text;
        EXPECT_DOUBLE_EQ(std::stod(text.substr(at + sample.size() + 1)), value) << sample;
    }
}

// A write that fails is told once, monitoring goes on, and the next interval tries again.
TEST(MetricsPublisher, FailedWritesAreLoggedOnceAndRetried) {
    WindowRig rig(ScenarioFor("hmb"));
    rig.w().load();
    const std::filesystem::path folder = rig.data.path() / "textfile";
    std::filesystem::create_directory(folder);
    MetricsPublisher metrics(rig.w().monitor(), folder / "hmdx.prom", 15);
    std::filesystem::remove(folder);
    const auto failures = [&rig] {
        int n = 0;
        for (const Event& e : rig.m().events.events())
            n += e.kind == EventKind::MetricsWriteFailed;
        return n;
    };
    metrics.publish();
    metrics.publish();
    EXPECT_EQ(failures(), 1);
    std::filesystem::create_directory(folder);
    metrics.publish();
    EXPECT_TRUE(std::filesystem::exists(folder / "hmdx.prom"));
    std::filesystem::remove_all(folder);
    metrics.publish();
    EXPECT_EQ(failures(), 2);
}

} // namespace
} // namespace hmdx::test
