// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsModel.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace hmdx {

// The data file holds exactly one record of this layout at offset 0, little-endian.
inline constexpr std::size_t kSettingsRecordSize = 322;
using SettingsRecord = std::array<uint8_t, kSettingsRecordSize>;

// Copies the used entries (voltage 0..8, fan and temperature 0..2, password, the four item
// arrays, vcoreFromVid) from the record. Items the chip lacks are switched off and items
// it cannot beep for lose their beep, whatever the record says.
void DecodeSettings(const SettingsRecord& record, SettingsModel& model,
                    const SettingsItemBytes& itemPresent, const SettingsItemBytes& itemBeepCapable);

// Copies the same entries into the record; the bytes of the spare entries stay as they are.
void EncodeSettings(const SettingsModel& model, SettingsRecord& record);

// Factory settings, with the same present/beep masking as a load.
void SetDefaultSettings(SettingsModel& model, const SettingsItemBytes& itemPresent,
                        const SettingsItemBytes& itemBeepCapable);

} // namespace hmdx
