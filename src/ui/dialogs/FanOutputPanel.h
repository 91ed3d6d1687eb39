// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/FanControl.h"

#include <QGroupBox>
#include <QStringList>
#include <array>

class QComboBox;
class QLabel;
class QSpinBox;

namespace hmdx {

class CurvePointFields;
class FanCurveEditor;

// One PWM output in the Fan Control window: its settings as the user sets them, and what
// control does with the output now.
class FanOutputPanel : public QGroupBox {
    Q_OBJECT
public:
    // sensors: the captions of temperature sensors 1..3.
    FanOutputPanel(const QString& title, const QStringList& sensors, QWidget* parent = nullptr);

    void showSettings(const FanOutputSettings& settings);
    FanOutputSettings settings() const;
    // `applied`: the mode in effect, which may not be the one being edited.
    void showState(const FanOutputState& state, FanMode applied);
    // Each sensor's high limit in degrees: the chosen sensor's is drawn on the curve.
    void showFailsafeLimits(const std::array<double, 3>& above);

    QComboBox* mode = nullptr; // in FanMode's order
    QSpinBox* duty = nullptr;
    QComboBox* sensor = nullptr;
    FanCurveEditor* curve = nullptr;
    CurvePointFields* point = nullptr;
    QLabel* unreachable = nullptr; // says why points beyond the failsafe line are hollow
    QSpinBox* hysteresis = nullptr;
    QSpinBox* minimum = nullptr;
    QLabel* now = nullptr;
    QLabel* failsafe = nullptr;

private:
    void enableForMode();
    void showFailsafeLine();

    QLabel* m_hint = nullptr;
    // Points an output had, or none: a curve the user never chose is not written.
    bool m_hadPoints = false;
    std::array<double, 3> m_failsafeAbove{kHottestSensorReading, kHottestSensorReading,
                                          kHottestSensorReading};
};

} // namespace hmdx
