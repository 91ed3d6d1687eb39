#pragma once

#include <cstdint>

// Register numbers of the monitor chip that more than one routine needs. Per-item tables
// (readings, limits, beep bits) live beside the code that walks them.
namespace hmdx::reg {

inline constexpr int kConfig = 0x40; // bit 0: monitoring running
inline constexpr int kIntStatus1 = 0x41;
inline constexpr int kIntStatus2 = 0x42;    // bit 4: case opened
inline constexpr int kCaseClear = 0x46;     // bit 7: clear the case-open latch
inline constexpr int kVidFanDiv = 0x47;     // bits 0-3 CPU VID, bits 4-7 fan 1/2 divisor
inline constexpr int kVid4 = 0x49;          // bit 0: CPU VID bit 4
inline constexpr int kFanDiv3 = 0x4B;       // bits 6-7 fan 3 divisor
inline constexpr int kFanPinControl = 0x4D; // fan input bits; bit 7 set at start-up
inline constexpr int kBankSelect = 0x4E;    // bits 0-2 bank, bit 7 vendor-ID byte select
inline constexpr int kVendorId = 0x4F;
inline constexpr int kBeep1 = 0x56;
inline constexpr int kBeep2 = 0x57; // bit 7: global beep enable
inline constexpr int kChipId = 0x58;
inline constexpr int kMonitor5D = 0x5D;  // bit 0 follows monitoring on some models
inline constexpr int kBeep3Bank4 = 0x53; // in bank 4: Vsb (bit 0), Vbat (bit 1)

inline constexpr uint8_t kBankMask = 0x07;
inline constexpr uint8_t kVendorHighByte = 0x80;
inline constexpr int32_t kExpectedVendor = 0x5CA3;

} // namespace hmdx::reg

namespace hmdx::sio {

inline constexpr uint8_t kEntryKey = 0x87;
inline constexpr int kLogicalDeviceSelect = 0x07;
inline constexpr int kDeviceId = 0x20;
inline constexpr int kRevision = 0x21;
inline constexpr int kActivate = 0x30;
inline constexpr int kBaseHigh = 0x60;
inline constexpr int kBaseLow = 0x61;
inline constexpr uint8_t kMonitorDevice = 0x0B;
inline constexpr uint8_t kExpectedDeviceId = 0x52;
inline constexpr uint8_t kRevisionMonitorBit = 0x10;

} // namespace hmdx::sio
