#pragma once

#include "chip/PortIo.h"

#include <cstdint>

namespace hmdx::test {

// A port seam between the program and the simulated chip that can go bad the way a real bus
// does: the chip drops off it (every read floats to 0xFF, writes go nowhere), or one of its
// identity registers starts answering something else.
class FaultyPorts : public PortIo {
public:
    enum class Fault { None, Gone, VendorChanged };

    explicit FaultyPorts(PortIo& inner) : m_inner(inner) {}

    Fault fault = Fault::None;
    uint16_t indexPort = 0x295; // the monitor's index port; its data port is one above

    int16_t openPorts() override { return m_inner.openPorts(); }
    uint8_t inByte(uint16_t port) override {
        const uint8_t value = m_inner.inByte(port);
        if (fault == Fault::Gone)
            return 0xFF;
        if (fault == Fault::VendorChanged && port == indexPort + 1u && m_index == kVendorReg)
            return uint8_t(value ^ 0x5A);
        return value;
    }
    void outByte(uint16_t port, uint8_t value) override {
        if (port == indexPort)
            m_index = value;
        if (fault != Fault::Gone)
            m_inner.outByte(port, value);
    }
    int16_t initBus(int mode, uint8_t a, uint8_t b, uint8_t c) override {
        return m_inner.initBus(mode, a, b, c);
    }
    int16_t acquirePowerOffPrivilege() override { return m_inner.acquirePowerOffPrivilege(); }
    void releasePowerOffPrivilege() override { m_inner.releasePowerOffPrivilege(); }

private:
    static constexpr uint8_t kVendorReg = 0x4F;
    PortIo& m_inner;
    uint8_t m_index = 0;
};

} // namespace hmdx::test
