// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SimulatedChip.h"
#include "chip/PortIo.h"

#include <cstdio>
#include <functional>

namespace hmdx::sim {

// The port seam over the simulated chip: failures as the scenario scripts them, a trace of
// every port access ("in 0x296 0x23", "out 0x295 0x23") and a count of them.
class SimulatedPortIo : public PortIo {
public:
    // `secondsSinceStart` drives the chip's clock on every access.
    SimulatedPortIo(SimulatedChip& chip, std::function<int()> secondsSinceStart);

    // Trace sink, flushed after every line; nullptr for none. Not owned.
    void setTrace(std::FILE* trace) { m_trace = trace; }
    long long portAccesses() const { return m_accesses; }

    int16_t openPorts() override;
    uint8_t inByte(uint16_t port) override;
    void outByte(uint16_t port, uint8_t value) override;
    int16_t initBus(int mode, uint8_t a, uint8_t b, uint8_t c) override;
    int16_t acquirePowerOffPrivilege() override;
    void releasePowerOffPrivilege() override;

private:
    SimulatedChip& m_chip;
    std::function<int()> m_clock;
    std::FILE* m_trace = nullptr;
    long long m_accesses = 0;
};

} // namespace hmdx::sim
