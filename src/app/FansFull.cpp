// SPDX-License-Identifier: GPL-3.0-or-later
#include "FansFull.h"

#include "Backend.h"
#include "Headless.h"
#include "Program.h"
#include "Translations.h"
#include "chip/ChipProgramming.h"
#include "chip/FullSpeed.h"
#include "chip/Startup.h"

#include <iostream>
#include <memory>

namespace hmdx {

int RunFansFull(const CommandLine& options, PrivilegedStart* started) {
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
        backend = MakeHardwareBackend(started ? std::move(started->ports) : nullptr);
    }
    Chip chip(backend->io());
    StartupOutcome outcome;
    if (started && !options.simulate) {
        started->detection.applyTo(chip);
        outcome = TellDetection(started->detection, told);
    } else {
        outcome = DetectChip(chip, backend->claims(), backend->chipClaim(), told);
    }
    if (outcome == StartupOutcome::AlreadyRunning)
        std::cerr << "hmdx: " << Translated("hmdx::Messages", "already running.") << "\n";
    const bool found = outcome == StartupOutcome::Ready;
    if (found) {
        SetEveryPwmOutputFull(chip);
        GiveBackSuperIo(chip);
    }
    backend->finish();
    return found ? kExitOk : kExitStartupFailed;
}

} // namespace hmdx
