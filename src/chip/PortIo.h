// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace hmdx {

// The only way any code reaches an I/O port. Mirrors the port library the chip routines were
// written against: one real implementation (ioperm/inb/outb) and the simulated chip.
class PortIo {
public:
    virtual ~PortIo() = default;

    // 0 when ports may be accessed; anything else means no access can be had.
    virtual int16_t openPorts() = 0;
    virtual uint8_t inByte(uint16_t port) = 0;
    virtual void outByte(uint16_t port, uint8_t value) = 0;
    // 0 on success. Always called with 1, 0x5A, 0x92, 0x90.
    virtual int16_t initBus(int mode, uint8_t a, uint8_t b, uint8_t c) = 0;
    // Non-zero when this process may power the system off.
    virtual int16_t acquirePowerOffPrivilege() = 0;
    virtual void releasePowerOffPrivilege() = 0;
    // Start-up is done: from now on only these ports, every other grant given up. Nothing to
    // give up on the simulated chip.
    virtual void keepOnly(std::span<const uint16_t> ports) { (void)ports; }
};

} // namespace hmdx
