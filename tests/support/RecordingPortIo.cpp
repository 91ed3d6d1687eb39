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

int16_t RecordingPortIo::LoadPortGateVxD() {
    calls.emplace_back("LoadPortGateVxD");
    return m_inner.LoadPortGateVxD();
}

uint8_t RecordingPortIo::InPortB(uint16_t port) {
    const uint8_t value = m_inner.InPortB(port);
    calls.push_back(PortLine("in", port, value));
    return value;
}

void RecordingPortIo::OutPortB(uint16_t port, uint8_t value) {
    calls.push_back(PortLine("out", port, value));
    m_inner.OutPortB(port, value);
}

int16_t RecordingPortIo::InitialBus(int mode, uint8_t a, uint8_t b, uint8_t c) {
    char line[48];
    std::snprintf(line, sizeof line, "InitialBus %d %02x %02x %02x", mode, a, b, c);
    calls.emplace_back(line);
    return m_inner.InitialBus(mode, a, b, c);
}

int16_t RecordingPortIo::EnablePri() {
    calls.emplace_back("EnablePri");
    return m_inner.EnablePri();
}

void RecordingPortIo::DisablePri() {
    calls.emplace_back("DisablePri");
    m_inner.DisablePri();
}

} // namespace hmdx::test
