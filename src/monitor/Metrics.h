// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace hmdx {

// One monitored item as the metrics file shows it.
struct MetricsItem {
    int index = 0;       // 0..15
    std::string caption; // "+5V", "CPU FAN", "System", "Case open"
    enum class Kind { Voltage, Fan, Temperature, CaseOpen } kind{};
    bool present = false; // the chip model has the input; absent items are left out entirely
    bool monitored = false;
    bool alarm = false;           // out of range at the last reading
    bool hasReading = false;      // false until the first reading: no reading sample is written
    double value = 0;             // volts, RPM, degrees Celsius, or 0/1 for the case
    double low = NAN, high = NAN; // limits in the same unit; NaN when the item has none
    uint64_t warningsRaised = 0;
};

// A PWM output hmdx controls.
struct MetricsFanOutput {
    int output = 1;        // 1-based
    double dutyRatio = 1;  // the value written, 0..1
    bool failsafe = false; // held at full speed because control cannot be trusted
};

struct MetricsSnapshot {
    std::string model; // "HMB"
    uint8_t chipId = 0;
    std::array<MetricsItem, 16> items{};
    uint64_t reprogrammings = 0;
    std::vector<MetricsFanOutput> fanOutputs; // controlled outputs only
};

// The snapshot in the Prometheus text format (0.0.4) that node_exporter's textfile collector
// reads: every family once with its HELP and TYPE, families without samples left out.
std::string FormatMetrics(const MetricsSnapshot& s);

// Replaces the file at `path` in one step (a temporary file in the same folder, then rename),
// so a reader never sees it half written. The folder must exist. A message naming the file
// and the reason, or nullopt.
std::optional<std::string> WriteMetricsFile(const std::filesystem::path& path,
                                            const std::string& text);

} // namespace hmdx
