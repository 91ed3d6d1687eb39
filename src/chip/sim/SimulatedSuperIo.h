// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/RegisterMap.h"

#include <array>
#include <cstdint>

namespace hmdx::sim {

// The configuration space of the Super I/O chip the monitor lives in: the entry key 0x87
// written twice to the configuration port opens it, 0xAA closes it. Only the monitor's
// logical device 0x0B is modelled; the other devices read 0x00 and ignore writes.
class SimulatedSuperIo {
public:
    SimulatedSuperIo(uint16_t configPort, uint16_t base, uint8_t activate);

    uint16_t configPort() const { return m_port; }
    bool decodes(uint16_t port) const { return port == m_port || port == m_port + 1; }
    uint8_t in(uint16_t port) const;
    void out(uint16_t port, uint8_t value);

    // Register of the monitor device as it would read with that device selected.
    uint8_t monitorReg(int reg) const;
    bool monitorActive() const { return m_monitor[sio::kActivate] & 0x01; }
    uint16_t monitorBase() const {
        return uint16_t(m_monitor[sio::kBaseHigh] << 8 | m_monitor[sio::kBaseLow]);
    }

private:
    uint8_t read(int reg, int device) const;
    void write(int reg, uint8_t value);

    uint16_t m_port;
    bool m_configMode = false;
    bool m_halfKey = false; // one 0x87 seen
    uint8_t m_index = 0;
    uint8_t m_device = 0;
    std::array<uint8_t, sio::kActivate> m_global{}; // below the devices' own registers
    std::array<uint8_t, 0x100> m_monitor{};
};

} // namespace hmdx::sim
