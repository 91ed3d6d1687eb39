// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatedSuperIo.h"

namespace hmdx::sim {

SimulatedSuperIo::SimulatedSuperIo(uint16_t configPort, uint16_t base, uint8_t activate)
    : m_port(configPort) {
    m_global[sio::kDeviceId] = sio::kExpectedDeviceId;
    m_global[sio::kRevision] = 0x11;
    m_monitor[sio::kActivate] = activate;
    m_monitor[sio::kBaseHigh] = uint8_t(base >> 8);
    m_monitor[sio::kBaseLow] = uint8_t(base & 0xFF);
}

uint8_t SimulatedSuperIo::in(uint16_t port) const {
    if (!m_configMode)
        return 0xFF;
    return port == m_port ? m_index : read(m_index, m_device);
}

void SimulatedSuperIo::out(uint16_t port, uint8_t value) {
    if (port != m_port) {
        if (m_configMode)
            write(m_index, value);
        return;
    }
    if (m_configMode) {
        m_configMode = value != sio::kExitKey;
        m_index = value;
        return;
    }
    // The key only counts when the two halves come back to back.
    m_configMode = m_halfKey && value == sio::kEntryKey;
    m_halfKey = !m_configMode && value == sio::kEntryKey;
}

uint8_t SimulatedSuperIo::monitorReg(int reg) const {
    if (reg < 0 || reg > 0xFF)
        return 0xFF;
    return read(reg, sio::kMonitorDevice);
}

uint8_t SimulatedSuperIo::read(int reg, int device) const {
    if (reg == sio::kLogicalDeviceSelect)
        return m_device;
    if (reg < sio::kActivate)
        return m_global[reg];
    return device == sio::kMonitorDevice ? m_monitor[reg & 0xFF] : 0x00;
}

void SimulatedSuperIo::write(int reg, uint8_t value) {
    if (reg == sio::kLogicalDeviceSelect)
        m_device = value;
    else if (reg == sio::kDeviceId || reg == sio::kRevision)
        return;
    else if (reg < sio::kActivate)
        m_global[reg] = value;
    else if (m_device == sio::kMonitorDevice)
        m_monitor[reg] = value;
}

} // namespace hmdx::sim
