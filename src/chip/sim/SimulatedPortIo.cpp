// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatedPortIo.h"

#include <utility>

namespace hmdx::sim {

SimulatedPortIo::SimulatedPortIo(SimulatedChip& chip, std::function<int()> secondsSinceStart)
    : m_chip(chip), m_clock(std::move(secondsSinceStart)) {}

int16_t SimulatedPortIo::openPorts() {
    return m_chip.scenario().driverFails ? 1 : 0;
}

uint8_t SimulatedPortIo::inByte(uint16_t port) {
    if (m_clock)
        m_chip.advanceTo(m_clock());
    const uint8_t value = m_chip.in(port);
    ++m_accesses;
    if (m_trace) {
        std::fprintf(m_trace, "in 0x%x 0x%02x\n", unsigned(port), unsigned(value));
        std::fflush(m_trace);
    }
    return value;
}

void SimulatedPortIo::outByte(uint16_t port, uint8_t value) {
    if (m_clock)
        m_chip.advanceTo(m_clock());
    m_chip.out(port, value);
    ++m_accesses;
    if (m_trace) {
        std::fprintf(m_trace, "out 0x%x 0x%02x\n", unsigned(port), unsigned(value));
        std::fflush(m_trace);
    }
}

int16_t SimulatedPortIo::initBus(int, uint8_t, uint8_t, uint8_t) {
    return m_chip.scenario().busFails ? 1 : 0;
}

int16_t SimulatedPortIo::acquirePowerOffPrivilege() {
    return m_chip.scenario().privilege ? 1 : 0;
}

void SimulatedPortIo::releasePowerOffPrivilege() {}

} // namespace hmdx::sim
