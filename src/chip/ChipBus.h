// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortIo.h"

#include <cstdint>

namespace hmdx {

// Index/data access to the monitor chip's registers. Callers select the bank they need
// first; nothing here assumes which bank another routine left selected.
class ChipBus {
public:
    explicit ChipBus(PortIo& io);

    uint16_t indexPort; // data port is one above; the default one until start-up finds it

    void writeRegister(int reg, uint8_t value);
    uint8_t readRegister(int reg);
    // Keeps the vendor-byte select (bit 7) of 0x4E across bank changes.
    void selectBank(int bank);
    int32_t readVendorId();

    // Read-modify-write of single bits (always writes back).
    void setBits(int reg, uint8_t bits);
    void clearBits(int reg, uint8_t bits);

private:
    PortIo& m_io;
};

} // namespace hmdx
