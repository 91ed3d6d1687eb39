// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeTrayIcon.h"
#include "QtApp.h"
#include "SimRig.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/main/MainWindow.h"

#include <memory>

namespace hmdx::test {

// The simulated machine after start-up with its session and main window, not yet loaded, whose
// warnings go to a recorder or, with realDialogs, to the program's own dialogs. Power-off requests
// are counted by the simulated chip.
struct WindowRig : StartedSim {
    explicit WindowRig(const sim::Scenario& scenario, bool realDialogs = false,
                       const std::optional<std::vector<uint8_t>>& dataFile = {})
        : StartedSim(scenario, dataFile), power(sim.chip), forms(sim.m, boxes, power) {
        QtApp();
        WarningDialogs& warnings = realDialogs ? static_cast<WarningDialogs&>(forms) : dialogs;
        session = std::make_unique<Session>(sim.m, warnings);
        session->onEnd = [this] { ++ended; };
        window = std::make_unique<MainWindow>(
            MainWindow::Services{*session, boxes, tray, [this] { ++ended; }});
        if (realDialogs)
            forms.attach(*window);
    }

    MainWindow& w() { return *window; }
    Session& s() { return *session; }
    void tick() { session->tick(); }
    // What the event loop does between ticks: window-system events are delivered and closed
    // dialogs finish unloading.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    sim::SimulatedPowerOff power;
    FakeTrayIcon tray;
    RecordingWarningDialogs dialogs;
    Dialogs forms;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;
    int ended = 0;
};

// The main window with the program's real dialogs.
struct DialogRig : WindowRig {
    explicit DialogRig(const sim::Scenario& scenario) : WindowRig(scenario, true) {}
};

} // namespace hmdx::test
