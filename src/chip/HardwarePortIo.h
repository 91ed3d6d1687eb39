// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortIo.h"
#include "PortPermissions.h"

#include <bitset>
#include <functional>
#include <utility>

namespace hmdx {

// Real port access on x86 Linux. Ports are granted one by one as start-up first reaches them,
// which needs CAP_SYS_RAWIO (root, or the capability set on the binary); without it openPorts
// fails and no port is ever touched. Once start-up is done keepOnly gives up all but the
// ports hmdx goes on using, before the capability itself is given up.
class HardwarePortIo : public PortIo {
public:
    explicit HardwarePortIo(PortPermissions& permissions = s_kernel);

    // Answers whether the system would let this user power off; set once D-Bus may be used.
    void setMayPowerOff(std::function<bool()> mayPowerOff) {
        m_mayPowerOff = std::move(mayPowerOff);
    }

    int16_t openPorts() override;
    uint8_t inByte(uint16_t port) override;
    void outByte(uint16_t port, uint8_t value) override;
    int16_t initBus(int mode, uint8_t a, uint8_t b, uint8_t c) override;
    int16_t acquirePowerOffPrivilege() override;
    void releasePowerOffPrivilege() override;
    void keepOnly(std::span<const uint16_t> ports) override;

private:
    // A port not yet granted is granted now, while the capability lasts.
    bool reach(uint16_t port);

    static KernelPortPermissions s_kernel;
    std::function<bool()> m_mayPowerOff;
    PortPermissions& m_permissions;
    std::bitset<kPortSpace> m_granted;
    bool m_loaded = false;
};

} // namespace hmdx
