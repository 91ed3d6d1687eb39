// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "EmergencyPorts.h"
#include "chip/PortClaims.h"
#include "chip/PortIo.h"
#include "platform/PowerOff.h"
#include "platform/SleepWatcher.h"

#include <functional>
#include <memory>
#include <string>

namespace hmdx {

// What the program runs on: the real ports, or the simulated chip.
class Backend {
public:
    virtual ~Backend() = default;
    virtual PortIo& io() = 0;
    virtual PowerOff& power() = 0;
    virtual PortClaims& claims() = 0;
    virtual SleepWatcher& sleep() = 0;
    // Where the fan failsafe writes when hmdx's own code cannot.
    virtual EmergencyPorts emergencyPorts() const = 0;
    // Called on every way out of the program (the simulation writes its dump here).
    virtual void finish() {}
};

std::unique_ptr<Backend> MakeHardwareBackend();

struct SimulatedBackendResult {
    std::unique_ptr<Backend> backend;
    std::string error; // for the user, when backend is empty
};

// Reads the scenario file (if any) and opens the trace. The chip's clock is `seconds`, or when
// empty the seconds since now.
SimulatedBackendResult MakeSimulatedBackend(const CommandLine& options,
                                            std::function<int()> seconds = {});

} // namespace hmdx
