// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLogWindow.h"

#include "EventFilter.h"
#include "chip/Items.h"
#include "monitor/ItemTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <utility>

namespace hmdx {

namespace {

// One line per row: a cell's own line breaks and tabs would split it.
QString OneLine(QString text) {
    return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), " ");
}

QComboBox* Choices(const QString& all, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(all, EventFilter::kAny);
    // Long translated names must not widen the window: the list still shows them whole.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(14);
    return box;
}

} // namespace

EventLogWindow::EventLogWindow(EventLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window), m_log(log), m_previous(std::move(log.onRecorded)) {
    setObjectName(QStringLiteral("EventLogWindow"));
    setWindowTitle(tr("Event Log"));
    model = new EventLogModel(log, this);
    filter = new EventFilter(this);
    filter->setSourceModel(model);
    makeTable();
    details = new QPlainTextEdit(this);
    details->setObjectName(QStringLiteral("txtEventDetail"));
    details->setReadOnly(true);
    details->setPlaceholderText(tr("Select an event to read it in full here."));
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table);
    split->addWidget(details);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(makeFilterBar());
    layout->addWidget(split, 1);
    makeShortcuts();
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    resize(std::min(110 * digit, 1000), 480);
    log.onRecorded = [this] {
        model->refresh();
        if (m_previous)
            m_previous();
    };
}

EventLogWindow::~EventLogWindow() {
    m_log.onRecorded = std::move(m_previous);
}

QWidget* EventLogWindow::makeFilterBar() {
    auto* bar = new QWidget(this);
    search = new QLineEdit(bar);
    search->setObjectName(QStringLiteral("edtEventSearch"));
    search->setPlaceholderText(tr("Search events"));
    search->setClearButtonEnabled(true);
    connect(search, &QLineEdit::textChanged, filter, &EventFilter::setSearch);
    items = Choices(tr("All items"), bar);
    items->setObjectName(QStringLiteral("cboEventItem"));
    for (int i = 0; i < kItemCount; ++i)
        items->addItem(EventLogModel::itemCaption(i), i);
    kinds = Choices(tr("All kinds"), bar);
    kinds->setObjectName(QStringLiteral("cboEventKind"));
    // The last kind goes to the log file alone, never to this window.
    for (int k = 0; k < int(EventKind::EventsNotWritten); ++k)
        kinds->addItem(EventLogModel::kindName(EventKind(k)), k);
    connect(items, &QComboBox::currentIndexChanged, this,
            [this] { filter->setItem(items->currentData().toInt()); });
    connect(kinds, &QComboBox::currentIndexChanged, this,
            [this] { filter->setKind(kinds->currentData().toInt()); });
    copyButton = new QPushButton(tr("&Copy"), bar);
    copyButton->setObjectName(QStringLiteral("btnCopyEvents"));
    copyButton->setEnabled(false);
    connect(copyButton, &QPushButton::clicked, this, &EventLogWindow::copy);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(search, 1);
    row->addWidget(items);
    row->addWidget(kinds);
    row->addWidget(copyButton);
    return bar;
}

void EventLogWindow::makeTable() {
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("tblEvents"));
    table->setModel(filter);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setWordWrap(false);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    // Fixed widths: sizing columns to their contents would look through thousands of rows.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    const QFontMetrics metrics = table->fontMetrics();
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    int widths[] = {20 * digit, 17 * digit, 9 * digit, 8 * digit, 8 * digit, 8 * digit};
    // Captions and the words a reading can be, whole in every language.
    for (int item = 0; item < kItemCount; ++item)
        widths[EventLogModel::Item] = std::max(
            widths[EventLogModel::Item], metrics.horizontalAdvance(ShownCaption(item)) + digit);
    for (const char* word : {"PC Case is opened", "PC Case is closed", "Fan off", "low speed"})
        widths[EventLogModel::Reading] = std::max(
            widths[EventLogModel::Reading],
            metrics.horizontalAdvance(QCoreApplication::translate("hmdx::Monitor", word)) + digit);
    for (int c = 0; c < static_cast<int>(std::size(widths)); ++c)
        table->setColumnWidth(c, widths[c]);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setTextElideMode(Qt::ElideMiddle);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EventLogWindow::showCurrent);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &EventLogWindow::showCurrent);
}

void EventLogWindow::makeShortcuts() {
    copyAction = new QAction(tr("Copy"), table);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyAction, &QAction::triggered, this, &EventLogWindow::copy);
    table->addAction(copyAction);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Escape and Ctrl+W besides the desktop's own close keys, on one action: the same key on
    // two shortcuts would be ambiguous and do nothing.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        if (!keys.contains(key))
            keys << key;
    auto* closing = new QAction(this);
    closing->setShortcuts(keys);
    closing->setShortcutContext(Qt::WindowShortcut);
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);
}

QString EventLogWindow::selectedText() const {
    QModelIndexList rows = table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return {};
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines, cells;
    for (int c = 0; c < filter->columnCount(); ++c)
        cells << filter->headerData(c, Qt::Horizontal).toString();
    lines << cells.join(QLatin1Char('\t'));
    for (const QModelIndex& row : rows) {
        cells.clear();
        for (int c = 0; c < filter->columnCount(); ++c)
            cells << OneLine(filter->index(row.row(), c).data().toString());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void EventLogWindow::copy() const {
    if (const QString text = selectedText(); !text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void EventLogWindow::showCurrent() {
    copyButton->setEnabled(table->selectionModel()->hasSelection());
    const QModelIndex current = table->selectionModel()->currentIndex();
    if (!current.isValid() || !table->selectionModel()->isRowSelected(current.row())) {
        details->clear();
        return;
    }
    QStringList lines;
    for (int c = 0; c < filter->columnCount(); ++c) {
        const QString text = filter->index(current.row(), c).data().toString();
        if (!text.isEmpty())
            lines << tr("%1: %2").arg(filter->headerData(c, Qt::Horizontal).toString(), text);
    }
    details->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace hmdx
