// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/EventLogWindow.h"

#include "monitor/JournalSink.h"
#include "support/QtApp.h"
#include "support/SimRig.h"

#include <QLocale>
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
    EXPECT_EQ(window->table->model(), &model);
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

} // namespace
} // namespace hmdx::test
