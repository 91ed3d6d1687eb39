#pragma once

#include "FakeTrayIcon.h"
#include "QtApp.h"
#include "RecordingMessageBoxes.h"
#include "SimRig.h"
#include "TempDir.h"
#include "chip/Startup.h"
#include "chip/sim/SimulatedServices.h"
#include "monitor/WarningDispatch.h"
#include "ui/main/MainWindow.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace hmdx::test {

struct NoOtherInstance : SingleInstance {
    bool anotherIsRunning() override { return false; }
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

// One register write as the chip saw it: bank, register, value.
using RegWrite = std::tuple<int, int, int>;

// The simulated machine after start-up, with everything a main window needs around it.
struct StartedMachine {
    explicit StartedMachine(const sim::Scenario& scenario)
        : sim(scenario), claims(sim.chip), power(sim.chip) {
        QtApp();
        StartupServices services{instance, claims, boxes, data.path()};
        ready = StartUp(sim.m.chip, {sim.m.settings, sim.m.settingsFile}, services) ==
                StartupOutcome::Ready;
    }

    Machine& m() { return sim.m; }
    sim::SimulatedChip& chip() { return sim.chip; }
    MainWindow::Services services(WarningDialogs& dialogs) {
        return {sim.m, boxes, tray, dialogs, [this] { ++ended; }};
    }

    // Register writes to the chip since the recorder was last cleared, decoded through the
    // bank register as the chip saw them.
    std::vector<RegWrite> writes() const {
        std::vector<RegWrite> result;
        int index = -1;
        int bank = 0;
        const uint16_t port = sim.m.chip.bus.indexPort;
        for (const std::string& line : sim.io.portAccesses()) {
            unsigned p = 0, v = 0;
            char dir[4] = {};
            std::sscanf(line.c_str(), "%3s %x %x", dir, &p, &v);
            if (std::string(dir) != "out")
                continue;
            if (p == port)
                index = int(v);
            else if (p == port + 1u && index == 0x4E)
                bank = int(v & 7);
            else if (p == port + 1u)
                result.emplace_back(bank, index, int(v));
        }
        return result;
    }

    SimRig sim;
    sim::SimulatedPortClaims claims;
    sim::SimulatedPowerOff power;
    NoOtherInstance instance;
    RecordingMessageBoxes boxes;
    TempDir data;
    FakeTrayIcon tray;
    int ended = 0;
    bool ready = false;
};

// The main window (not yet loaded) over a recorder of its warnings.
struct WindowRig : StartedMachine {
    explicit WindowRig(const sim::Scenario& scenario)
        : StartedMachine(scenario), window(std::make_unique<MainWindow>(services(dialogs))) {}

    MainWindow& w() { return *window; }

    RecordingWarningDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

} // namespace hmdx::test
