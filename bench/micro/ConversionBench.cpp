// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions and number formats over every raw count a register can hold.
#include "monitor/Conversions.h"
#include "monitor/NumberFormat.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace hmdx {
namespace {

constexpr int kCounts = 256;
// +5V's factor: 16 mV per count behind a 0.595 divider.
constexpr float kFactor = 0.016f / 0.595f;

void BM_ScaleToVolts(benchmark::State& state) {
    for (auto _ : state)
        for (int32_t count = 0; count < kCounts; ++count)
            benchmark::DoNotOptimize(ScaleToVolts(count, kFactor));
    state.SetItemsProcessed(state.iterations() * kCounts);
}
BENCHMARK(BM_ScaleToVolts);

void BM_VoltsToScale(benchmark::State& state) {
    std::vector<float> volts;
    for (int32_t count = 0; count < kCounts; ++count)
        volts.push_back(ScaleToVolts(count, kFactor));
    for (auto _ : state)
        for (float v : volts)
            benchmark::DoNotOptimize(VoltsToScale(v, kFactor));
    state.SetItemsProcessed(state.iterations() * kCounts);
}
BENCHMARK(BM_VoltsToScale);

// Both negative rails, there and back: register count -> volts -> limit register.
void BM_NegativeRail(benchmark::State& state) {
    for (auto _ : state)
        for (int index : {5, 6})
            for (int raw = 0; raw < kCounts; ++raw)
                benchmark::DoNotOptimize(NegativeRailCount(index, NegativeRailVolts(index, raw)));
    state.SetItemsProcessed(state.iterations() * 2 * kCounts);
}
BENCHMARK(BM_NegativeRail);

// Every count at the divisor given as the argument, 255 (no fan) included.
void BM_FanSpeed(benchmark::State& state) {
    const auto divisor = static_cast<int16_t>(state.range(0));
    for (auto _ : state)
        for (int count = 0; count < kCounts; ++count)
            benchmark::DoNotOptimize(FanSpeed(count, divisor));
    state.SetItemsProcessed(state.iterations() * kCounts);
}
BENCHMARK(BM_FanSpeed)->Arg(1)->Arg(8)->Arg(128);

void BM_FanLimitSpeed(benchmark::State& state) {
    for (auto _ : state)
        for (int limit = 1; limit < kCounts; ++limit)
            benchmark::DoNotOptimize(FanLimitSpeed(limit, 8));
    state.SetItemsProcessed(state.iterations() * (kCounts - 1));
}
BENCHMARK(BM_FanLimitSpeed);

// Temp1 from every register value, Temp2/3 from every whole register with and without the half.
void BM_Temperatures(benchmark::State& state) {
    for (auto _ : state)
        for (int reg = 0; reg < kCounts; ++reg) {
            const auto whole = static_cast<uint8_t>(reg);
            benchmark::DoNotOptimize(Temp1Degrees(whole));
            benchmark::DoNotOptimize(TempHalfDegrees(whole, 0x00));
            benchmark::DoNotOptimize(TempHalfDegrees(whole, 0x80));
        }
    state.SetItemsProcessed(state.iterations() * 3 * kCounts);
}
BENCHMARK(BM_Temperatures);

// "0.00" for every voltage a +5V count shows, and a few that round to "-0.00".
void BM_FormatTwoDecimals(benchmark::State& state) {
    std::vector<double> values;
    for (int32_t count = 0; count < kCounts; ++count)
        values.push_back(ScaleToVolts(count, kFactor));
    for (double v : {-0.001, -0.004, -12.03, -4.99})
        values.push_back(v);
    for (auto _ : state)
        for (double v : values)
            benchmark::DoNotOptimize(FormatTwoDecimals(v));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}
BENCHMARK(BM_FormatTwoDecimals);

// "#,###" for every speed a count gives at divisor 2 (up to 675000 RPM: grouping matters).
void BM_FormatRpm(benchmark::State& state) {
    std::vector<double> speeds;
    for (int count = 0; count < kCounts; ++count)
        if (const auto rpm = FanSpeed(count, 2))
            speeds.push_back(*rpm);
    for (auto _ : state)
        for (double rpm : speeds)
            benchmark::DoNotOptimize(FormatRpm(rpm));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(speeds.size()));
}
BENCHMARK(BM_FormatRpm);

} // namespace
} // namespace hmdx
