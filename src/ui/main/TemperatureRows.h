// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaleRow.h"
#include "monitor/Monitor.h"

#include <QObject>
#include <array>

class QGridLayout;
class QGroupBox;
class QLabel;

namespace hmdx {

// The three rows of the "Temperature" frame. Row 0 counts whole degrees, rows 1 and 2 half
// degrees; a limit sets both the chip's overtemperature and its hysteresis register.
class TemperatureRows : public QObject {
    Q_OBJECT
public:
    using Row = ScaleRow;

    TemperatureRows(Monitor& monitor, QGroupBox* frame);

    std::array<Row, 3> row;

    void refresh();
    void refreshReadings();
    void refreshLimits(int sensor);
    void refreshReading(int sensor);

private:
    void buildRow(int t, QGridLayout* grid);

    Monitor& m_monitor;
};

} // namespace hmdx
