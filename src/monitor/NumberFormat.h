// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <limits>
#include <string>

namespace hmdx {

// Numbers as the user reads them, in the default locale (decimal and grouping characters).
QString FormatTwoDecimals(double value); // "0.00": rounded, no grouping, never "-0.00"
QString FormatOneDecimal(double value);  // "0.0": as above with one decimal
QString FormatRpm(double rpm);           // "#,###": grouped, no decimals, rounded
QString FormatLimitSpeed(int32_t rpm);   // " 1055": a leading blank, digits, no grouping

// A number as the user reads it, and the number that text stands for: what the metrics, the
// history and the events carry, so that they say exactly what the window shows.
// The number is worked out only when asked for, so a tick pays for the text alone.
struct Shown {
    QString text;
    double number = std::numeric_limits<double>::quiet_NaN(); // none: no number shown
    int decimals = -1; // the digits after the point the text shows; -1: `number` is exact

    double value() const;
};
Shown ShowTwoDecimals(double value);
Shown ShowOneDecimal(double value);
Shown ShowRpm(double rpm);
Shown ShowLimitSpeed(int32_t rpm);
Shown ShowWords(const QString& text, double value); // "Fan off" turns at 0 RPM

// The same digits for programs (the event log file, the journal, the alert command): a decimal
// point and no grouping whatever the locale, "4.03" and "3013"; words as they are.
std::string MachineText(const Shown& shown);

} // namespace hmdx
