#pragma once

#include "WindowRig.h"
#include "ui/dialogs/Forms.h"

namespace hmdx::test {

// The main window (not yet loaded) with the program's real dialogs. Power-off requests are
// counted by the simulated chip.
struct DialogRig : StartedMachine {
    explicit DialogRig(const sim::Scenario& scenario)
        : StartedMachine(scenario), forms(sim.m, boxes, power),
          window(std::make_unique<frmdoctor>(services(forms))) {
        forms.attach(*window);
    }

    frmdoctor& w() { return *window; }
    // Lets closed dialogs finish unloading.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Forms forms;
    std::unique_ptr<frmdoctor> window;
};

} // namespace hmdx::test
