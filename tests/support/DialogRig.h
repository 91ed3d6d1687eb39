#pragma once

#include "WindowRig.h"
#include "ui/dialogs/Forms.h"

namespace hmdx::test {

// The simulated machine with the main window and the program's real dialogs. Power-off
// requests are counted by the simulated chip.
struct DialogRig {
    explicit DialogRig(const sim::Scenario& scenario)
        : sim(scenario), claims(sim.chip), power(sim.chip), forms(sim.m, boxes, power) {
        QtApp();
        StartupServices services{instance, claims, boxes, data.path(), data.path()};
        ready = Main(sim.m, services) == StartupOutcome::Ready;
        window = std::make_unique<frmdoctor>(
            frmdoctor::Services{sim.m, boxes, tray, forms, [this] { ++ended; }});
        forms.attach(*window);
    }

    Module1& m() { return sim.m; }
    sim::SimulatedChip& chip() { return sim.chip; }
    frmdoctor& w() { return *window; }
    // Lets closed dialogs finish unloading.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    SimRig sim;
    sim::SimulatedPortClaims claims;
    sim::SimulatedPowerOff power;
    NoOtherInstance instance;
    RecordingMessageBoxes boxes;
    TempDir data;
    FakeTrayIcon tray;
    Forms forms;
    int ended = 0;
    bool ready = false;
    std::unique_ptr<frmdoctor> window;
};

} // namespace hmdx::test
