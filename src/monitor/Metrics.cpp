// SPDX-License-Identifier: GPL-3.0-or-later
#include "Metrics.h"

#include "platform/AtomicFile.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

namespace hmdx {
namespace {

using Kind = MetricsItem::Kind;

enum class Field { Reading, Low, High, Monitored, Alarm, WarningsRaised };

struct Family {
    std::string_view name;
    std::string_view help;
    std::string_view type;
    std::optional<Kind> kind; // the items it has samples for; nullopt for every item
    Field field;
};

constexpr Family kItemFamilies[] = {
    {"hmdx_voltage_volts", "Supply voltage at the last reading.", "gauge", Kind::Voltage,
     Field::Reading},
    {"hmdx_voltage_low_volts", "Lower limit of the supply voltage.", "gauge", Kind::Voltage,
     Field::Low},
    {"hmdx_voltage_high_volts", "Upper limit of the supply voltage.", "gauge", Kind::Voltage,
     Field::High},
    {"hmdx_fan_rpm", "Fan speed at the last reading, in revolutions per minute.", "gauge",
     Kind::Fan, Field::Reading},
    {"hmdx_fan_low_rpm", "Lowest fan speed allowed, in revolutions per minute.", "gauge", Kind::Fan,
     Field::Low},
    {"hmdx_fan_high_rpm", "Highest fan speed allowed, in revolutions per minute.", "gauge",
     Kind::Fan, Field::High},
    {"hmdx_temperature_celsius", "Temperature at the last reading.", "gauge", Kind::Temperature,
     Field::Reading},
    {"hmdx_temperature_low_celsius", "Lower temperature limit.", "gauge", Kind::Temperature,
     Field::Low},
    {"hmdx_temperature_high_celsius", "Upper temperature limit.", "gauge", Kind::Temperature,
     Field::High},
    {"hmdx_case_open", "1 when the case switch reported the case open at the last reading.",
     "gauge", Kind::CaseOpen, Field::Reading},
    {"hmdx_item_monitored", "1 when hmdx watches the item's limits.", "gauge", std::nullopt,
     Field::Monitored},
    {"hmdx_item_alarm", "1 when the item was out of range at the last reading.", "gauge",
     std::nullopt, Field::Alarm},
    {"hmdx_warnings_raised_total", "Warnings raised for the item since hmdx started.", "counter",
     std::nullopt, Field::WarningsRaised},
};

// The case switch has no limits; a stray value in the snapshot must not make up a family.
std::optional<double> Sample(const MetricsItem& item, Field field) {
    const auto limit = [&](double v) -> std::optional<double> {
        if (item.kind == Kind::CaseOpen || std::isnan(v))
            return std::nullopt;
        return v;
    };
    switch (field) {
    case Field::Reading:
        return item.hasReading ? std::optional<double>(item.value) : std::nullopt;
    case Field::Low:
        return limit(item.low);
    case Field::High:
        return limit(item.high);
    case Field::Monitored:
        return item.monitored ? 1 : 0;
    case Field::Alarm:
        return item.alarm ? 1 : 0;
    case Field::WarningsRaised:
        return static_cast<double>(item.warningsRaised);
    }
    return std::nullopt;
}

// Shortest text that reads back as the same double; Prometheus spells the specials its own way.
void AppendNumber(std::string& out, double v) {
    if (std::isnan(v)) {
        out += "NaN";
        return;
    }
    if (std::isinf(v)) {
        out += v > 0 ? "+Inf" : "-Inf";
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    out.append(buffer, result.ptr);
}

// Counters above 2^53 would lose digits as doubles.
void AppendCount(std::string& out, uint64_t n) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    out.append(buffer, result.ptr);
}

void AppendLabel(std::string& out, std::string_view name, std::string_view value) {
    out += name;
    out += "=\"";
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    out += '"';
}

void AppendHeader(std::string& out, std::string_view name, std::string_view help,
                  std::string_view type) {
    out.append("# HELP ").append(name).append(" ").append(help).append("\n");
    out.append("# TYPE ").append(name).append(" ").append(type).append("\n");
}

void AppendItemLabels(std::string& out, const MetricsItem& item) {
    out += '{';
    AppendLabel(out, "item", std::to_string(item.index));
    out += ',';
    AppendLabel(out, "caption", item.caption);
    out += '}';
}

std::string SystemReason(const std::filesystem::path& path, int error) {
    return "Cannot write the metrics file " + path.string() + ": " + std::strerror(error);
}

} // namespace

std::string FormatMetrics(const MetricsSnapshot& s) {
    std::string out;
    out.reserve(8192);

    AppendHeader(out, "hmdx_info", "The monitoring chip hmdx watches.", "gauge");
    char chipId[8];
    std::snprintf(chipId, sizeof chipId, "0x%02x", s.chipId);
    out += "hmdx_info{";
    AppendLabel(out, "model", s.model);
    out += ',';
    AppendLabel(out, "chip_id", chipId);
    out += "} 1\n";

    for (const Family& family : kItemFamilies) {
        bool headerWritten = false;
        for (const MetricsItem& item : s.items) {
            if (!item.present || (family.kind && item.kind != *family.kind))
                continue;
            const std::optional<double> value = Sample(item, family.field);
            if (!value)
                continue;
            if (!headerWritten) {
                AppendHeader(out, family.name, family.help, family.type);
                headerWritten = true;
            }
            out += family.name;
            AppendItemLabels(out, item);
            out += ' ';
            if (family.field == Field::WarningsRaised)
                AppendCount(out, item.warningsRaised);
            else
                AppendNumber(out, *value);
            out += '\n';
        }
    }

    const std::pair<std::string_view, std::string_view> fanFamilies[] = {
        {"hmdx_fan_duty_ratio", "Duty written to the controlled fan output, 0 to 1."},
        {"hmdx_fan_failsafe",
         "1 while the controlled fan output is held at full speed because control cannot be "
         "trusted."},
    };
    for (const auto& [name, help] : fanFamilies) {
        if (s.fanOutputs.empty())
            break;
        AppendHeader(out, name, help, "gauge");
        for (const MetricsFanOutput& fan : s.fanOutputs) {
            out.append(name).append("{");
            AppendLabel(out, "output", std::to_string(fan.output));
            out += "} ";
            AppendNumber(out, name == fanFamilies[0].first ? fan.dutyRatio : fan.failsafe);
            out += '\n';
        }
    }

    AppendHeader(out, "hmdx_chip_reprogrammings_total",
                 "Times hmdx found the chip's settings lost and wrote them again.", "counter");
    out += "hmdx_chip_reprogrammings_total ";
    AppendCount(out, s.reprogrammings);
    out += '\n';
    return out;
}

std::optional<std::string> WriteMetricsFile(const std::filesystem::path& path,
                                            const std::string& text) {
    // The temporary name does not end in ".prom", so the textfile collector never reads it.
    // Readable by all: the exporter usually runs as another user. No fsync of the folder: after
    // a crash the old file or none is as good as the new one, the next write replaces it.
    if (const int error = WriteFileAtomically(path, text, {.mode = 0644}))
        return SystemReason(path, error);
    return std::nullopt;
}

} // namespace hmdx
