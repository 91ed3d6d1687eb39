// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/EventLogWindow.h"

#include "support/QtApp.h"

#include <QTableView>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace hmdx::test {
namespace {

Event Numbered(int n) {
    return {.event = "limit changed",
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

} // namespace
} // namespace hmdx::test
