// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpDownAccessible.h"

#include "UpDown.h"

namespace hmdx {

UpDownAccessible::UpDownAccessible(UpDown* upDown)
    : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

void UpDownAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& key, QObject* object) {
            auto* upDown =
                key == QLatin1String("hmdx::UpDown") ? qobject_cast<UpDown*>(object) : nullptr;
            return upDown ? static_cast<QAccessibleInterface*>(new UpDownAccessible(upDown))
                          : nullptr;
        });
        return true;
    }();
    (void)installed;
}

UpDown* UpDownAccessible::upDown() const {
    return static_cast<UpDown*>(widget());
}

void* UpDownAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString UpDownAccessible::text(QAccessible::Text which) const {
    if (which == QAccessible::Value)
        return upDown()->shownValue();
    return QAccessibleWidget::text(which);
}

QStringList UpDownAccessible::actionNames() const {
    return {increaseAction(), decreaseAction()};
}

void UpDownAccessible::doAction(const QString& action) {
    if (action == increaseAction())
        upDown()->stepUp();
    else if (action == decreaseAction())
        upDown()->stepDown();
}

QVariant UpDownAccessible::currentValue() const {
    return upDown()->value();
}

// Step by step, as the arrows go: each step is one the chip can hold.
void UpDownAccessible::setCurrentValue(const QVariant& value) {
    const int target = value.toInt();
    for (int before = upDown()->value() + 1; upDown()->value() != before;) {
        before = upDown()->value();
        if (target > before)
            upDown()->stepUp();
        else if (target < before)
            upDown()->stepDown();
    }
}

QVariant UpDownAccessible::maximumValue() const {
    return upDown()->maximum();
}

QVariant UpDownAccessible::minimumValue() const {
    return upDown()->minimum();
}

QVariant UpDownAccessible::minimumStepSize() const {
    return 1;
}

} // namespace hmdx
