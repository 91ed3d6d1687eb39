// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace hmdx {

// The data file's 16-bit booleans.
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;

using SettingsItemBytes = std::array<uint8_t, 16>;

// The user's settings as the program works with them. Every array is one entry longer than
// used (voltage 0..9, fan and temperature 0..3); the spare entries are never read or written
// by the settings file code, whose record keeps their bytes instead.
struct SettingsModel {
    std::array<float, 10> VoltScaleMin{};
    std::array<float, 10> VoltScaleMax{};
    std::array<float, 10> VoltLoLimit{};
    std::array<float, 10> VoltHiLimit{};
    std::array<float, 10> VoltFactor{};
    std::array<int16_t, 4> FanDivisor{};
    std::array<int16_t, 4> FanCountLimit{};
    std::array<float, 4> TempLoLimit{};
    std::array<float, 4> TempHiLimit{};
    std::array<char, 8> Password{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}; // space padded
    SettingsItemBytes ItemEnabled{};
    SettingsItemBytes ItemWarnOpt1{};
    SettingsItemBytes ItemWarnOpt3{};
    SettingsItemBytes ItemBeep{};
    int16_t VcoreFromVID = 0; // -1 True, 0 False

    bool operator==(const SettingsModel&) const = default;
};

} // namespace hmdx
