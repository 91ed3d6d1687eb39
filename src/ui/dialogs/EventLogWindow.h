// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/EventLog.h"

#include <QAbstractTableModel>
#include <QWidget>
#include <cstdint>
#include <functional>

class QTableView;

namespace hmdx {

// This run's events, newest in row 0. It follows the log by event numbers, so it needs only
// the new rows inserted at the top and the dropped ones removed at the bottom.
class EventLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, Name, Item, Reading, Low, High, Detail, ColumnCount };

    explicit EventLogModel(const EventLog& log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Catches up with the log after it recorded one or more events.
    void refresh();

private:
    const Event& eventAt(int row) const;

    const EventLog& m_log;
    // The rows show the log's events numbered [m_first, m_end), the newest on top.
    std::uint64_t m_first = 0;
    std::uint64_t m_end = 0;
};

// Tools > Event Log: every event of this run, newest first, following new ones as they come.
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

    QTableView* table = nullptr;
    EventLogModel* model = nullptr;

private:
    EventLog& m_log;
    std::function<void()> m_previous;
};

} // namespace hmdx
