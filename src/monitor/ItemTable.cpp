// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemTable.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <string>

namespace hmdx {
namespace {

constexpr std::string_view kWarning = QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Warning !!!");
// The standby and battery dialogs spell it without the blank; users know them that way.
constexpr std::string_view kWarningTight = QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Warning!!!");

} // namespace

// Message texts are kept letter for letter, double blanks included: users know them.
constexpr std::array<ItemInfo, kItemCount> kItems{{
    {"Vcore", "VCore", "frmVcoreA", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your Vcore voltage exceed the limits.")},
    {"VcoreB", "VCoreB", "frmVcoreB", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your VcoreB voltage exceed the limits.")},
    {"+3.3V", "+3.3V", "frmV33", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your  +3.3V voltage exceed the limits.")},
    {"+5V", "+5V", "frmVp5", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your +5V voltage exceed the limits.")},
    {"+12V", "+12V", "frmVp12", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your +12V voltage exceed the limits.")},
    {"-12V", "-12V", "frmVn12", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your -12V voltage exceed the limits.")},
    {"-5V", "-5V", "frmVn5", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your -5V voltage exceed the limits.")},
    {"5Vsb", "5Vsb", "frmVsb", kWarningTight,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your 5Vsb voltage exceed the limits.")},
    {"Vbat", "Vbat", "frmVbat", kWarningTight,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your Vbat voltage exceed the limits.")},
    {"CPU FAN", "CPU FAN", "frmFan1", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your CPU FAN Speed exceed the limits.")},
    {"FAN1", "FAN1", "frmFan2", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your FAN1 Speed exceed the limits.")},
    {"FAN2", "FAN2", "frmFan3", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your Fan 3 Speed exceed the limits.")},
    {QT_TRANSLATE_NOOP("hmdx::Items", "System"), "System", "frmTemp1", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your system temperature exceed the limits.")},
    {"CPU", "CPU", "frmTemp2", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your CPU  temperature exceed the limits.")},
    {QT_TRANSLATE_NOOP("hmdx::Items", "Other"), "Other", "frmTemp3", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog",
                       "Your certain device temperature exceed the limits.")},
    // The case switch has no row name in the main window, only its status line.
    {"", QT_TRANSLATE_NOOP("hmdx::Items", "Case Open"), "frmCaseOpen", kWarning,
     QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Your PC Case has been opened.")},
}};

namespace {

QString translated(std::string_view caption) {
    return QCoreApplication::translate("hmdx::Items", std::string(caption).c_str());
}

} // namespace

QString ShownCaption(int item) {
    return translated(item == kCaseOpenItem ? kCaseOpenCaption : kItems[size_t(item)].caption);
}

QString ShownConfigCaption(int item) {
    return translated(kItems[size_t(item)].configCaption);
}

QString ShownUnit(ItemKind kind, bool plain) {
    return translated(plain ? PlainUnitOf(kind) : UnitOf(kind));
}

std::string_view UnitOf(ItemKind kind) {
    return kind == ItemKind::Temperature ? "°C" : PlainUnitOf(kind);
}

std::string_view PlainUnitOf(ItemKind kind) {
    switch (kind) {
    case ItemKind::Voltage:
        return "V";
    case ItemKind::Fan:
        return QT_TRANSLATE_NOOP("hmdx::Items", "RPM");
    case ItemKind::Temperature:
        return "C";
    case ItemKind::CaseOpen:
        break;
    }
    return {};
}

} // namespace hmdx
