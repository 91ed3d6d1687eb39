// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanStatusText.h"

#include <QLocale>
#include <cmath>
#include <iterator>

namespace hmdx {
namespace {

// In FanFailsafe's order.
const char* const kReasons[] = {
    QT_TRANSLATE_NOOP("hmdx::FanStatusText", "under control"),
    QT_TRANSLATE_NOOP("hmdx::FanStatusText", "sensor not monitored"),
    QT_TRANSLATE_NOOP("hmdx::FanStatusText", "sensor reads outside -40..125 °C"),
    QT_TRANSLATE_NOOP("hmdx::FanStatusText", "sensor above its high limit"),
    QT_TRANSLATE_NOOP("hmdx::FanStatusText", "fan stalled below full speed"),
    QT_TRANSLATE_NOOP("hmdx::FanStatusText", "system going to sleep"),
    QT_TRANSLATE_NOOP("hmdx::FanStatusText", "hmdx ending"),
    QT_TRANSLATE_NOOP("hmdx::FanStatusText", "no fan guardian"),
};
static_assert(std::size(kReasons) == size_t(FanFailsafe::NoGuardian) + 1);

} // namespace

QString FanStatusText::reason(FanFailsafe why) {
    return tr(kReasons[size_t(why)]);
}

QString FanStatusText::degrees(double celsius) {
    const bool whole = celsius == std::floor(celsius);
    return QLocale().toString(celsius, 'f', whole ? 0 : 1);
}

QString FanStatusText::now(const FanOutputState& state, FanMode applied) {
    const QLocale locale; // "43,5 °C" in German, as the main window's numbers
    const QString percent = locale.toString(state.duty, 'f', 0);
    if (!state.controlled)
        return tr("Not controlled: the output stays at full speed.");
    if (state.failsafe != FanFailsafe::None)
        return tr("Failsafe (%1): full speed, output %2 of 255")
            .arg(reason(state.failsafe))
            .arg(state.written);
    if (applied == FanMode::Fixed)
        return tr("Fixed duty: %1 %, output %2 of 255").arg(percent).arg(state.written);
    if (!state.controlTemperature)
        return tr("Curve: waiting for the sensor's first reading; output %1 of 255")
            .arg(state.written);
    return tr("Curve: %1 °C gives %2 %; output %3 of 255")
        .arg(locale.toString(*state.controlTemperature, 'f', 1), percent)
        .arg(state.written);
}

QString FanStatusText::failsafe(FanFailsafe why) {
    return why == FanFailsafe::None ? tr("Failsafe: not active.")
                                    : tr("Failsafe: full speed, %1.").arg(reason(why));
}

} // namespace hmdx
