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

// Per-item switches are bytes holding 1 or 0, tested with "== 1".
using ItemBytes = std::array<uint8_t, kItemCount>;
using ItemFlags = std::array<bool, kItemCount>;

} // namespace hmdx
