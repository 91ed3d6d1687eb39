// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurvePointFields.h"

#include "FanCurveEditor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace hmdx {
namespace {

QSpinBox* MakeSpin(QWidget* parent, const char* name, int bottom, int top, const QString& suffix) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(bottom, top);
    spin->setSuffix(suffix);
    // Typed digits would each move the point and be fenced in before the number is whole.
    spin->setKeyboardTracking(false);
    return spin;
}

} // namespace

CurvePointFields::CurvePointFields(FanCurveEditor* editor, QWidget* parent)
    : QWidget(parent), m_editor(editor) {
    celsius = MakeSpin(this, "spnPointTemperature", kColdestSensorReading, kHottestSensorReading,
                       QStringLiteral(" \u00b0C"));
    percent = MakeSpin(this, "spnPointDuty", 0, kMaxPercent, QStringLiteral(" %"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(tr("Chosen point:"), this));
    const auto field = [&](const QString& text, QSpinBox* spin) {
        auto* label = new QLabel(text, this);
        label->setBuddy(spin);
        row->addWidget(label);
        row->addWidget(spin);
    };
    field(tr("&Temperature:"), celsius);
    field(tr("D&uty:"), percent);
    row->addStretch(1);

    connect(editor, &FanCurveEditor::chosenChanged, this, &CurvePointFields::showChosen);
    connect(editor, &FanCurveEditor::pointsChanged, this, &CurvePointFields::showChosen);
    connect(celsius, &QSpinBox::valueChanged, this, &CurvePointFields::moveChosen);
    connect(percent, &QSpinBox::valueChanged, this, &CurvePointFields::moveChosen);
    showChosen();
}

void CurvePointFields::showChosen() {
    const int i = m_editor->chosen();
    const QSignalBlocker a(celsius), b(percent);
    celsius->setEnabled(i >= 0);
    percent->setEnabled(i >= 0);
    if (i < 0)
        return;
    const CurvePoint& p = m_editor->points()[size_t(i)];
    celsius->setValue(p.celsius);
    percent->setValue(p.percent);
}

// A refused entry (a neighbour in the way) snaps back to where the point is.
void CurvePointFields::moveChosen() {
    if (!m_editor->movePoint(m_editor->chosen(), QPointF(celsius->value(), percent->value())))
        showChosen();
}

} // namespace hmdx
