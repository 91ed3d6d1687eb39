// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/Items.h"

#include <QtGlobal>
#include <array>
#include <string_view>

namespace hmdx {

// What the program knows of each monitored item, by item index 0..15; its kind is KindOf.
struct ItemInfo {
    std::string_view caption;       // main window row
    std::string_view configCaption; // configuration dialog row
    std::string_view formName;      // its warning dialog
    std::string_view warningCaption;
    std::string_view warningMessage;
};

extern const std::array<ItemInfo, kItemCount> kItems;

// The unit of an item's numbers, "V", "RPM" or "°C"; the case switch has none. The log and the
// rows' unit labels spell degrees a plain "C".
std::string_view UnitOf(ItemKind kind);
std::string_view PlainUnitOf(ItemKind kind);

// Item 0's message on a model with one core voltage.
inline constexpr std::string_view kSingleVcoreWarning =
    QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your Vcore Voltage exceed the limits");

} // namespace hmdx
