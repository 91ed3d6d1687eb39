#pragma once

#include "WindowRig.h"
#include "ui/dialogs/Dialogs.h"

namespace hmdx::test {

// The main window (not yet loaded) with the program's real dialogs. Power-off requests are
// counted by the simulated chip.
struct DialogRig : StartedMachine {
    explicit DialogRig(const sim::Scenario& scenario)
        : StartedMachine(scenario), forms(sim.m, boxes, power),
          window(std::make_unique<MainWindow>(services(forms))) {
        forms.attach(*window);
    }

    MainWindow& w() { return *window; }
    // Lets closed dialogs finish unloading.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Dialogs forms;
    std::unique_ptr<MainWindow> window;
};

} // namespace hmdx::test
