// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsRecord.h"

#include <cstring>
#include <initializer_list>
#include <vector>

namespace hmdx::test {

using Bytes = std::vector<uint8_t>;

inline SettingsItemBytes EveryItem() {
    SettingsItemBytes all;
    all.fill(1);
    return all;
}

// The factory settings of a chip that has every item and can beep for each.
inline SettingsModel FactorySettings() {
    SettingsModel model;
    SetDefaultSettings(model, EveryItem(), EveryItem());
    return model;
}

// The settings as the 322 bytes of a settings file.
inline Bytes Record(const SettingsModel& model = FactorySettings()) {
    SettingsRecord record{};
    EncodeSettings(model, record);
    return {record.begin(), record.end()};
}

// Writes `values` one after another from `offset` (the test host is little-endian, like the
// file).
template <typename T> void Put(Bytes& bytes, std::size_t offset, std::initializer_list<T> values) {
    for (T v : values) {
        std::memcpy(bytes.data() + offset, &v, sizeof v);
        offset += sizeof v;
    }
}

} // namespace hmdx::test
