#pragma once

#include "FakeTrayIcon.h"
#include "QtApp.h"
#include "SimRig.h"
#include "ui/main/MainWindow.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace hmdx::test {

// One register write as the chip saw it: bank, register, value.
using RegWrite = std::tuple<int, int, int>;

// The simulated machine after start-up, with everything a main window needs around it.
struct StartedMachine : StartedSim {
    explicit StartedMachine(const sim::Scenario& scenario) : StartedSim(scenario), power(sim.chip) {
        QtApp();
    }

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

    sim::SimulatedPowerOff power;
    FakeTrayIcon tray;
    int ended = 0;
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
