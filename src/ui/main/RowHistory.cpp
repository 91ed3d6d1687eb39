// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowHistory.h"

#include "monitor/ItemTable.h"
#include "ui/ScreenPlacement.h"
#include "ui/dialogs/HistoryWindow.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace hmdx {
namespace {

constexpr const char* kItemProperty = "hmdxItem";

// The digits the item's row shows: whole turns, hundredths of a volt or degree.
int DecimalsOf(ItemKind kind) {
    return kind == ItemKind::Voltage || kind == ItemKind::Temperature ? 2 : 0;
}

} // namespace

RowHistory::~RowHistory() {
    delete m_window;
}

void RowHistory::watchRow(int item, QWidget* control) {
    control->setProperty(kItemProperty, item);
    control->installEventFilter(this);
}

void RowHistory::open(int item) {
    if (!m_window) {
        std::array<HistoryItemInfo, 16> items;
        for (int i = 0; i < kItemCount; ++i)
            items[i] = {
                ShownCaption(i), ShownUnit(KindOf(i)),
                [this, i](uint8_t raw, bool half) { return m_monitor.valueOf(i, raw, half); },
                DecimalsOf(KindOf(i)), KindOf(i) == ItemKind::CaseOpen};
        m_window = new HistoryWindow(m_monitor.machine().history, std::move(items), item);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->showItem(item);
    PlaceOnScreen(m_window);
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
