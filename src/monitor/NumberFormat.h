#pragma once

#include <QString>
#include <cstdint>

namespace hmdx {

// Numbers as the user reads them, in the default locale (decimal and grouping characters).
QString FormatTwoDecimals(double value); // "0.00": rounded, no grouping, never "-0.00"
QString FormatOneDecimal(double value);  // "0.0": as above with one decimal
QString FormatRpm(double rpm);           // "#,###": grouped, no decimals, rounded
QString FormatLimitSpeed(int32_t rpm);   // " 1055": a leading blank, digits, no grouping

} // namespace hmdx
