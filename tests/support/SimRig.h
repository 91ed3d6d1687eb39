#pragma once

#include "RecordingPortIo.h"
#include "chip/sim/SimulatedPortIo.h"
#include "monitor/Machine.h"

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

} // namespace hmdx::test
