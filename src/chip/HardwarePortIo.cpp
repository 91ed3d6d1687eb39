// SPDX-License-Identifier: GPL-3.0-or-later
#include "HardwarePortIo.h"

#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define HMDX_HAVE_PORT_IO 1
#endif

namespace hmdx {

HardwarePortIo::HardwarePortIo(std::function<bool()> mayPowerOff)
    : m_mayPowerOff(std::move(mayPowerOff)) {}

int16_t HardwarePortIo::openPorts() {
#ifdef HMDX_HAVE_PORT_IO
    // The chip's ports may lie above 0x3FF (wherever the Super I/O puts them), beyond what
    // ioperm() covers, so ask for the whole port space.
    m_loaded = iopl(3) == 0;
#endif
    return m_loaded ? 0 : 1;
}

uint8_t HardwarePortIo::inByte(uint16_t port) {
#ifdef HMDX_HAVE_PORT_IO
    if (m_loaded)
        return inb(port);
#endif
    (void)port;
    return 0xFF;
}

void HardwarePortIo::outByte(uint16_t port, uint8_t value) {
#ifdef HMDX_HAVE_PORT_IO
    if (m_loaded)
        outb(value, port);
#endif
    (void)port;
    (void)value;
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
