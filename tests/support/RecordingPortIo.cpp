// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingPortIo.h"

#include <cstdio>

namespace hmdx::test {

std::string PortLine(const char* direction, uint16_t port, uint8_t value) {
    char line[32];
    std::snprintf(line, sizeof line, "%s 0x%x 0x%02x", direction, unsigned(port), unsigned(value));
    return line;
}

std::vector<std::string> RecordingPortIo::portAccesses() const {
    std::vector<std::string> lines;
    for (const std::string& call : calls)
        if (call.rfind("in ", 0) == 0 || call.rfind("out ", 0) == 0)
            lines.push_back(call);
    return lines;
}

void RecordingPortIo::note(std::string call) {
    if (recording)
        calls.push_back(std::move(call));
}

int16_t RecordingPortIo::openPorts() {
    note("openPorts");
    return m_inner.openPorts();
}

uint8_t RecordingPortIo::inByte(uint16_t port) {
    uint8_t value = m_inner.inByte(port);
    if (fault == Fault::Gone)
        value = 0xFF;
    else if (fault == Fault::VendorChanged && port == indexPort + 1u && m_index == 0x4F)
        value ^= 0x5A;
    note(PortLine("in", port, value));
    return value;
}

void RecordingPortIo::outByte(uint16_t port, uint8_t value) {
    note(PortLine("out", port, value));
    if (port == indexPort)
        m_index = value;
    if (fault != Fault::Gone)
        m_inner.outByte(port, value);
}

int16_t RecordingPortIo::initBus(int mode, uint8_t a, uint8_t b, uint8_t c) {
    char line[48];
    std::snprintf(line, sizeof line, "initBus %d %02x %02x %02x", mode, a, b, c);
    note(line);
    return m_inner.initBus(mode, a, b, c);
}

int16_t RecordingPortIo::acquirePowerOffPrivilege() {
    note("acquirePowerOffPrivilege");
    return m_inner.acquirePowerOffPrivilege();
}

void RecordingPortIo::releasePowerOffPrivilege() {
    note("releasePowerOffPrivilege");
    m_inner.releasePowerOffPrivilege();
}

} // namespace hmdx::test
