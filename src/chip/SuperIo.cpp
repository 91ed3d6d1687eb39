// SPDX-License-Identifier: GPL-3.0-or-later
#include "SuperIo.h"

#include "RegisterMap.h"

namespace hmdx {

bool SuperIo::detect(uint16_t port) {
    const auto data = uint16_t(port + 1);
    m_io.outByte(port, sio::kEntryKey);
    m_io.outByte(port, sio::kEntryKey);
    m_io.outByte(port, sio::kDeviceId);
    if (m_io.inByte(data) != sio::kExpectedDeviceId)
        return false;
    m_io.outByte(port, sio::kRevision);
    return (m_io.inByte(data) & sio::kRevisionMonitorBit) != 0;
}

void SuperIo::selectMonitorDevice() {
    m_io.outByte(configPort, sio::kLogicalDeviceSelect);
    m_io.outByte(uint16_t(configPort + 1), sio::kMonitorDevice);
}

int SuperIo::readRegister(int reg) {
    selectMonitorDevice();
    m_io.outByte(configPort, uint8_t(reg));
    return m_io.inByte(uint16_t(configPort + 1));
}

void SuperIo::writeRegister(int reg, int value) {
    selectMonitorDevice();
    m_io.outByte(configPort, uint8_t(reg));
    m_io.outByte(uint16_t(configPort + 1), uint8_t(value));
}

} // namespace hmdx
