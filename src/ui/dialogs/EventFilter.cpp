// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventFilter.h"

#include "EventLogModel.h"

namespace hmdx {

void EventFilter::setItem(int item) {
    m_item = item;
    invalidateRowsFilter();
}

void EventFilter::setKind(int kind) {
    m_kind = kind;
    invalidateRowsFilter();
}

void EventFilter::setSearch(const QString& text) {
    m_search = text.trimmed();
    invalidateRowsFilter();
}

bool EventFilter::contains(int sourceRow, const QModelIndex& sourceParent) const {
    const QAbstractItemModel& m = *sourceModel();
    for (int c = 0; c < m.columnCount(sourceParent); ++c)
        if (m.index(sourceRow, c, sourceParent)
                .data()
                .toString()
                .contains(m_search, Qt::CaseInsensitive))
            return true;
    return false;
}

bool EventFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QModelIndex row = sourceModel()->index(sourceRow, 0, sourceParent);
    if (m_item != kAny && row.data(EventLogModel::ItemRole).toInt() != m_item)
        return false;
    if (m_kind != kAny && row.data(EventLogModel::KindRole).toInt() != m_kind)
        return false;
    return m_search.isEmpty() || contains(sourceRow, sourceParent);
}

} // namespace hmdx
