// SPDX-License-Identifier: GPL-3.0-or-later
#include "HardwarePortIo.h"

#include "RegisterMap.h"

#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define HMDX_HAVE_PORT_IO 1
#endif

namespace hmdx {

KernelPortPermissions HardwarePortIo::s_kernel;

HardwarePortIo::HardwarePortIo(PortPermissions& permissions) : m_permissions(permissions) {}

// Start-up first looks for the Super I/O: if those ports cannot be had, none can.
int16_t HardwarePortIo::openPorts() {
    m_loaded = true;
    for (const uint16_t port : sio::kConfigPorts)
        m_loaded = m_loaded && reach(port) && reach(uint16_t(port + 1));
    return m_loaded ? 0 : 1;
}

bool HardwarePortIo::reach(uint16_t port) {
    if (!m_loaded)
        return false;
    if (!m_granted[port] && m_permissions.grant(port, 1))
        m_granted[port] = true;
    return m_granted[port];
}

uint8_t HardwarePortIo::inByte(uint16_t port) {
#ifdef HMDX_HAVE_PORT_IO
    if (reach(port))
        return inb(port);
#endif
    return 0xFF;
}

void HardwarePortIo::outByte(uint16_t port, uint8_t value) {
#ifdef HMDX_HAVE_PORT_IO
    if (reach(port))
        outb(value, port);
#else
    (void)port;
    (void)value;
#endif
}

void HardwarePortIo::keepOnly(std::span<const uint16_t> ports) {
    RevokeAllBut(m_permissions, ports.data(), ports.size());
    std::bitset<kPortSpace> kept;
    for (const uint16_t port : ports)
        kept[port] = m_granted[port];
    m_granted = kept;
}

// ISA-bridged chips need no bus set-up on Linux: the kernel has configured the LPC bridge.
int16_t HardwarePortIo::initBus(int, uint8_t, uint8_t, uint8_t) {
    return 0;
}

int16_t HardwarePortIo::acquirePowerOffPrivilege() {
    return m_mayPowerOff && m_mayPowerOff() ? 1 : 0;
}

void HardwarePortIo::releasePowerOffPrivilege() {}

} // namespace hmdx
