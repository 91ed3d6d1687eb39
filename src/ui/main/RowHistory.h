// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/Monitor.h"

#include <QObject>
#include <QPointer>

namespace hmdx {

class HistoryWindow;

// The History window, opened from Tools > History or a double-click on a row.
class RowHistory : public QObject {
public:
    explicit RowHistory(Monitor& monitor) : m_monitor(monitor) {}
    ~RowHistory() override;

    // Double-clicks on the item's controls open its history.
    void watchRow(int item, QWidget* control);
    // Made when first asked for: a monitor that never opens it pays only for the ring.
    void open(int item);
    HistoryWindow* window() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Monitor& m_monitor;
    QPointer<HistoryWindow> m_window;
};

} // namespace hmdx
