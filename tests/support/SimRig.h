// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ReadFile.h"
#include "RecordingMessageBoxes.h"
#include "RecordingPortIo.h"
#include "TempDir.h"
#include "chip/Startup.h"
#include "chip/sim/SimulatedPortIo.h"
#include "chip/sim/SimulatedServices.h"
#include "monitor/Machine.h"
#include "monitor/Monitor.h"
#include "monitor/WarningDispatch.h"
#include "platform/InstanceActivation.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace hmdx::test {

// A simulated chip with a recorder in front of it and a Machine on top; time stands still
// unless a test moves `now`.
struct SimRig {
    explicit SimRig(const sim::Scenario& scenario)
        : chip(scenario), simIo(chip, [this] { return now; }), io(simIo), m(io) {}

    int now = 0;
    sim::SimulatedChip chip;
    sim::SimulatedPortIo simIo;
    RecordingPortIo io;
    Machine m;
};

inline sim::Scenario ScenarioFor(const std::string& model) {
    sim::Scenario s;
    s.model = model;
    s.hold = true;
    return s;
}

struct FakeInstance : SingleInstance {
    bool another = false;
    bool anotherIsRunning() override { return another; }
};

struct FakeActivation : InstanceActivation {
    int asked = 0; // times a second start asked the running one
    std::function<void()> answer;
    bool activateRunning() override { return ++asked, true; }
    bool listen(std::function<void()> onActivate) override {
        answer = std::move(onActivate);
        return true;
    }
};

// The simulated machine after start-up with an empty data folder (factory settings), or one
// holding the given settings file.
struct StartedSim {
    explicit StartedSim(const sim::Scenario& scenario,
                        const std::optional<std::vector<uint8_t>>& dataFile = {})
        : sim(scenario), claims(sim.chip) {
        if (dataFile)
            WriteFile(dataPath(), *dataFile);
        StartupServices services{instance, claims, boxes, data.path()};
        ready = StartUp(sim.m.chip, {sim.m.settings, sim.m.settingsFile}, services) ==
                StartupOutcome::Ready;
        sim.io.indexPort = sim.m.chip.bus.indexPort;
    }

    Machine& m() { return sim.m; }
    sim::SimulatedChip& chip() { return sim.chip; }
    std::filesystem::path dataPath() const {
        const ChipModel* model = FindChipModel(sim.chip.scenario().effectiveChipId());
        return data.path() / (model ? model->dataFile : "none.dat");
    }

    SimRig sim;
    sim::SimulatedPortClaims claims;
    FakeInstance instance;
    RecordingMessageBoxes boxes;
    TempDir data;
    bool ready = false;
};

// Remembers which warnings are up and every show and take-down, in order.
struct RecordingWarningDialogs : WarningDialogs {
    std::array<bool, 16> shown{};
    std::vector<std::string> log;
    bool isShown(int item) override { return shown[item]; }
    void show(int item) override {
        shown[item] = true;
        log.push_back("show " + std::to_string(item));
    }
    void takeDown(int item) override {
        if (shown[item])
            log.push_back("unload " + std::to_string(item));
        shown[item] = false;
    }
    int shows(int item) const {
        return int(std::count(log.begin(), log.end(), "show " + std::to_string(item)));
    }
};

// The monitoring of a started machine, not yet loaded; numbers in the C locale.
struct MonitorRig : StartedSim {
    explicit MonitorRig(const std::string& model) : StartedSim(ScenarioFor(model)) {
        QLocale::setDefault(QLocale::c());
    }
    Limits& limits() { return monitor.limits(); }

    RecordingWarningDialogs dialogs;
    Monitor monitor{m(), dialogs};
};

} // namespace hmdx::test
