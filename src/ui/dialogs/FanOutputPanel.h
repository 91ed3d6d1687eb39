// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/FanControl.h"

#include <QGroupBox>
#include <QStringList>

class QComboBox;
class QLabel;
class QSpinBox;

namespace hmdx {

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
    void showState(const FanOutputState& state);

    QComboBox* mode = nullptr; // in FanMode's order
    QSpinBox* duty = nullptr;
    QComboBox* sensor = nullptr;
    FanCurveEditor* curve = nullptr;
    QSpinBox* hysteresis = nullptr;
    QSpinBox* minimum = nullptr;
    QLabel* now = nullptr;
    QLabel* failsafe = nullptr;

private:
    void enableForMode();

    QLabel* m_hint = nullptr;
    // Points an output had, or none: a curve the user never chose is not written.
    bool m_hadPoints = false;
};

} // namespace hmdx
