// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLogModel.h"

#include "chip/Items.h"
#include "monitor/ItemTable.h"

#include <QColor>
#include <QLocale>
#include <ctime>
#include <iterator>

namespace hmdx {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// Local time without the offset: the table is read by the person sitting at this machine.
QString TableTime(std::chrono::system_clock::time_point t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return QString::fromLatin1(text);
}

// A number as the user writes it. The monitor gives most events their people's form; a
// plain machine number without one is converted here, keeping its decimals.
QString Number(const std::string& forPeople, const std::string& plain) {
    if (!forPeople.empty() || plain.empty())
        return Text(forPeople);
    const QString text = Text(plain);
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok)
        return text;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(text.size() - point - 1);
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

EventLogModel::EventLogModel(const EventLog& log, QObject* parent)
    : QAbstractTableModel(parent), m_log(log), m_first(log.recordedCount() - log.events().size()),
      m_end(log.recordedCount()) {}

int EventLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_end - m_first);
}

int EventLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const Event& EventLogModel::eventAt(int row) const {
    const std::uint64_t number = m_end - 1 - static_cast<std::uint64_t>(row);
    const std::uint64_t oldest = m_log.recordedCount() - m_log.events().size();
    return m_log.events()[static_cast<std::size_t>(number - oldest)];
}

QString EventLogModel::itemCaption(int item) {
    return item < 0 || item >= kItemCount ? QString() : ShownCaption(item);
}

QString EventLogModel::kindName(EventKind kind) {
    return tr(InfoOf(kind).word);
}

QString EventLogModel::shown(const Event& e, int column) const {
    switch (column) {
    case Time:
        return TableTime(e.time);
    case Name:
        return kindName(e.kind);
    case Item:
        return e.item < 0 ? Text(e.caption) : itemCaption(e.item);
    case Reading:
        return Number(e.valueForPeople, e.value);
    case Low:
        return Number(e.lowForPeople, e.low);
    case High:
        return Number(e.highForPeople, e.high);
    case Detail:
        return Text(ForPeople(e.detailForPeople, e.detail));
    default:
        return {};
    }
}

QVariant EventLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Event& e = eventAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return shown(e, index.column());
    case Qt::ToolTipRole:
        // The time with its offset, and the word as the log file and the journal have it.
        if (index.column() == Time)
            return Text(FormatLocalTime(e.time));
        return index.column() == Name ? Text(EventWord(e.kind)) : shown(e, index.column());
    case Qt::ForegroundRole:
        return e.warning ? QVariant(QColor(Qt::darkRed)) : QVariant();
    case ItemRole:
        return e.item;
    case KindRole:
        return int(e.kind);
    default:
        return {};
    }
}

QVariant EventLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // In Column's order.
    static const char* const kHeaders[] = {
        QT_TR_NOOP("Time"), QT_TR_NOOP("Event"), QT_TR_NOOP("Item"),  QT_TR_NOOP("Reading"),
        QT_TR_NOOP("Low"),  QT_TR_NOOP("High"),  QT_TR_NOOP("Detail")};
    static_assert(std::size(kHeaders) == ColumnCount);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return tr(kHeaders[section]);
}

void EventLogModel::refresh() {
    const std::uint64_t end = m_log.recordedCount();
    const std::uint64_t oldest = end - m_log.events().size();
    if (end - m_end > EventLog::kKept / 2) {
        // A large jump (never in normal use): starting over is cheaper than moving rows.
        beginResetModel();
        m_first = oldest;
        m_end = end;
        endResetModel();
        return;
    }
    if (m_first < oldest) {
        // Dropped from the log: the bottom rows. Removed first, so every row still shown
        // maps to an event the log holds while the new ones go in.
        const int last = rowCount() - 1;
        const int first = last - static_cast<int>(oldest - m_first) + 1;
        beginRemoveRows({}, first, last);
        m_first = oldest;
        endRemoveRows();
    }
    if (m_end < end) {
        beginInsertRows({}, 0, static_cast<int>(end - m_end) - 1);
        m_end = end;
        endInsertRows();
    }
}

} // namespace hmdx
