// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventLogModel.h"

#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace hmdx {

class EventFilter;

// Tools > Event Log: every event of this run, newest first, following new ones as they come,
// narrowed by item, kind and a search text; the selected event in full underneath.
// While it exists it owns log.onRecorded, calling on to whatever was set there before and
// putting that back when destroyed; so the log must outlive the window, and anyone else who
// sets onRecorded later must do the same or be gone first.
class EventLogWindow : public QWidget {
    Q_OBJECT
public:
    explicit EventLogWindow(EventLog& log, QWidget* parent = nullptr);
    ~EventLogWindow() override;
    EventLogWindow(const EventLogWindow&) = delete;
    EventLogWindow& operator=(const EventLogWindow&) = delete;

    // The selected rows as the table shows them, a header line first, one line per row with
    // its cells tab-separated: what Copy puts on the clipboard.
    QString selectedText() const;

    QTableView* table = nullptr;
    EventLogModel* model = nullptr;
    EventFilter* filter = nullptr;
    QLineEdit* search = nullptr;
    QComboBox* items = nullptr;
    QComboBox* kinds = nullptr;
    QPlainTextEdit* details = nullptr;
    QPushButton* copyButton = nullptr;
    QAction* copyAction = nullptr;

private:
    QWidget* makeFilterBar();
    void makeTable();
    void makeShortcuts();
    void copy() const;
    void showCurrent();

    EventLog& m_log;
    std::function<void()> m_previous;
};

} // namespace hmdx
