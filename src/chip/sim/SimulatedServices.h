// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SimulatedChip.h"
#include "chip/PortClaims.h"
#include "platform/PowerOff.h"

#include <cstdio>
#include <string>
#include <vector>

namespace hmdx::sim {

// In simulation a power-off is only counted: nothing outside the process is touched.
class SimulatedPowerOff : public PowerOff {
public:
    explicit SimulatedPowerOff(SimulatedChip& chip) : m_chip(chip) {}
    void requestPowerOff() override { m_chip.countPowerOff(); }

private:
    SimulatedChip& m_chip;
};

// The scenario's "claimed" driver holds whatever ports are asked about, as /proc/ioports
// lists it (its addresses zeroed with "ioports hidden") and as sysfs names its device.
class SimulatedPortClaims : public PortClaims {
public:
    explicit SimulatedPortClaims(const SimulatedChip& chip) : m_chip(chip) {}
    PortClaim check(uint16_t first, uint16_t last) override {
        const Scenario& s = m_chip.scenario();
        const unsigned base = first & ~7U;
        char range[16];
        std::snprintf(range, sizeof range, "%04x-%04x", s.ioportsHidden ? 0 : base,
                      s.ioportsHidden ? 0 : base + 7);
        std::string ioports = std::string(range) + " : pnp 00:06\n";
        std::vector<BoundDevice> devices;
        if (!s.claimedBy.empty()) {
            ioports += "  " + std::string(range) + " : " + s.claimedBy + "\n";
            devices.push_back({s.claimedBy + "." + std::to_string(base), s.claimedBy});
        }
        return FindPortClaim(ioports, devices, first, last);
    }

private:
    const SimulatedChip& m_chip;
};

} // namespace hmdx::sim
