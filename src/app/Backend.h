// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandLine.h"
#include "chip/HardwarePortIo.h"
#include "chip/PortClaims.h"
#include "chip/PortIo.h"
#include "monitor/EmergencyPorts.h"
#include "platform/ChipClaim.h"
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
    // The machine's claim on the chip, taken before any port is touched.
    virtual ChipClaim& chipClaim() = 0;
    virtual SleepWatcher& sleep() = 0;
    // Where the fan failsafe writes when hmdx's own code cannot.
    virtual EmergencyPorts emergencyPorts() const = 0;
    // Called on every way out of the program (the simulation writes its dump here).
    virtual void finish() {}
};

// The real chip's ports, the look for a kernel driver using them and the machine's claim: all
// that start-up needs while hmdx may still hold the port capability. Nothing of D-Bus or Qt.
struct HardwarePorts {
    HardwarePortIo io;
    SystemPortClaims claims;
    MachineClaim chipClaim;
};

// On the ports start-up used, or on new ones.
std::unique_ptr<Backend> MakeHardwareBackend(std::unique_ptr<HardwarePorts> ports = {});

struct SimulatedBackendResult {
    std::unique_ptr<Backend> backend;
    std::string error; // for the user, when backend is empty
};

// Reads the scenario file (if any) and opens the trace. The chip's clock is `seconds`, or when
// empty the seconds since now.
SimulatedBackendResult MakeSimulatedBackend(const CommandLine& options,
                                            std::function<int()> seconds = {});

} // namespace hmdx
