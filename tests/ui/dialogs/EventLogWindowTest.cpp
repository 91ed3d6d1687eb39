// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/EventLogWindow.h"

#include "monitor/JournalSink.h"
#include "support/QtApp.h"
#include "support/SimRig.h"
#include "ui/dialogs/EventFilter.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTableView>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace hmdx::test {
namespace {

Event Numbered(int n) {
    return {.kind = EventKind::LimitChanged,
            .item = 2,
            .caption = "+3.3V",
            .value = "3.31",
            .low = "2.97",
            .high = "3.63",
            .detail = std::to_string(n)};
}

// Newest first; each new event is a row inserted on top and, once the log is full, the
// oldest a row removed at the bottom. Whoever listened to the log before hears it on while
// the window is open, and alone again once it is gone.
TEST(EventLogWindow, ShowsTheRunNewestFirstAndFollowsIt) {
    QtApp();
    EventLog log;
    int heard = 0;
    log.onRecorded = [&] { ++heard; };
    const int full = static_cast<int>(EventLog::kKept);
    for (int n = 0; n < full - 1; ++n)
        log.record(Numbered(n));
    auto window = std::make_unique<EventLogWindow>(log);
    EventLogModel& model = *window->model;
    using Rows = std::pair<int, int>;
    std::vector<Rows> inserted, removed;
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex&, int a, int b) { inserted.emplace_back(a, b); });
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved,
                     [&](const QModelIndex&, int a, int b) { removed.emplace_back(a, b); });
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    for (int n = full - 1; n <= full + 1; ++n) // the first fills the log
        log.record(Numbered(n));

    EXPECT_EQ(inserted, std::vector<Rows>(3, Rows(0, 0)));
    EXPECT_EQ(removed, std::vector<Rows>(2, Rows(full - 1, full - 1)));
    EXPECT_EQ(resets, 0);
    EXPECT_EQ(heard, full + 2);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Event Log"));
    EXPECT_EQ(window->filter->sourceModel(), &model);
    ASSERT_EQ(model.rowCount(), full);
    QStringList headers, top;
    for (int c = EventLogModel::Name; c < model.columnCount(); ++c) {
        headers << model.headerData(c, Qt::Horizontal).toString();
        top << model.data(model.index(0, c)).toString();
    }
    EXPECT_EQ(headers, QStringList({"Event", "Item", "Reading", "Low", "High", "Detail"}));
    EXPECT_EQ(top, QStringList({"limit changed", "+3.3V", "3.31", "2.97", "3.63",
                                QString::number(full + 1)}));
    EXPECT_EQ(model.data(model.index(1, EventLogModel::Detail)).toString(), QString::number(full));
    EXPECT_EQ(model.data(model.index(full - 1, EventLogModel::Detail)).toString(), "2");
    window.reset();
    log.record(Numbered(0));
    EXPECT_EQ(heard, full + 3);
}

// The log file, the journal and the alert command's environment are read by programs: their
// numbers have a decimal point and no grouping whatever the locale. The window has the user's.
TEST(EventLogWindow, ShowsTheUsersNumbersWhileProgramsGetADecimalPoint) {
    QtApp();
    MonitorRig rig("hmb");
    QLocale::setDefault(QLocale(QLocale::German));
    rig.monitor.load();
    rig.chip().poke(0, 0x23, 150); // +5V at 4.03 V, below its low limit
    rig.chip().poke(0, 0x28, 56);  // CPU FAN at 3013 RPM
    rig.monitor.poll();
    rig.limits().voltage(3).high.stepUp();
    rig.m().events.record(rig.monitor.itemEvent(9, EventKind::Ignore));
    EventLogWindow window(rig.m().events);
    QLocale::setDefault(QLocale::c());

    const std::pair<const char*, QStringList> rows[] = {
        // oldest first
        {R"("caption":"+5V","value":"4.03","low":"4.49","high":"5.51","detail":null})",
         {"4,03", "4,49", "5,51", ""}},
        {R"("value":"4.03","low":"4.49","high":"5.54","detail":"high 5.51 -> 5.54 V"})",
         {"4,03", "4,49", "5,54", "high 5,51 -> 5,54 V"}},
        {R"("caption":"CPU FAN","value":"3013","low":"1055","high":null,"detail":null})",
         {"3.013", "1055", "", ""}},
    };
    const auto& events = rig.m().events.events();
    ASSERT_GE(events.size(), std::size(rows));
    EXPECT_EQ(JournalMessage(events[events.size() - 3]),
              "+5V: warning raised (reading 4.03, limits 4.49..5.51)");
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Event& e = events[events.size() - std::size(rows) + i];
        EXPECT_NE(ToJsonLine(e).find(rows[i].first), std::string::npos) << ToJsonLine(e);
        QStringList shown;
        for (int c = EventLogModel::Reading; c <= EventLogModel::Detail; ++c)
            shown << window.model->data(window.model->index(int(std::size(rows) - 1 - i), c))
                         .toString();
        EXPECT_EQ(shown, rows[i].second);
    }
}

// Oldest first: what the filter tests and the copy test look through.
void RecordSample(EventLog& log) {
    const Event sample[] = {
        {.kind = EventKind::Start, .detail = "sim model, chip ID 0x30"},
        {.kind = EventKind::WarningRaised, .item = 3, .caption = "+5V", .value = "6.72"},
        {.kind = EventKind::Ignore, .item = 3, .caption = "+5V", .value = "6.72"},
        {.kind = EventKind::ShutDown, .item = 9, .caption = "CPU FAN", .detail = "Declined"},
        {.kind = EventKind::WarningRaised, .item = 9, .caption = "CPU FAN", .value = "1200"},
    };
    for (const Event& e : sample)
        log.record(e);
}

QStringList Column(const QAbstractItemModel& m, int column) {
    QStringList cells;
    for (int r = 0; r < m.rowCount(); ++r)
        cells << m.index(r, column).data().toString();
    return cells;
}

// Item, kind and search narrow the rows together, newest still first; the search looks in
// every column and ignores case; new events that match show up while the filter stands.
TEST(EventLogWindow, FiltersByItemKindAndText) {
    QtApp();
    EventLog log;
    RecordSample(log);
    EventLogWindow window(log);
    struct Case {
        int item, kind; // combo rows: 0 is "All"
        const char* search;
        QStringList kinds;
    };
    const int raised = int(EventKind::WarningRaised) + 1, item9 = 9 + 1;
    const Case cases[] = {
        {0, 0, "", {"warning raised", "shut down", "ignore", "warning raised", "start"}},
        {0, raised, "", {"warning raised", "warning raised"}},
        {item9, raised, "", {"warning raised"}},
        {0, 0, "DECLINED", {"shut down"}},
        {0, 0, " 6.72", {"ignore", "warning raised"}},
        {0, 0, "chip id", {"start"}},
        {4 + 1, 0, "", {}},
    };
    for (const Case& c : cases) {
        window.items->setCurrentIndex(c.item);
        window.kinds->setCurrentIndex(c.kind);
        window.search->setText(QString::fromLatin1(c.search));
        EXPECT_EQ(Column(*window.filter, EventLogModel::Name), c.kinds)
            << c.item << " " << c.kind << " " << c.search;
    }
    window.items->setCurrentIndex(item9);
    window.search->clear();
    log.record({.kind = EventKind::Ignore, .item = 9, .caption = "CPU FAN"});
    log.record({.kind = EventKind::Ignore, .item = 3, .caption = "+5V"});
    EXPECT_EQ(Column(*window.filter, EventLogModel::Name),
              QStringList({"ignore", "warning raised", "shut down"}));
}

void Key(QWidget* to, QKeySequence key) {
    QKeyEvent press(QEvent::KeyPress, key[0].key(), key[0].keyboardModifiers());
    QCoreApplication::sendEvent(to, &press);
}

// Copy puts the selected rows on the clipboard in the table's order, under a header line,
// one line each with tab-separated cells; the pane shows the current event whole, however
// long. Escape, Ctrl+W and the desktop's close keys close the window.
TEST(EventLogWindow, CopiesShowsInFullAndClosesByKey) {
    QtApp();
    EventLog log;
    RecordSample(log);
    const std::string longDetail = std::string(300, 'x') + "\tend\nline";
    log.record({.kind = EventKind::Save, .detail = longDetail});
    EventLogWindow window(log);
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents(); // shortcuts go to the active window
    EXPECT_TRUE(window.minimumSizeHint().width() <= 1000 &&
                window.minimumSizeHint().height() <= 600);
    window.table->selectRow(0);
    EXPECT_TRUE(window.details->toPlainText().contains(QString::fromStdString(longDetail)));
    window.table->setSelectionMode(QAbstractItemView::MultiSelection);
    window.table->selectRow(3); // "ignore"
    window.table->selectRow(2); // CPU FAN shut down
    window.table->setFocus();
    Key(window.table, QKeySequence::Copy);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "Time\tEvent\tItem\tReading\tLow\tHigh\tDetail");
    EXPECT_TRUE(lines[1].endsWith("\tsave\t\t\t\t\t" + QString(300, 'x') + " end line"));
    EXPECT_TRUE(lines[2].endsWith("\tshut down\tCPU FAN\t\t\t\tDeclined"));
    EXPECT_TRUE(lines[3].endsWith("\tignore\t+5V\t6.72\t\t\t"));
    EXPECT_EQ(lines[4], "");

    const QKeySequence closing[] = {QKeySequence(Qt::Key_Escape),
                                    QKeySequence(Qt::CTRL | Qt::Key_W),
                                    QKeySequence(QKeySequence::Close)};
    for (const QKeySequence& key : closing) {
        window.show();
        window.activateWindow();
        QCoreApplication::processEvents();
        Key(window.search, key);
        EXPECT_FALSE(window.isVisible()) << key.toString().toStdString();
    }
}

} // namespace
} // namespace hmdx::test
