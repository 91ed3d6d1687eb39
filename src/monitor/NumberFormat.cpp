// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberFormat.h"

#include <QLocale>
#include <cmath>

namespace hmdx {
namespace {

QString fixed(double value, int decimals, QLocale locale = {}) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    const QString zero = locale.toString(0.0, 'f', decimals);
    // A reading a hair below zero is zero to the user, not "-0.00".
    if (std::signbit(value) && locale.toString(-value, 'f', decimals) == zero)
        return zero;
    return locale.toString(value, 'f', decimals);
}

} // namespace

// The value of the digits shown: formatted the same way in the C locale and read back, so the
// number rounds exactly as the text does.
double Shown::value() const {
    if (decimals < 0 || std::isnan(number))
        return number;
    return fixed(number, decimals, QLocale::c()).toDouble();
}

std::string MachineText(const Shown& shown) {
    if (shown.decimals < 0 || std::isnan(shown.number))
        return shown.text.trimmed().toStdString();
    return fixed(shown.number, shown.decimals, QLocale::c()).toStdString();
}

Shown ShowTwoDecimals(double value) {
    return {fixed(value, 2), value, 2};
}

Shown ShowOneDecimal(double value) {
    return {fixed(value, 1), value, 1};
}

Shown ShowRpm(double rpm) {
    return {FormatRpm(rpm), rpm, 0};
}

Shown ShowLimitSpeed(int32_t rpm) {
    return {FormatLimitSpeed(rpm), double(rpm)};
}

Shown ShowWords(const QString& text, double value) {
    return {text, value};
}

QString FormatTwoDecimals(double value) {
    return fixed(value, 2);
}

QString FormatOneDecimal(double value) {
    return fixed(value, 1);
}

QString FormatRpm(double rpm) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions().setFlag(QLocale::OmitGroupSeparator, false));
    return locale.toString(rpm, 'f', 0);
}

QString FormatLimitSpeed(int32_t rpm) {
    // The digits keep a sign position, blank for any real speed.
    return (rpm < 0 ? QString() : QStringLiteral(" ")) + QString::number(rpm);
}

} // namespace hmdx
