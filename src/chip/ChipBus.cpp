// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipBus.h"

#include "RegisterMap.h"

namespace hmdx {

ChipBus::ChipBus(PortIo& io) : indexPort(reg::kDefaultIndexPort), m_io(io) {}

void ChipBus::writeRegister(int reg, uint8_t value) {
    m_io.outByte(indexPort, uint8_t(reg));
    m_io.outByte(uint16_t(indexPort + 1), value);
}

uint8_t ChipBus::readRegister(int reg) {
    m_io.outByte(indexPort, uint8_t(reg));
    return m_io.inByte(uint16_t(indexPort + 1));
}

void ChipBus::selectBank(int bank) {
    const uint8_t keep = readRegister(reg::kBankSelect) & reg::kVendorHighByte;
    writeRegister(reg::kBankSelect, uint8_t(keep | (bank & reg::kBankMask)));
}

int32_t ChipBus::readVendorId() {
    selectBank(0);
    writeRegister(reg::kBankSelect, readRegister(reg::kBankSelect) | reg::kVendorHighByte);
    const int32_t high = readRegister(reg::kVendorId);
    writeRegister(reg::kBankSelect,
                  uint8_t(readRegister(reg::kBankSelect) & ~reg::kVendorHighByte));
    const int32_t low = readRegister(reg::kVendorId);
    return high * 256 + low;
}

void ChipBus::setBits(int reg, uint8_t bits) {
    writeRegister(reg, readRegister(reg) | bits);
}

void ChipBus::clearBits(int reg, uint8_t bits) {
    writeRegister(reg, uint8_t(readRegister(reg) & ~bits));
}

} // namespace hmdx
