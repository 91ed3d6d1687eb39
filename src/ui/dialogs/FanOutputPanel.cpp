// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanOutputPanel.h"

#include "FanCurveEditor.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

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
    m_hint = new QLabel(tr("Drag a point to move it; double-click to add one; right-click a "
                           "point to remove it."),
                        this);
    m_hint->setWordWrap(true);
    now = new QLabel(this);
    now->setObjectName(QStringLiteral("lblNow"));
    failsafe = new QLabel(this);
    failsafe->setObjectName(QStringLiteral("lblFailsafe"));

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
    grid->addWidget(m_hint, 3, 0, 1, 5);
    field(4, 0, tr("&Hysteresis:"), hysteresis);
    field(4, 2, tr("M&inimum:"), minimum);
    grid->addWidget(now, 5, 0, 1, 5);
    grid->addWidget(failsafe, 6, 0, 1, 5);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(2, 1);

    connect(mode, &QComboBox::currentIndexChanged, this, &FanOutputPanel::enableForMode);
    connect(minimum, &QSpinBox::valueChanged, curve, &FanCurveEditor::setMinimum);
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
    for (QWidget* w : std::initializer_list<QWidget*>{curve, m_hint, hysteresis, minimum})
        w->setEnabled(m == FanMode::Curve);
}

void FanOutputPanel::showState(const FanOutputState& state) {
    const auto& t = state.controlTemperature;
    curve->setLive(t ? std::optional<QPointF>({*t, state.duty}) : std::nullopt);
    if (!state.controlled) {
        now->setText(tr("Not controlled: the output stays at full speed."));
    } else {
        const QLocale locale; // "33,0 °C" in German, as the main window's numbers
        const QString text = t ? tr("Control temperature %1 °C, duty %2 %, output %3 of 255")
                                     .arg(locale.toString(*t, 'f', 1))
                               : tr("Duty %2 %, output %3 of 255");
        now->setText(text.arg(locale.toString(state.duty, 'f', 0)).arg(state.written));
    }
    const bool tripped = state.failsafe != FanFailsafe::None;
    const std::string_view why = Describe(state.failsafe);
    failsafe->setText(tripped ? tr("Failsafe: full speed, %1.")
                                    .arg(QCoreApplication::translate("hmdx::FanFailsafe",
                                                                     std::string(why).c_str()))
                              : tr("Failsafe: not active."));
    const QString style =
        tripped ? QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;") : QString();
    if (failsafe->styleSheet() != style) // a new sheet restyles the label even when the same
        failsafe->setStyleSheet(style);
}

} // namespace hmdx
