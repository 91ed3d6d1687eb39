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

// The nine voltage rows of the "Voltage" frame: their controls, their initialisation from
// the settings, and the limit up-downs that write the chip's limit registers at once.
class VoltageRows : public QObject {
    Q_OBJECT
public:
    // A limit the user moved: the item and "high 5.51 -> 5.45 V".
    std::function<void(int item, const std::string& change)> onLimitChanged;

    struct Row {
        QLabel* lblItemName;
        UpDown* updLoLimit;
        QLabel* LblLoLimit;
        QLabel* lblLoBound;
        ScaleSlider* SldVoltage;
        QLabel* lblHiBound;
        QLabel* LblHiLimit;
        UpDown* updHiLimit;
        QLabel* lblStatusV;
        QLabel* lblV;
        int gridRow; // where the row stands in the frame's grid

        std::array<QWidget*, 10> controls() const;
    };

    VoltageRows(Machine& m, QGroupBox* frame);

    std::array<Row, 9> row;

    void loadFromSettings();
    // HMC has no VcoreB: rows 2..6 each take the place of the row above.
    void closeVcoreBGap();

    // How a row's scale values relate to its register counts on this chip.
    enum class Rail {
        Plain,     // scale value = register count
        Converted, // -12V/-5V through the offset divider: count, shown through conversion
        Negated,   // -12V/-5V on HMA: scale value = -count, limits into crossed registers
        None,      // a chip no model describes: the row has no conversion
    };
    Rail rail(int item) const;

private:
    void buildRow(int item, QGridLayout* grid);
    void initRow(int item);
    void hiChanged(int item);
    void loChanged(int item);
    void storeLimit(int item, bool high, int scale);
    void writeLimitRegister(int item, bool high, int scale);
    bool handlesLimits(int item) const;
    int toScale(int item, float volts) const;
    float toVolts(int item, int scale) const;

    Machine& m_m;
    QGridLayout* m_grid;
};

} // namespace hmdx
