// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/Monitor.h"

#include <array>

class QGridLayout;
class QLabel;
class QWidget;

namespace hmdx {

class ScaleSlider;
class UpDown;

// A row of the voltage or temperature frame: its widgets in the grid's column order
// (LimitColumn), the limits with their up-downs around the item's scale, then the reading.
struct ScaleRow {
    QLabel* captionLabel = nullptr;
    UpDown* lowUpDown = nullptr;
    QLabel* lowLabel = nullptr;
    QLabel* scaleLowLabel = nullptr;
    ScaleSlider* scaleSlider = nullptr;
    QLabel* scaleHighLabel = nullptr;
    QLabel* highLabel = nullptr;
    UpDown* highUpDown = nullptr;
    QLabel* readingLabel = nullptr;
    QLabel* unitLabel = nullptr;
    int item = -1;
    int gridRow = 0; // where the row stands in the frame's grid

    // The item's row made in `grid` at `gridRow`; each widget is named "<names[c]>_<index>".
    static ScaleRow Build(QGridLayout* grid, int gridRow, int item, int index,
                          const std::array<const char*, 10>& names);
    std::array<QWidget*, 10> controls() const;
    // The limits as the model holds them: the scale's range and band, and both limits.
    void showLimits(int scaleMin, int scaleMax, Band band, const Shown& low, const Shown& high);
    // The reading on the scale and in the status label; true when the label changed.
    bool showReading(const ItemReading& reading, bool read);
};

} // namespace hmdx
