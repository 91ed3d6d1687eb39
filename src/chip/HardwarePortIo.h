// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortIo.h"

#include <functional>

namespace hmdx {

// Real port access on x86 Linux. Needs CAP_SYS_RAWIO (root, or the capability set on the
// binary); without it openPorts fails and no port is ever touched.
class HardwarePortIo : public PortIo {
public:
    // `mayPowerOff` answers whether the system would let this user power off.
    explicit HardwarePortIo(std::function<bool()> mayPowerOff);

    int16_t openPorts() override;
    uint8_t inByte(uint16_t port) override;
    void outByte(uint16_t port, uint8_t value) override;
    int16_t initBus(int mode, uint8_t a, uint8_t b, uint8_t c) override;
    int16_t acquirePowerOffPrivilege() override;
    void releasePowerOffPrivilege() override;

private:
    std::function<bool()> m_mayPowerOff;
    bool m_loaded = false;
};

} // namespace hmdx
