#pragma once

#include "chip/PortIo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hmdx::test {

// Passes every call through to another port seam and writes it down, in order, as
// "out 0x295 0x4e", "in 0x296 0x80", "openPorts", "initBus 1 5a 92 90", ...
class RecordingPortIo : public PortIo {
public:
    explicit RecordingPortIo(PortIo& inner) : m_inner(inner) {}

    std::vector<std::string> calls;
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
    PortIo& m_inner;
};

std::string PortLine(const char* direction, uint16_t port, uint8_t value);

} // namespace hmdx::test
