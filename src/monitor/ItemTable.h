// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/Items.h"

#include <QString>
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

// The case switch's name where the main window has no row name for it (events, metrics).
inline constexpr std::string_view kCaseOpenCaption = QT_TRANSLATE_NOOP("hmdx::Items", "Case open");

// An item's caption as people read it, in their language: the words are translated, the chip's
// signal names (Vcore, +5V, FAN1...) stay as they are. Logs and metrics keep the plain caption.
QString ShownCaption(int item);
QString ShownConfigCaption(int item);

// The unit of an item's numbers, "V", "RPM" or "°C"; the case switch has none. The log and the
// rows' unit labels spell degrees a plain "C".
std::string_view UnitOf(ItemKind kind);
std::string_view PlainUnitOf(ItemKind kind);
// The unit as people read it: "U/min" in German.
QString ShownUnit(ItemKind kind, bool plain = false);

// Item 0's message on a model with one core voltage.
inline constexpr std::string_view kSingleVcoreWarning =
    QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your Vcore Voltage exceed the limits");

} // namespace hmdx
