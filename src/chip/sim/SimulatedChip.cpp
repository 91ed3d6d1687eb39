// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatedChip.h"

#include "chip/ChipProgramming.h"
#include "chip/RegisterMap.h"

#include <algorithm>
#include <cstdio>

namespace hmdx::sim {
namespace {

constexpr int kAnyBank = -1;

struct RegisterValue {
    int bank;
    int reg;
    uint8_t value;
};

// What the chip holds when the program starts, apart from readings, chip ID and VID pins.
constexpr RegisterValue kPowerOn[] = {
    {0, reg::kConfig, reg::kStartBit},         // monitoring running
    {0, reg::kVidFanDiv, reg::kFan12Divisor8}, // fans 1 and 2 at divisor 8
    {0, reg::kSerialBusAddress, 0x2D},         // as the chip comes up
    {0, reg::kFanDiv3, reg::kFan3Divisor8},    // fan 3 at divisor 8
    {0, reg::kFanPinControl, reg::kFan1Input | reg::kFan2Input | reg::kFan3Input},
    {0, reg::kBankSelect, reg::kVendorHighByte}, // bank 0, the vendor's high byte
    {0, reg::kPwm1, kFullDuty},                  // PWM outputs at full speed
    {0, reg::kPwm2, kFullDuty},                  //
    {1, reg::kTemperature[1].hysteresis, 75},    // Temp2 hysteresis and overtemperature
    {1, reg::kTemperature[1].high, 80},          //
    {2, reg::kTemperature[2].hysteresis, 75},    // Temp3
    {2, reg::kTemperature[2].high, 80},          //
};

// Bits the program cannot change: status and identity registers, and the VID pins.
constexpr RegisterValue kFixedBits[] = {
    {kAnyBank, reg::kIntStatus1, 0xFF},    {kAnyBank, reg::kIntStatus2, 0xFF},
    {kAnyBank, reg::kVendorId, 0xFF},      {kAnyBank, reg::kVidFanDiv, reg::kVidLowBits},
    {kAnyBank, reg::kVid4, reg::kVid4Bit}, {0, reg::kChipId, 0xFF},
};

bool SetsFanDivisor(int reg) {
    return reg == reg::kVidFanDiv || reg == reg::kFanDiv3;
}

uint8_t FixedBits(int bank, int reg) {
    for (const auto& rule : kFixedBits)
        if (rule.reg == reg && (rule.bank == kAnyBank || rule.bank == bank))
            return rule.value;
    return 0x00;
}

std::optional<SimulatedSuperIo> SuperIoOf(const Scenario& scenario) {
    const uint16_t port = scenario.effectiveSuperIoPort();
    if (port == 0)
        return std::nullopt;
    return SimulatedSuperIo(port, scenario.base, scenario.activate);
}

} // namespace

SimulatedChip::SimulatedChip(const Scenario& scenario)
    : m_scenario(scenario), m_profile(&ProfileOrDefault(scenario.model)),
      m_readings(*m_profile, !scenario.hold), m_superIo(SuperIoOf(scenario)),
      m_pending(scenario.writes) {
    std::stable_sort(m_pending.begin(), m_pending.end(),
                     [](const auto& a, const auto& b) { return a.atSecond < b.atSecond; });
    powerOn();
    applyDueWrites();
}

void SimulatedChip::powerOn() {
    for (const auto& cell : kPowerOn)
        m_regs.at(cell.bank, cell.reg) = cell.value;
    m_regs.at(0, reg::kChipId) = m_scenario.effectiveChipId();
    m_regs.at(0, reg::kVidFanDiv) |= kDemoVid & reg::kVidLowBits;
    m_regs.at(0, reg::kVid4) |= (kDemoVid >> 4) & reg::kVid4Bit;
    if (m_profile->monitorBit5D)
        m_regs.at(0, reg::kMonitor5D) |= reg::kStartBit;
    m_readings.writeAll(m_regs);
}

void SimulatedChip::reset() {
    m_regs = RegisterFile{};
    m_index = 0;
    powerOn();
    for (const ScheduledWrite& write : m_pending)
        if (write.atSecond == 0 && write.action == ScheduledWrite::Action::Set)
            poke(write.bank, write.reg, write.value);
}

void SimulatedChip::advanceTo(int second) {
    while (m_second < second) {
        ++m_second;
        // Readings only change while the chip converts.
        if (!m_scenario.hold && monitoring())
            m_readings.drift(m_regs);
        applyDueWrites();
    }
}

void SimulatedChip::applyDueWrites() {
    for (; m_nextWrite < m_pending.size() && m_pending[m_nextWrite].atSecond <= m_second;
         ++m_nextWrite) {
        const ScheduledWrite& write = m_pending[m_nextWrite];
        if (write.action == ScheduledWrite::Action::Set) {
            poke(write.bank, write.reg, write.value);
            continue;
        }
        if (write.action == ScheduledWrite::Action::Sleep) {
            if (onSleep)
                onSleep();
            continue;
        }
        reset();
        if (write.action == ScheduledWrite::Action::Resume && onResume)
            onResume();
    }
}

bool SimulatedChip::monitoring() const {
    return m_regs.at(0, reg::kConfig) & reg::kStartBit;
}

std::optional<uint16_t> SimulatedChip::monitorIndexPort() const {
    if (!m_superIo)
        return reg::kDefaultIndexPort;
    // An inactive logical device does not decode its ports at all.
    if (!m_superIo->monitorActive())
        return std::nullopt;
    return uint16_t((m_superIo->monitorBase() & ~7) + 5);
}

uint8_t SimulatedChip::in(uint16_t port) {
    if (m_superIo && m_superIo->decodes(port))
        return m_superIo->in(port);
    const std::optional<uint16_t> index = monitorIndexPort();
    if (index && port == *index)
        return m_index;
    if (index && port == *index + 1)
        return peek(m_regs.selectedBank(), m_index);
    return 0xFF;
}

void SimulatedChip::out(uint16_t port, uint8_t value) {
    if (m_superIo && m_superIo->decodes(port)) {
        m_superIo->out(port, value);
        return;
    }
    const std::optional<uint16_t> index = monitorIndexPort();
    if (index && port == *index)
        m_index = value;
    else if (index && port == *index + 1)
        writeRegister(m_index, value);
}

void SimulatedChip::writeRegister(int reg, uint8_t value) {
    const int bank = m_regs.selectedBank();
    const uint8_t fixed = FixedBits(bank, reg);
    uint8_t& cell = m_regs.at(bank, reg);
    cell = uint8_t((cell & fixed) | (value & ~fixed));
    if (reg == reg::kCaseClear && (value & reg::kCaseClearBit))
        m_regs.at(0, reg::kIntStatus2) &= uint8_t(~reg::kCaseOpenBit);
    if (SetsFanDivisor(reg) || m_readings.drivesFans(bank, reg))
        m_readings.writeFans(m_regs);
}

uint8_t SimulatedChip::peek(int bank, int reg) const {
    if (!RegisterFile::isValid(bank, reg))
        return 0xFF;
    if (reg == reg::kVendorId) {
        const bool high = m_regs.at(0, reg::kBankSelect) & reg::kVendorHighByte;
        return uint8_t(high ? m_scenario.vendor >> 8 : m_scenario.vendor & 0xFF);
    }
    return m_regs.at(bank, reg);
}

void SimulatedChip::poke(int bank, int reg, uint8_t value) {
    if (!RegisterFile::isValid(bank, reg))
        return;
    m_regs.at(bank, reg) = value;
    m_readings.follow(m_regs, bank, reg);
    if (SetsFanDivisor(reg) || m_readings.drivesFans(bank, reg))
        m_readings.writeFans(m_regs);
}

uint8_t SimulatedChip::peekSio(int reg) const {
    return m_superIo ? m_superIo->monitorReg(reg) : 0xFF;
}

std::string SimulatedChip::dump(long long portAccesses) const {
    std::string text;
    text.reserve(RegisterFile::kBanks * 256 * 8 + 64);
    char line[48];
    for (int bank = 0; bank < RegisterFile::kBanks; ++bank)
        for (int reg = 0; reg <= 0xFF; ++reg) {
            std::snprintf(line, sizeof line, "%d:%02x %02x\n", bank, reg, peek(bank, reg));
            text += line;
        }
    if (m_superIo)
        for (int reg : {sio::kActivate, sio::kBaseHigh, sio::kBaseLow}) {
            std::snprintf(line, sizeof line, "sio:%02x %02x\n", reg, peekSio(reg));
            text += line;
        }
    std::snprintf(line, sizeof line, "shutdown %d\nports %lld\n", m_powerOffRequests, portAccesses);
    return text + line;
}

} // namespace hmdx::sim
