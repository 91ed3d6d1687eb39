// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace hmdx {

class UpDown;

// What a screen reader makes of an up-down: a spin button with the limit it sets as its value
// (as the row shows it), that can be raised and lowered by its actions.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessible(UpDown* upDown);
    // Makes Qt use this class for every up-down; once is enough.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text which) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    UpDown* upDown() const;
};

} // namespace hmdx
