// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/Monitor.h"

#include <QObject>
#include <array>

class QGridLayout;
class QGroupBox;
class QLabel;
class QProgressBar;

namespace hmdx {

class UpDown;

// The three rows of the "Fan Speed" frame. A fan's limit is a count (the time of one turn):
// the up-down holds 255 minus it, so a higher value means a faster limit speed.
class FanRows : public QObject {
    Q_OBJECT
public:
    struct Row {
        QLabel* captionLabel;
        UpDown* lowUpDown;
        QLabel* lowLabel;
        QProgressBar* speedBar;
        QLabel* readingLabel;
        QLabel* unitLabel;

        std::array<QWidget*, 6> controls() const;
    };

    FanRows(Monitor& monitor, QGroupBox* frame);

    std::array<Row, 3> row;

    void refresh();
    void refreshReadings();
    void refreshLimits(int fan);
    void refreshReading(int fan);

private:
    void buildRow(int f, QGridLayout* grid);

    Monitor& m_monitor;
};

} // namespace hmdx
