// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace hmdx {

// The data file's 16-bit booleans.
inline constexpr int16_t kFileTrue = -1;
inline constexpr int16_t kFileFalse = 0;

using SettingsItemBytes = std::array<uint8_t, 16>;
inline constexpr std::size_t kVoltageSettings = 9, kFanSettings = 3, kTemperatureSettings = 3;

// The user's settings as the program works with them, item by item: nine voltages, three fans,
// three temperatures; the switches for all sixteen items. The record's spare entries (it has
// room for one more of each) are kept by the record, not here.
struct SettingsModel {
    std::array<float, kVoltageSettings> voltageScaleLow{};
    std::array<float, kVoltageSettings> voltageScaleHigh{};
    std::array<float, kVoltageSettings> voltageLow{};
    std::array<float, kVoltageSettings> voltageHigh{};
    std::array<float, kVoltageSettings> voltageFactor{};
    std::array<int16_t, kFanSettings> fanDivisor{};
    std::array<int16_t, kFanSettings> fanCountLimit{};
    std::array<float, kTemperatureSettings> temperatureLow{};
    std::array<float, kTemperatureSettings> temperatureHigh{};
    std::array<char, 8> password{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}; // space padded
    SettingsItemBytes monitored{};
    SettingsItemBytes warnAtOnce{};
    SettingsItemBytes warnAfterThree{};
    SettingsItemBytes beep{};
    int16_t vcoreFromVid = 0; // -1 True, 0 False

    bool operator==(const SettingsModel&) const = default;
};

// A switch counts as on only when its byte is 1, whatever else a file may hold.
inline bool IsMonitored(const SettingsModel& s, int item) {
    return s.monitored[std::size_t(item)] == 1;
}
inline bool WarnsAtOnce(const SettingsModel& s, int item) {
    return s.warnAtOnce[std::size_t(item)] == 1;
}
inline bool WarnsAfterThree(const SettingsModel& s, int item) {
    return s.warnAfterThree[std::size_t(item)] == 1;
}
inline bool Beeps(const SettingsModel& s, int item) {
    return s.beep[std::size_t(item)] == 1;
}

} // namespace hmdx
