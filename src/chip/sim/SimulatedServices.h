// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SimulatedChip.h"
#include "chip/PortClaims.h"
#include "platform/PowerOff.h"

namespace hmdx::sim {

// In simulation a power-off is only counted: nothing outside the process is touched.
class SimulatedPowerOff : public PowerOff {
public:
    explicit SimulatedPowerOff(SimulatedChip& chip) : m_chip(chip) {}
    void requestPowerOff() override { m_chip.countPowerOff(); }

private:
    SimulatedChip& m_chip;
};

// The scenario's "claimed" driver holds whatever ports are asked about.
class SimulatedPortClaims : public PortClaims {
public:
    explicit SimulatedPortClaims(const SimulatedChip& chip) : m_chip(chip) {}
    std::optional<std::string> claimant(uint16_t, uint16_t) override {
        const std::string& driver = m_chip.scenario().claimedBy;
        return driver.empty() ? std::nullopt : std::optional<std::string>(driver);
    }

private:
    const SimulatedChip& m_chip;
};

} // namespace hmdx::sim
