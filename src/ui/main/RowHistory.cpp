#include "RowHistory.h"

#include "ItemEvents.h"
#include "monitor/Conversions.h"
#include "monitor/ItemTable.h"
#include "ui/dialogs/HistoryWindow.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>
#include <chrono>
#include <cmath>

namespace hmdx {
namespace {

constexpr const char* kItemProperty = "hmdxItem";

QString unitOf(ItemKind kind) {
    switch (kind) {
    case ItemKind::Voltage:
        return QStringLiteral("V");
    case ItemKind::Fan:
        return QStringLiteral("RPM");
    case ItemKind::Temperature:
        return QStringLiteral("°C");
    case ItemKind::CaseOpen:
        break;
    }
    return QStringLiteral("open");
}

// A raw reading in the row's unit, with the settings in force when the window draws it.
std::function<double(uint8_t)> converterOf(const Machine& m, int item) {
    const ChipModel* model = m.chip.model();
    if (item < kFirstFanItem) {
        const bool converted = model && model->convertedNegRails && (item == 5 || item == 6);
        const bool negated = model && !model->convertedNegRails && (item == 5 || item == 6);
        return [&m, item, converted, negated](uint8_t raw) -> double {
            if (converted)
                return CalRealNegVoltage(item, raw);
            return ScaleToVolts(negated ? -raw : raw, m.settings.VoltFactor[item]);
        };
    }
    if (item < kFirstTempItem)
        return [&m, fan = item - kFirstFanItem](uint8_t count) {
            const std::optional<double> rpm =
                count == 255 ? std::nullopt
                             : FanSpeed(count ? count : 1, m.settings.FanDivisor[fan]);
            return rpm ? *rpm : std::nan("");
        };
    if (item < kCaseOpenItem)
        // Every temperature register holds whole degrees in two's complement.
        return [](uint8_t raw) { return double(Temp1Degrees(raw)); };
    return [](uint8_t raw) { return double(raw != 0); };
}

} // namespace

RowHistory::~RowHistory() {
    delete m_window;
}

void RowHistory::watchRow(int item, QWidget* control) {
    control->setProperty(kItemProperty, item);
    control->installEventFilter(this);
}

void RowHistory::keepLimits(int item) {
    const Event shown = ItemEvent(m_rows, item, {});
    m_m.history.limits(std::chrono::system_clock::now(), item, ShownNumber(shown.low),
                       ShownNumber(shown.high));
}

void RowHistory::keepAllLimits() {
    for (int i = 0; i < kItemCount; ++i)
        keepLimits(i);
}

void RowHistory::keepWarning(int item, bool raised) {
    m_m.history.warning(std::chrono::system_clock::now(), item, raised);
}

void RowHistory::open(int item) {
    if (!m_window) {
        std::array<HistoryItemInfo, 16> items;
        for (int i = 0; i < kItemCount; ++i)
            items[i] = {QString::fromStdString(ItemEvent(m_rows, i, {}).caption),
                        unitOf(kItems[i].kind), converterOf(m_m, i)};
        m_window = new HistoryWindow(m_m.history, std::move(items), item);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->showItem(item);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

HistoryWindow* RowHistory::window() const {
    return m_window;
}

bool RowHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        const QVariant item = watched->property(kItemProperty);
        if (item.isValid()) {
            open(item.toInt());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace hmdx
