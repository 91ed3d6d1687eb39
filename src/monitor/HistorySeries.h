// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/History.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace hmdx {

// A point of a chart line: x in ms since the epoch, y in the item's unit.
struct ChartPoint {
    double x, y;
    bool operator==(const ChartPoint&) const = default;
};
using ChartLine = std::vector<ChartPoint>;

// A period the item's warning was up, in ms since the epoch.
struct WarningPeriod {
    double start, end;
    bool operator==(const WarningPeriod&) const = default;
};

// One item's history over a range that ends at the newest tick: every reading for the export,
// and the lines the History window draws.
struct HistorySeries {
    struct Sample {
        std::chrono::system_clock::time_point time;
        uint8_t raw;
        bool half;        // a half degree beyond `raw`
        double value;     // in the item's unit; NaN for a reading that has no value
        double low, high; // the limits in force then; NaN where none was
        bool warning;
    };
    int64_t fromMs = 0, toMs = 0;
    std::vector<Sample> samples; // oldest first, at full resolution
    // The readings thinned to at most two (the lowest and highest) per column of the chart,
    // broken where there was no value for a while; the limits as steps, and the band between
    // them where both exist; the warning periods, those closer than a column apart merged.
    std::vector<ChartLine> readings, low, high, bandUpper, bandLower;
    std::vector<WarningPeriod> warnings;
    double yMin, yMax; // over the readings and limits; yMin > yMax when there are none
};

// The window's ranges run from 10 seconds to what the history holds.
constexpr int kMinHistoryRange = 10;
int ClampHistoryRange(int seconds);

// The item's readings over the last `seconds` (clamped) up to the newest tick, or up to `now`
// before the first. `toUnit` turns a raw reading and its half degree into the item's unit (NaN
// for none); an empty one keeps the raw byte. `columns` is the chart's width.
using ToUnit = std::function<double(uint8_t raw, bool half)>;
HistorySeries BuildHistorySeries(const ReadingHistory& history, int item, int seconds,
                                 const ToUnit& toUnit, int columns,
                                 std::chrono::system_clock::time_point now);

} // namespace hmdx
