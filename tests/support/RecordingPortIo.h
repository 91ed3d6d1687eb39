// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/PortIo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hmdx::test {

// Passes every call through to another port seam and writes it down, in order, as
// "out 0x295 0x4e", "in 0x296 0x80", "openPorts", "initBus 1 5a 92 90", ... It can also go bad
// the way a real bus does: the chip drops off it (every read floats to 0xFF, writes go
// nowhere), or its vendor register starts answering something else.
class RecordingPortIo : public PortIo {
public:
    enum class Fault { None, Gone, VendorChanged };

    explicit RecordingPortIo(PortIo& inner) : m_inner(inner) {}

    std::vector<std::string> calls;
    bool recording = true; // off, hours of ticks cost no memory
    Fault fault = Fault::None;
    uint16_t indexPort = 0x295; // the monitor's index port; its data port is one above

    // Only the in/out lines.
    std::vector<std::string> portAccesses() const;
    void clear() { calls.clear(); }

    int16_t openPorts() override;
    uint8_t inByte(uint16_t port) override;
    void outByte(uint16_t port, uint8_t value) override;
    int16_t initBus(int mode, uint8_t a, uint8_t b, uint8_t c) override;
    int16_t acquirePowerOffPrivilege() override;
    void releasePowerOffPrivilege() override;

private:
    void note(std::string call);

    PortIo& m_inner;
    uint8_t m_index = 0;
};

std::string PortLine(const char* direction, uint16_t port, uint8_t value);

} // namespace hmdx::test
