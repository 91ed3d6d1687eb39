// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLogWindow.h"

#include <QColor>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>
#include <ctime>
#include <iterator>
#include <utility>

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

QVariant EventLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Event& e = eventAt(index.row());
    if (role == Qt::ForegroundRole)
        return e.warning ? QVariant(QColor(Qt::darkRed)) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Time:
        return role == Qt::ToolTipRole ? Text(FormatLocalTime(e.time)) : TableTime(e.time);
    case Name: // the word as the log file and the journal have it, as its tip
        return role == Qt::ToolTipRole ? Text(EventWord(e.kind)) : tr(InfoOf(e.kind).word);
    case Item:
        return Text(e.caption);
    case Reading:
        return Text(ForPeople(e.valueForPeople, e.value));
    case Low:
        return Text(ForPeople(e.lowForPeople, e.low));
    case High:
        return Text(ForPeople(e.highForPeople, e.high));
    case Detail:
        return Text(ForPeople(e.detailForPeople, e.detail));
    default:
        return {};
    }
}

QVariant EventLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Time:
        return tr("Time");
    case Name:
        return tr("Event");
    case Item:
        return tr("Item");
    case Reading:
        return tr("Reading");
    case Low:
        return tr("Low");
    case High:
        return tr("High");
    case Detail:
        return tr("Detail");
    default:
        return {};
    }
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

EventLogWindow::EventLogWindow(EventLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), m_log(log), m_previous(std::move(log.onRecorded)) {
    setObjectName(QStringLiteral("EventLogWindow"));
    setWindowTitle(tr("Event Log"));
    model = new EventLogModel(log, this);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("tblEvents"));
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    // Fixed widths: sizing columns to their contents would look through thousands of rows.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    const int digit = table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widths[] = {21, 18, 10, 9, 9, 9};
    for (int c = 0; c < static_cast<int>(std::size(widths)); ++c)
        table->setColumnWidth(c, widths[c] * digit);
    table->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
    resize(110 * digit, 400);
    log.onRecorded = [this] {
        model->refresh();
        if (m_previous)
            m_previous();
    };
}

EventLogWindow::~EventLogWindow() {
    m_log.onRecorded = std::move(m_previous);
}

} // namespace hmdx
