// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/Monitor.h"

#include <QCoreApplication>
#include <QString>

namespace hmdx {

// What the tray icon stands for: the alert variant while an item is out of range.
struct TrayState {
    bool alert = false;
    QString toolTip;
    bool operator==(const TrayState&) const = default;
};

// An item's state in words, with its numbers as its row shows them: for a screen reader,
// which cannot see the colours, and for the tray's tip.
class StatusWords {
    Q_DECLARE_TR_FUNCTIONS(StatusWords)
public:
    // "4.92 V, within 4.49 to 5.51", "4.30 V, out of range", "not read yet"...
    static QString description(const Monitor& monitor, int item);
    // The monitored items out of range with their readings and limits, or that all are in
    // range and the temperatures.
    static TrayState tray(const Monitor& monitor);
    // "Hardware Monitor": the tip's first line, and the whole tip before the first reading.
    static QString trayTitle();

private:
    static QString reading(const Monitor& monitor, int item);
    static QString outOfRangeLine(const Monitor& monitor, int item);
};

} // namespace hmdx
