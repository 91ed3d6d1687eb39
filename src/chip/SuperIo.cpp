#include "SuperIo.h"

#include "Registers.h"

namespace hmdx {

bool SuperIo::DetectSuperIO(uint16_t port) {
    const auto data = uint16_t(port + 1);
    m_io.OutPortB(port, sio::kEntryKey);
    m_io.OutPortB(port, sio::kEntryKey);
    m_io.OutPortB(port, sio::kDeviceId);
    if (m_io.InPortB(data) != sio::kExpectedDeviceId)
        return false;
    m_io.OutPortB(port, sio::kRevision);
    return (m_io.InPortB(data) & sio::kRevisionMonitorBit) != 0;
}

void SuperIo::selectMonitorDevice() {
    m_io.OutPortB(SioConfigPort, sio::kLogicalDeviceSelect);
    m_io.OutPortB(uint16_t(SioConfigPort + 1), sio::kMonitorDevice);
}

int SuperIo::SioReadReg(int reg) {
    selectMonitorDevice();
    m_io.OutPortB(SioConfigPort, uint8_t(reg));
    return m_io.InPortB(uint16_t(SioConfigPort + 1));
}

void SuperIo::SioWriteReg(int reg, int value) {
    selectMonitorDevice();
    m_io.OutPortB(SioConfigPort, uint8_t(reg));
    m_io.OutPortB(uint16_t(SioConfigPort + 1), uint8_t(value));
}

} // namespace hmdx
