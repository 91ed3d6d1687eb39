// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortIo.h"

#include <cstdint>

namespace hmdx {

// The Super I/O configuration space, where the monitor is logical device 0x0B.
class SuperIo {
public:
    explicit SuperIo(PortIo& io) : m_io(io) {}

    uint16_t configPort = 0; // 0x2E, 0x4E, or 0 when no Super I/O answered

    // Enters configuration mode at `port` and checks device ID and revision. The mode is
    // never left: other routines rely on it staying open.
    bool detect(uint16_t port);
    // Access to a register of logical device 0x0B (selected anew every time).
    int readRegister(int reg);
    void writeRegister(int reg, int value);

private:
    void selectMonitorDevice();

    PortIo& m_io;
};

} // namespace hmdx
