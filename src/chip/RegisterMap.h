// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Items.h"

#include <array>
#include <cstdint>

// Every register number and bit of the monitor chip and its Super I/O host. Code above the chip
// layer never sees these: it asks the chip routines by item and by name.
namespace hmdx::reg {

// Where the monitor answers when no Super I/O places it: its index port, the data port above.
inline constexpr uint16_t kDefaultIndexPort = 0x295;

inline constexpr int kConfig = 0x40; // bit 0: monitoring running
inline constexpr uint8_t kStartBit = 0x01;
inline constexpr int kIntStatus1 = 0x41;
inline constexpr int kIntStatus2 = 0x42; // bit 4: case opened
inline constexpr uint8_t kCaseOpenBit = 0x10;
inline constexpr int kCaseClear = 0x46; // bit 7: clear the case-open latch
inline constexpr uint8_t kCaseClearBit = 0x80;
inline constexpr int kVidFanDiv = 0x47; // bits 0-3 CPU VID, bits 4-7 fan 1/2 divisor
inline constexpr uint8_t kVidLowBits = 0x0F;
inline constexpr uint8_t kFan12Divisor8 = 0xF0;
inline constexpr int kSerialBusAddress = 0x48;
inline constexpr int kVid4 = 0x49; // bit 0: CPU VID bit 4
inline constexpr uint8_t kVid4Bit = 0x01;
inline constexpr int kFanDiv3 = 0x4B; // bits 6-7 fan 3 divisor
inline constexpr uint8_t kFan3Divisor8 = 0xC0;
inline constexpr int kFanPinExtra = 0x4C;   // bit 7: fan pins as inputs (HMC)
inline constexpr int kFanPinControl = 0x4D; // fan input bits; bit 7 set at start-up
inline constexpr uint8_t kFanPinStartBit = 0x80;
inline constexpr uint8_t kFan1Input = 0x01;
inline constexpr uint8_t kFan2Input = 0x04;
inline constexpr uint8_t kFan3Input = 0x10;
inline constexpr uint8_t kFan3InputMask = 0xCF; // clears bits 4 and 5
inline constexpr int kBankSelect = 0x4E;        // bits 0-2 bank, bit 7 vendor-ID byte select
inline constexpr int kVendorId = 0x4F;
inline constexpr int kBeep1 = 0x56;
inline constexpr int kBeep2 = 0x57; // bit 7: global beep enable
inline constexpr uint8_t kGlobalBeepEnable = 0x80;
inline constexpr int kChipId = 0x58;
// The PWM outputs; which fan each drives is the model's (ChipModels).
inline constexpr int kPwm1 = 0x5A;
inline constexpr int kPwm2 = 0x5B;
inline constexpr int kFan3PinAlt = 0x5C; // bit 3: fan 3 pin as input (HMC)
inline constexpr uint8_t kFan3PinAltBit = 0x08;
inline constexpr int kMonitor5D = 0x5D; // bit 0 follows monitoring on some models
inline constexpr int kBeepBank = 4;
inline constexpr int kBeep3Bank4 = 0x53; // in bank 4: Vsb (bit 0), Vbat (bit 1)

inline constexpr uint8_t kBankMask = 0x07;
// Only 0x50..0x5F exist once per bank; every other register is one seen from all banks.
inline constexpr int kFirstBanked = 0x50;
inline constexpr int kLastBanked = 0x5F;
inline constexpr uint8_t kVendorHighByte = 0x80;
inline constexpr int32_t kExpectedVendor = 0x5CA3;

// Fans: the count of one turn, and its limit.
inline constexpr int kFanCount = 0x28;      // + fan 0..2, bank 0
inline constexpr int kFanCountLimit = 0x3B; // + fan 0..2, bank 0

// Each voltage item's reading and limit registers.
struct VoltageRegisters {
    int bank;
    int reading;
    int high;
    int low;
};
inline constexpr std::array<VoltageRegisters, kVoltItems> kVoltage{{
    {0, 0x20, 0x2B, 0x2C},
    {0, 0x21, 0x2D, 0x2E},
    {0, 0x22, 0x2F, 0x30},
    {0, 0x23, 0x31, 0x32},
    {0, 0x24, 0x33, 0x34},
    {0, 0x25, 0x35, 0x36},
    {0, 0x26, 0x37, 0x38},
    {5, 0x50, 0x54, 0x55},
    {5, 0x51, 0x56, 0x57},
}};

// Each temperature's reading and limits. Temperature 0 holds whole degrees in one register
// each; 1 and 2 hold half degrees as 9-bit numbers, the half in bit 7 of a second register.
struct TemperatureRegisters {
    int bank;
    int reading, readingHalf;
    int high, highHalf;
    int hysteresis, hysteresisHalf;
};
inline constexpr int kNone = -1;
inline constexpr std::array<TemperatureRegisters, 3> kTemperature{{
    {0, 0x27, kNone, 0x39, kNone, 0x3A, kNone},
    {1, 0x50, 0x51, 0x55, 0x56, 0x53, 0x54},
    {2, 0x50, 0x51, 0x55, 0x56, 0x53, 0x54},
}};
inline constexpr uint8_t kHalfDegreeBit = 0x80;

// Where each item's beep-enable bit lives, by item index.
enum class BeepRegister { Beep1, Beep2, Beep3 };
struct BeepBit {
    BeepRegister reg;
    uint8_t bit;
};
inline constexpr std::array<BeepBit, kItemCount> kBeepBits{{
    {BeepRegister::Beep1, 0}, // VcoreA
    {BeepRegister::Beep1, 1}, // VcoreB
    {BeepRegister::Beep1, 2}, // +3.3V
    {BeepRegister::Beep1, 3}, // +5V
    {BeepRegister::Beep2, 0}, // +12V
    {BeepRegister::Beep2, 1}, // -12V
    {BeepRegister::Beep2, 2}, // -5V
    {BeepRegister::Beep3, 0}, // Vsb
    {BeepRegister::Beep3, 1}, // Vbat
    {BeepRegister::Beep1, 6}, // Fan1
    {BeepRegister::Beep1, 7}, // Fan2
    {BeepRegister::Beep2, 3}, // Fan3
    {BeepRegister::Beep1, 4}, // Temp1
    {BeepRegister::Beep1, 5}, // Temp2
    {BeepRegister::Beep2, 5}, // Temp3
    {BeepRegister::Beep2, 4}, // Case open
}};

} // namespace hmdx::reg

namespace hmdx::sio {

// Where a Super I/O answers, in the order start-up asks: its index port, the data port above.
inline constexpr uint16_t kFirstConfigPort = 0x2E;
inline constexpr uint16_t kSecondConfigPort = 0x4E;
inline constexpr uint16_t kConfigPorts[] = {kFirstConfigPort, kSecondConfigPort};
inline constexpr uint8_t kEntryKey = 0x87; // twice to enter the configuration mode
inline constexpr uint8_t kExitKey = 0xAA;
inline constexpr int kLogicalDeviceSelect = 0x07;
inline constexpr int kDeviceId = 0x20;
inline constexpr int kRevision = 0x21;
inline constexpr int kActivate = 0x30; // the first of the selected device's own registers
inline constexpr int kBaseHigh = 0x60;
inline constexpr int kBaseLow = 0x61;
inline constexpr uint8_t kMonitorDevice = 0x0B;
inline constexpr uint8_t kExpectedDeviceId = 0x52;
inline constexpr uint8_t kRevisionMonitorBit = 0x10;

} // namespace hmdx::sio
