// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusWords.h"

#include "RowWidgets.h"
#include "chip/Items.h"
#include "monitor/ItemTable.h"

#include <QStringList>

namespace hmdx {
namespace {

// The limits as the row shows them, the fans' with no leading blank.
struct LimitTexts {
    QString low, high;
};

LimitTexts limitsOf(const Monitor& monitor, int item) {
    const Limits::ShownLimits shown = monitor.limits().shownFor(item);
    return {shown.low ? shown.low->text.trimmed() : QString(),
            shown.high ? shown.high->text.trimmed() : QString()};
}

bool monitored(const Monitor& monitor, int item) {
    return IsMonitored(monitor.machine().settings, item) && monitor.reading(item).read;
}

} // namespace

QString StatusWords::reading(const Monitor& monitor, int item) {
    const Shown& shown = monitor.reading(item).shown;
    const QString text = shown.text.trimmed();
    if (shown.decimals < 0) // words: "low_speed", "Fan off", the case
        return ShownText(text);
    switch (KindOf(item)) {
    case ItemKind::Voltage:
        return tr("%1 V").arg(text);
    case ItemKind::Fan:
        return tr("%1 RPM").arg(text);
    default:
        return tr("%1 °C").arg(text);
    }
}

QString StatusWords::description(const Monitor& monitor, int item) {
    const ItemReading& r = monitor.reading(item);
    if (!monitor.machine().state.everRead[size_t(item)])
        return tr("not read yet");
    if (item == kCaseOpenItem)
        return r.inRange ? tr("the case is closed") : tr("the case has been opened, out of range");
    if (!r.inRange)
        return tr("%1, out of range").arg(reading(monitor, item));
    const LimitTexts limits = limitsOf(monitor, item);
    switch (KindOf(item)) {
    case ItemKind::Voltage:
        return tr("%1, within %2 to %3").arg(reading(monitor, item), limits.low, limits.high);
    case ItemKind::Fan:
        return tr("%1, within the low limit %2").arg(reading(monitor, item), limits.low);
    default:
        return tr("%1, within the high limit %2").arg(reading(monitor, item), limits.high);
    }
}

QString StatusWords::outOfRangeLine(const Monitor& monitor, int item) {
    const LimitTexts limits = limitsOf(monitor, item);
    const QString what = ShownCaption(item);
    switch (KindOf(item)) {
    case ItemKind::Voltage:
        return tr("%1: %2, limits %3 to %4")
            .arg(what, reading(monitor, item), limits.low, limits.high);
    case ItemKind::Fan:
        return tr("%1: %2, low limit %3").arg(what, reading(monitor, item), limits.low);
    case ItemKind::Temperature:
        return tr("%1: %2, high limit %3").arg(what, reading(monitor, item), limits.high);
    default:
        return tr("%1: %2").arg(what, reading(monitor, item));
    }
}

QString StatusWords::trayTitle() {
    return tr("Hardware Monitor");
}

TrayState StatusWords::tray(const Monitor& monitor) {
    QStringList out;
    for (int i = 0; i < kItemCount; ++i)
        if (monitored(monitor, i) && !monitor.reading(i).inRange)
            out << outOfRangeLine(monitor, i);
    QStringList lines{trayTitle()};
    if (!out.isEmpty()) {
        lines << tr("Out of range:") << out;
        return {true, lines.join(QLatin1Char('\n'))};
    }
    lines << tr("All monitored items are in range.");
    QStringList temperatures;
    for (int i = 0; i < kItemCount; ++i)
        if (KindOf(i) == ItemKind::Temperature && monitored(monitor, i))
            temperatures << tr("%1 %2").arg(ShownCaption(i), reading(monitor, i));
    if (!temperatures.isEmpty())
        lines << temperatures.join(tr(", "));
    return {false, lines.join(QLatin1Char('\n'))};
}

} // namespace hmdx
