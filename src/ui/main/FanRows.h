#pragma once

#include "monitor/Machine.h"

#include <QObject>
#include <array>
#include <functional>
#include <string>

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
    // A limit the user moved: the item and "high 5.51 -> 5.45 V".
    std::function<void(int item, const std::string& change)> onLimitChanged;

    struct Row {
        QLabel* lblFanItem;
        UpDown* updFanLoLimit;
        QLabel* lblFanLoLimit;
        QProgressBar* prbFanSpeed;
        QLabel* lblFanSpeed;
        QLabel* lblFanUnit;

        std::array<QWidget*, 6> controls() const;
    };

    FanRows(Machine& m, QGroupBox* frame);

    std::array<Row, 3> row;

    void loadFromSettings();

    // Assigns an up-down value without running its change handler.
    void setLimitValue(int f, int value);

private:
    void buildRow(int f, QGridLayout* grid);
    void limitChanged(int f);

    Machine& m_m;
};

} // namespace hmdx
