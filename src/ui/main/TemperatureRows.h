#pragma once

#include "monitor/Machine.h"

#include <QObject>
#include <array>
#include <functional>
#include <string>

class QGridLayout;
class QGroupBox;
class QLabel;

namespace hmdx {

class ScaleSlider;
class UpDown;

// The three rows of the "Temperature" frame. Row 0 counts whole degrees, rows 1 and 2 half
// degrees; a limit sets both the chip's overtemperature and its hysteresis register.
class TemperatureRows : public QObject {
    Q_OBJECT
public:
    // A limit the user moved: the item and "high 5.51 -> 5.45 V".
    std::function<void(int item, const std::string& change)> onLimitChanged;

    struct Row {
        QLabel* lblTempItem;
        UpDown* updTempLoLimit; // hidden for good: the hysteresis follows the high limit
        QLabel* lblTempLoLimit;
        QLabel* lblTempLoBound;
        ScaleSlider* sldTemp;
        QLabel* lblTempHiBound;
        QLabel* lblTempHiLimit;
        UpDown* updTempHiLimit;
        QLabel* lblStatusT;
        QLabel* lblT;

        std::array<QWidget*, 10> controls() const;
    };

    TemperatureRows(Machine& m, QGroupBox* frame);

    std::array<Row, 3> row;

    void loadFromSettings();

    // Scale steps per degree: 1 for row 0, 2 (half degrees) for rows 1 and 2.
    static int step(int row) { return row == 0 ? 1 : 2; }

private:
    void buildRow(int t, QGridLayout* grid);
    void initRow(int t);
    void hiChanged(int t);
    void writeLimits(int t, int high, int hysteresis);

    Machine& m_m;
};

} // namespace hmdx
