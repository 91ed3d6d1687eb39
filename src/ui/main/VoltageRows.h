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

// The nine voltage rows of the "Voltage" frame: each shows its item's reading and limits, and
// its up-downs move the limits in the monitor.
class VoltageRows : public QObject {
    Q_OBJECT
public:
    using Row = ScaleRow;

    VoltageRows(Monitor& monitor, QGroupBox* frame);

    std::array<Row, 9> row;

    // Everything the monitor holds for the rows: limits, scales and readings.
    void refresh();
    void refreshReadings();
    void refreshLimits(int item);
    void refreshReading(int item);
    // A model with one core voltage: rows 2..6 each take the place of the row above.
    void closeVcoreBGap();

private:
    void buildRow(int item, QGridLayout* grid);

    Monitor& m_monitor;
    QGridLayout* m_grid;
};

} // namespace hmdx
