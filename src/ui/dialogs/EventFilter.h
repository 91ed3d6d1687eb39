// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSortFilterProxyModel>

namespace hmdx {

// The Event Log's rows narrowed to one item, one kind and a search text, each optional. It
// keeps the log's order: newest on top.
class EventFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    static constexpr int kAny = -1;

    using QSortFilterProxyModel::QSortFilterProxyModel;

    // An item index or kAny.
    void setItem(int item);
    // An EventKind as an int, or kAny.
    void setKind(int kind);
    // Rows with this text in any column, whatever its case; empty: every row.
    void setSearch(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    bool contains(int sourceRow, const QModelIndex& sourceParent) const;

    int m_item = kAny;
    int m_kind = kAny;
    QString m_search;
};

} // namespace hmdx
