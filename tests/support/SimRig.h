#pragma once

#include "RecordingMessageBoxes.h"
#include "RecordingPortIo.h"
#include "TempDir.h"
#include "chip/Startup.h"
#include "chip/sim/SimulatedPortIo.h"
#include "chip/sim/SimulatedServices.h"
#include "monitor/Machine.h"
#include "monitor/Monitor.h"
#include "monitor/WarningDispatch.h"

#include <QLocale>
#include <algorithm>
#include <array>
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

struct NoOtherInstance : SingleInstance {
    bool anotherIsRunning() override { return false; }
};

// The simulated machine after start-up with an empty data folder: factory settings.
struct StartedSim {
    explicit StartedSim(const sim::Scenario& scenario) : sim(scenario), claims(sim.chip) {
        StartupServices services{instance, claims, boxes, data.path()};
        ready = StartUp(sim.m.chip, {sim.m.settings, sim.m.settingsFile}, services) ==
                StartupOutcome::Ready;
    }

    Machine& m() { return sim.m; }
    sim::SimulatedChip& chip() { return sim.chip; }

    SimRig sim;
    sim::SimulatedPortClaims claims;
    NoOtherInstance instance;
    RecordingMessageBoxes boxes;
    TempDir data;
    bool ready = false;
};

// Remembers which warnings are up and every show and unload, in order.
struct RecordingWarningDialogs : WarningDialogs {
    std::array<bool, 16> shown{};
    std::vector<std::string> log;
    bool isShown(int item) override { return shown[item]; }
    void show(int item) override {
        shown[item] = true;
        log.push_back("show " + std::to_string(item));
    }
    void unload(int item) override {
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
