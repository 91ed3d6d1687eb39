#include "ChipBus.h"

#include "Registers.h"

namespace hmdx {

void ChipBus::WriteChipReg(int reg, uint8_t value) {
    m_io.OutPortB(ChipIndexPort, uint8_t(reg));
    m_io.OutPortB(uint16_t(ChipIndexPort + 1), value);
}

uint8_t ChipBus::ReadChipReg(int reg) {
    m_io.OutPortB(ChipIndexPort, uint8_t(reg));
    return m_io.InPortB(uint16_t(ChipIndexPort + 1));
}

void ChipBus::SelectBank(int bank) {
    const uint8_t keep = ReadChipReg(reg::kBankSelect) & reg::kVendorHighByte;
    WriteChipReg(reg::kBankSelect, uint8_t(keep | (bank & reg::kBankMask)));
}

int32_t ChipBus::ReadVendorID() {
    SelectBank(0);
    WriteChipReg(reg::kBankSelect, ReadChipReg(reg::kBankSelect) | reg::kVendorHighByte);
    const int32_t high = ReadChipReg(reg::kVendorId);
    WriteChipReg(reg::kBankSelect, ReadChipReg(reg::kBankSelect) & 0x7F);
    const int32_t low = ReadChipReg(reg::kVendorId);
    return high * 256 + low;
}

void ChipBus::setBits(int reg, uint8_t bits) {
    WriteChipReg(reg, ReadChipReg(reg) | bits);
}

void ChipBus::clearBits(int reg, uint8_t bits) {
    WriteChipReg(reg, uint8_t(ReadChipReg(reg) & ~bits));
}

} // namespace hmdx
