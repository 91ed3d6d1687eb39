// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/EventLog.h"

#include <QAbstractTableModel>
#include <cstdint>

namespace hmdx {

// This run's events, newest in row 0, in the user's language and numbers. It follows the log
// by event numbers, so it needs only the new rows inserted at the top and the dropped ones
// removed at the bottom.
class EventLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, Name, Item, Reading, Low, High, Detail, ColumnCount };
    // What the filters match on: the item index (-1 for none) and the kind as an int.
    enum Role { ItemRole = Qt::UserRole, KindRole };

    explicit EventLogModel(const EventLog& log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Catches up with the log after it recorded one or more events.
    void refresh();

    // An item's name as the window shows it; the case switch has no row caption of its own.
    static QString itemCaption(int item);
    // A kind's name in the user's language.
    static QString kindName(EventKind kind);

private:
    const Event& eventAt(int row) const;
    QString shown(const Event& e, int column) const;

    const EventLog& m_log;
    // The rows show the log's events numbered [m_first, m_end), the newest on top.
    std::uint64_t m_first = 0;
    std::uint64_t m_end = 0;
};

} // namespace hmdx
