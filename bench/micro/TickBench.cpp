// SPDX-License-Identifier: GPL-3.0-or-later
// One tick's warning dispatch, the settings record, and a register read through the simulator.
#include "chip/sim/SimulatedPortIo.h"
#include "monitor/Machine.h"
#include "monitor/WarningDispatch.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"

#include <array>
#include <benchmark/benchmark.h>
#include <limits>

namespace hmdx {
namespace {

// An HMB with factory settings over a simulated chip whose readings hold still.
struct Rig {
    Rig() : chip(scenario()), io(chip, [] { return 0; }), m(io) {
        m.chip.chipId = chip.peek(0, 0x58);
        SetDefaultSettings(m.settings, m.chip.presentItems(), m.chip.beepCapableItems());
    }
    static sim::Scenario scenario() {
        sim::Scenario s;
        s.model = "hmb";
        s.hold = true;
        return s;
    }
    sim::SimulatedChip chip;
    sim::SimulatedPortIo io;
    Machine m;
};

// Dialogs as flags: only the dispatch itself is measured.
class FlagDialogs : public WarningDialogs {
public:
    std::array<bool, kItemCount> shown{};
    long long shows = 0;

    bool isShown(int item) override { return shown[static_cast<std::size_t>(item)]; }
    void show(int item) override {
        shown[static_cast<std::size_t>(item)] = true;
        ++shows;
    }
    void takeDown(int item) override { shown[static_cast<std::size_t>(item)] = false; }
};

// A tick reports every item once. All green: sixteen closes. Faulty: +12V (warns at once) and
// the case switch stay out with their dialogs up, Fan1 and Temp1 (three in a row) count faults.
void BM_DispatchTick(benchmark::State& state) {
    const bool faulty = state.range(0) != 0;
    Rig rig;
    FlagDialogs dialogs;
    WarningDispatch dispatch(rig.m, dialogs);
    std::array<bool, kItemCount> out{};
    if (faulty) {
        for (int item : {4, FanItem(0), TemperatureItem(0), kCaseOpenItem})
            out[static_cast<std::size_t>(item)] = true;
        for (int item : {FanItem(0), TemperatureItem(0)})
            rig.m.settings.warnAtOnce[static_cast<std::size_t>(item)] = 0;
    }
    for (auto _ : state) {
        for (int item = 0; item < kItemCount; ++item) {
            if (out[static_cast<std::size_t>(item)])
                dispatch.reportOutOfRange(item);
            else
                dispatch.reportInRange(item);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kItemCount);
    state.counters["shows"] = static_cast<double>(dialogs.shows);
    state.SetLabel(faulty ? "4 out, 2 counting" : "all in range");
}
BENCHMARK(BM_DispatchTick)->Arg(0)->Arg(1);

SettingsModel factorySettings() {
    SettingsModel model;
    SettingsItemBytes all;
    all.fill(1);
    SetDefaultSettings(model, all, all);
    return model;
}

void BM_SettingsEncode(benchmark::State& state) {
    const SettingsModel model = factorySettings();
    SettingsRecord record{};
    for (auto _ : state) {
        EncodeSettings(model, record);
        benchmark::DoNotOptimize(record);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kSettingsRecordSize));
}
BENCHMARK(BM_SettingsEncode);

// Decode as a load does it: the record, then the repair of what cannot be used. Arg 1 is a
// record with a NaN factor, a zero divisor, a count limit of -1 and an infinite limit.
void BM_SettingsDecode(benchmark::State& state) {
    SettingsModel stored = factorySettings();
    if (state.range(0) != 0) {
        stored.voltageFactor[3] = std::numeric_limits<float>::quiet_NaN();
        stored.fanDivisor[1] = 0;
        stored.fanCountLimit[2] = -1;
        stored.temperatureHigh[0] = std::numeric_limits<float>::infinity();
    }
    SettingsRecord record{};
    EncodeSettings(stored, record);
    SettingsItemBytes all;
    all.fill(1);
    std::size_t replaced = 0;
    for (auto _ : state) {
        SettingsModel model;
        DecodeSettings(record, model, all, all);
        replaced = RepairSettings(model).size();
        benchmark::DoNotOptimize(model);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kSettingsRecordSize));
    state.counters["replaced"] = static_cast<double>(replaced);
}
BENCHMARK(BM_SettingsDecode)->Arg(0)->Arg(1);

// One register read: index out, data in, each through the simulator's port seam.
void BM_ReadChipReg(benchmark::State& state) {
    Rig rig;
    const long long before = rig.io.portAccesses();
    for (auto _ : state)
        benchmark::DoNotOptimize(rig.m.chip.readRegister(0x20));
    state.SetItemsProcessed(state.iterations());
    state.counters["ports/read"] =
        benchmark::Counter(static_cast<double>(rig.io.portAccesses() - before) /
                           static_cast<double>(state.iterations()));
}
BENCHMARK(BM_ReadChipReg);

} // namespace
} // namespace hmdx
