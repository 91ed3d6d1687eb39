// SPDX-License-Identifier: GPL-3.0-or-later
#include "FansFull.h"

#include "Backend.h"
#include "Headless.h"
#include "Program.h"
#include "chip/ChipProgramming.h"
#include "chip/FullSpeed.h"
#include "chip/Startup.h"

#include <iostream>
#include <memory>

namespace hmdx {

int RunFansFull(const CommandLine& options) {
    ConsoleMessageBoxes told(std::cerr);
    std::unique_ptr<Backend> backend;
    if (options.simulate) {
        SimulatedBackendResult sim = MakeSimulatedBackend(options);
        if (!sim.backend) {
            told.inform(sim.error);
            return kExitUsage;
        }
        backend = std::move(sim.backend);
    } else {
        backend = MakeHardwareBackend();
    }
    Chip chip(backend->io());
    const bool found = DetectChip(chip, backend->claims(), told) == StartupOutcome::Ready;
    if (found) {
        SetEveryPwmOutputFull(chip);
        GiveBackSuperIo(chip);
    }
    backend->finish();
    return found ? kExitOk : kExitStartupFailed;
}

} // namespace hmdx
