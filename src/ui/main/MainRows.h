// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QRadioButton;

namespace hmdx {

class FanRows;
class TemperatureRows;
class VoltageRows;

// The case-open line below the frames.
struct CaseLine {
    QRadioButton* openedMark = nullptr;
    QLabel* statusLabel = nullptr;
};

// Every item row of the main window, for the code that walks them all.
struct MainRows {
    VoltageRows* voltage = nullptr;
    FanRows* fan = nullptr;
    TemperatureRows* temperature = nullptr;
    CaseLine caseLine;
};

} // namespace hmdx
