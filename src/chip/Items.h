// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace hmdx {

// Monitored items are numbered the same everywhere: 0..8 voltages, 9..11 fans,
// 12..14 temperatures, 15 case open.
inline constexpr int kItemCount = 16;
inline constexpr int kVoltItems = 9;
inline constexpr int kFirstFanItem = 9;
inline constexpr int kFirstTempItem = 12;
inline constexpr int kCaseOpenItem = 15;

enum class ItemKind { Voltage, Fan, Temperature, CaseOpen };

// Every kind test goes through here, so the numbering above is read in one place only.
constexpr ItemKind KindOf(int item) {
    if (item < kFirstFanItem)
        return ItemKind::Voltage;
    if (item < kFirstTempItem)
        return ItemKind::Fan;
    if (item < kCaseOpenItem)
        return ItemKind::Temperature;
    return ItemKind::CaseOpen;
}

// Fans and temperature sensors 0..2 and their items.
constexpr int FanIndex(int item) {
    return item - kFirstFanItem;
}
constexpr int TemperatureIndex(int item) {
    return item - kFirstTempItem;
}
constexpr int FanItem(int fan) {
    return kFirstFanItem + fan;
}
constexpr int TemperatureItem(int sensor) {
    return kFirstTempItem + sensor;
}

// Per-item switches are bytes holding 1 or 0, tested with "== 1".
using ItemBytes = std::array<uint8_t, kItemCount>;
using ItemFlags = std::array<bool, kItemCount>;

} // namespace hmdx
