// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanOutputPanel.h"

#include "CurvePointFields.h"
#include "FanCurveEditor.h"
#include "FanStatusText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>

namespace hmdx {
namespace {

const char* const kModes[] = {QT_TRANSLATE_NOOP("hmdx::FanOutputPanel", "Full speed"),
                              QT_TRANSLATE_NOOP("hmdx::FanOutputPanel", "Fixed"),
                              QT_TRANSLATE_NOOP("hmdx::FanOutputPanel", "Curve")};

// What a curve starts from when the output has none yet.
const std::vector<CurvePoint> kFirstCurve{{30, 30}, {50, 60}, {70, 100}};

QSpinBox* MakeSpin(QWidget* parent, const char* name, int top, const QString& suffix) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, top);
    spin->setSuffix(suffix);
    return spin;
}

// Texts that change with the state wrap within the panel's width and never widen the window.
QLabel* MakeWrapping(QWidget* parent, const char* name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setWordWrap(true);
    return label;
}

} // namespace

FanOutputPanel::FanOutputPanel(const QString& title, const QStringList& sensors, QWidget* parent)
    : QGroupBox(title, parent) {
    mode = new QComboBox(this);
    mode->setObjectName(QStringLiteral("cboMode"));
    for (const char* text : kModes)
        mode->addItem(tr(text));
    sensor = new QComboBox(this);
    sensor->setObjectName(QStringLiteral("cboSensor"));
    sensor->addItems(sensors);
    duty = MakeSpin(this, "spnDuty", kMaxPercent, QStringLiteral(" %"));
    hysteresis = MakeSpin(this, "spnHysteresis", kMaxHysteresis, QStringLiteral(" \u00b0C"));
    minimum = MakeSpin(this, "spnMinimum", kMaxPercent, QStringLiteral(" %"));
    curve = new FanCurveEditor(this);
    point = new CurvePointFields(curve, this);
    unreachable = MakeWrapping(this, "lblUnreachable");
    unreachable->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    m_hint = MakeWrapping(this, "lblHint",
                          tr("Drag a point to move it, double-click to add one, right-click to "
                             "remove it. Keys: the arrows choose and move a point, Insert adds "
                             "one, Delete removes it."));
    now = MakeWrapping(this, "lblNow");
    failsafe = MakeWrapping(this, "lblFailsafe");

    auto* grid = new QGridLayout(this);
    const auto field = [&](int row, int column, const QString& text, QWidget* control) {
        auto* label = new QLabel(text, this);
        label->setBuddy(control);
        grid->addWidget(label, row, column);
        grid->addWidget(control, row, column + 1);
    };
    field(0, 0, tr("&Mode:"), mode);
    field(0, 2, tr("&Duty:"), duty);
    field(1, 0, tr("&Sensor:"), sensor);
    grid->addWidget(curve, 2, 0, 1, 5);
    grid->addWidget(point, 3, 0, 1, 5);
    grid->addWidget(unreachable, 4, 0, 1, 5);
    grid->addWidget(m_hint, 5, 0, 1, 5);
    field(6, 0, tr("&Hysteresis:"), hysteresis);
    field(6, 2, tr("M&inimum:"), minimum);
    grid->addWidget(now, 7, 0, 1, 5);
    grid->addWidget(failsafe, 8, 0, 1, 5);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(2, 1);

    connect(mode, &QComboBox::currentIndexChanged, this, &FanOutputPanel::enableForMode);
    connect(minimum, &QSpinBox::valueChanged, curve, &FanCurveEditor::setMinimum);
    connect(sensor, &QComboBox::currentIndexChanged, this, &FanOutputPanel::showFailsafeLine);
    connect(curve, &FanCurveEditor::pointsChanged, this, &FanOutputPanel::showFailsafeLine);
    enableForMode();
}

void FanOutputPanel::showSettings(const FanOutputSettings& s) {
    m_hadPoints = !s.points.empty();
    mode->setCurrentIndex(int(s.mode));
    duty->setValue(s.duty);
    sensor->setCurrentIndex(s.sensor - 1);
    hysteresis->setValue(s.hysteresis);
    minimum->setValue(s.minimum);
    curve->setCurve(m_hadPoints ? s.points : kFirstCurve, s.minimum);
    showFailsafeLine();
}

FanOutputSettings FanOutputPanel::settings() const {
    FanOutputSettings s;
    s.mode = FanMode(mode->currentIndex());
    s.duty = duty->value();
    s.sensor = sensor->currentIndex() + 1;
    if (m_hadPoints || s.mode == FanMode::Curve)
        s.points = curve->points();
    s.hysteresis = hysteresis->value();
    s.minimum = minimum->value();
    return s;
}

// A fixed duty is still judged by its sensor, so only full speed leaves the sensor unused.
void FanOutputPanel::enableForMode() {
    const auto m = FanMode(mode->currentIndex());
    duty->setEnabled(m == FanMode::Fixed);
    sensor->setEnabled(m != FanMode::Full);
    for (QWidget* w :
         std::initializer_list<QWidget*>{curve, point, unreachable, m_hint, hysteresis, minimum})
        w->setEnabled(m == FanMode::Curve);
}

void FanOutputPanel::showState(const FanOutputState& state, FanMode applied) {
    curve->setLive(state.controlTemperature);
    now->setText(FanStatusText::now(state, applied));
    const bool tripped = state.failsafe != FanFailsafe::None;
    failsafe->setText(FanStatusText::failsafe(state.failsafe));
    const QString style =
        tripped ? QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;") : QString();
    if (failsafe->styleSheet() != style) // a new sheet restyles the label even when the same
        failsafe->setStyleSheet(style);
}

void FanOutputPanel::showFailsafeLimits(const std::array<double, 3>& above) {
    m_failsafeAbove = above;
    showFailsafeLine();
}

void FanOutputPanel::showFailsafeLine() {
    const double above = m_failsafeAbove[size_t(std::clamp(sensor->currentIndex(), 0, 2))];
    curve->setFailsafeAbove(above);
    const QString text = curve->unreachable() == 0
                             ? QString()
                             : tr("Points above %1 °C are never reached: there the failsafe "
                                  "runs the fan at full speed.")
                                   .arg(FanStatusText::degrees(above));
    unreachable->setText(text);
    unreachable->setVisible(!text.isEmpty());
}

} // namespace hmdx
