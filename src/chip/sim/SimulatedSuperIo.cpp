// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatedSuperIo.h"

namespace hmdx::sim {
namespace {

constexpr uint8_t kEntryKey = 0x87;
constexpr uint8_t kExitKey = 0xAA;
constexpr int kDeviceSelect = 0x07;
constexpr int kFirstDeviceReg = 0x30;
constexpr int kDeviceId = 0x20;
constexpr int kRevision = 0x21;

} // namespace

SimulatedSuperIo::SimulatedSuperIo(uint16_t configPort, uint16_t base, uint8_t activate)
    : m_port(configPort) {
    m_global[kDeviceId] = 0x52;
    m_global[kRevision] = 0x11;
    m_monitor[0x30] = activate;
    m_monitor[0x60] = uint8_t(base >> 8);
    m_monitor[0x61] = uint8_t(base & 0xFF);
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
        m_configMode = value != kExitKey;
        m_index = value;
        return;
    }
    // The key only counts when the two halves come back to back.
    m_configMode = m_halfKey && value == kEntryKey;
    m_halfKey = !m_configMode && value == kEntryKey;
}

uint8_t SimulatedSuperIo::monitorReg(int reg) const {
    if (reg < 0 || reg > 0xFF)
        return 0xFF;
    return read(reg, kMonitorDevice);
}

uint8_t SimulatedSuperIo::read(int reg, int device) const {
    if (reg == kDeviceSelect)
        return m_device;
    if (reg < kFirstDeviceReg)
        return m_global[reg];
    return device == kMonitorDevice ? m_monitor[reg & 0xFF] : 0x00;
}

void SimulatedSuperIo::write(int reg, uint8_t value) {
    if (reg == kDeviceSelect)
        m_device = value;
    else if (reg == kDeviceId || reg == kRevision)
        return;
    else if (reg < kFirstDeviceReg)
        m_global[reg] = value;
    else if (m_device == kMonitorDevice)
        m_monitor[reg] = value;
}

} // namespace hmdx::sim
