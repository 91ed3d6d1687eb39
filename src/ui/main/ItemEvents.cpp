#include "ItemEvents.h"

#include "FanRows.h"
#include "TemperatureRows.h"
#include "VoltageRows.h"

#include <QLabel>
#include <QLocale>
#include <cmath>

namespace hmdx {
namespace {

std::string text(const QLabel* label) {
    return label->text().trimmed().toStdString();
}

} // namespace

double ShownNumber(const std::string& text) {
    bool ok = false;
    const double value = QLocale().toDouble(QString::fromStdString(text), &ok);
    return ok ? value : std::nan("");
}

Event ItemEvent(const MainRows& rows, int item, std::string what) {
    Event e;
    e.event = std::move(what);
    e.item = item;
    if (item < kFirstFanItem) {
        const VoltageRows::Row& r = rows.voltage->row[item];
        e.caption = text(r.lblItemName);
        e.value = text(r.lblStatusV);
        e.low = text(r.LblLoLimit);
        e.high = text(r.LblHiLimit);
    } else if (item < kFirstTempItem) {
        const FanRows::Row& r = rows.fan->row[item - kFirstFanItem];
        e.caption = text(r.lblFanItem);
        e.value = text(r.lblFanSpeed);
        e.low = text(r.lblFanLoLimit);
    } else if (item < kCaseOpenItem) {
        const TemperatureRows::Row& r = rows.temperature->row[item - kFirstTempItem];
        e.caption = text(r.lblTempItem);
        e.value = text(r.lblStatusT);
        e.high = text(r.lblTempHiLimit);
    } else {
        e.caption = "Case open";
        e.value = text(rows.caseLine.lblCaseOpen);
    }
    return e;
}

} // namespace hmdx
