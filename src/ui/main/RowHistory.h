#pragma once

#include "MainRows.h"
#include "monitor/Machine.h"

#include <QObject>
#include <QPointer>

namespace hmdx {

class HistoryWindow;

// Ties the rows to the reading history: the limit band as the rows show it, warnings as they
// come and go, and the History window, opened from Tools > History or a double-click on a row.
class RowHistory : public QObject {
public:
    RowHistory(Machine& m, MainRows& rows) : m_m(m), m_rows(rows) {}
    ~RowHistory() override;

    // Double-clicks on the item's controls open its history.
    void watchRow(int item, QWidget* control);
    void keepLimits(int item);
    void keepAllLimits();
    void keepWarning(int item, bool raised);
    // Made when first asked for: a monitor that never opens it pays only for the ring.
    void open(int item);
    HistoryWindow* window() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Machine& m_m;
    MainRows& m_rows;
    QPointer<HistoryWindow> m_window;
};

} // namespace hmdx
