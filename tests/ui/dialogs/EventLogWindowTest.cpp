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

QString Cell(const EventLogWindow& w, int row, int column) {
    return w.model->data(w.model->index(row, column)).toString();
}

TEST(EventLogWindow, ShowsTheRunNewestFirstAndGivesOnRecordedBack) {
    QtApp();
    EventLog log;
    int earlier = 0;
    log.onRecorded = [&] { ++earlier; };
    for (int n = 0; n < 2; ++n)
        log.record(Numbered(n));
    auto owned = std::make_unique<EventLogWindow>(log);
    EventLogWindow& w = *owned;
    log.record(Numbered(2));
    EXPECT_EQ(earlier, 3); // passed on while the window is open
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Event Log"));
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.table->model(), w.model);
    ASSERT_EQ(w.model->rowCount(), 3);
    QStringList headers, top;
    for (int c = EventLogModel::Name; c < w.model->columnCount(); ++c) {
        headers << w.model->headerData(c, Qt::Horizontal).toString();
        top << Cell(w, 0, c);
    }
    EXPECT_EQ(headers, QStringList({"Event", "Item", "Reading", "Low", "High", "Detail"}));
    EXPECT_EQ(top, QStringList({"limit changed", "+3.3V", "3.31", "2.97", "3.63", "2"}));
    EXPECT_EQ(Cell(w, 2, EventLogModel::Detail), "0");
    owned.reset();
    log.record(Numbered(3));
    EXPECT_EQ(earlier, 4);
}

TEST(EventLogWindow, FollowsNewEventsAndTheDropOfTheOldest) {
    QtApp();
    EventLog log;
    const int full = static_cast<int>(EventLog::kKept);
    for (int n = 0; n < full - 1; ++n)
        log.record(Numbered(n));
    EventLogWindow w(log);
    using Rows = std::pair<int, int>;
    std::vector<Rows> inserted, removed;
    int resets = 0;
    QObject::connect(w.model, &QAbstractItemModel::rowsInserted,
                     [&](const QModelIndex&, int a, int b) { inserted.emplace_back(a, b); });
    QObject::connect(w.model, &QAbstractItemModel::rowsRemoved,
                     [&](const QModelIndex&, int a, int b) { removed.emplace_back(a, b); });
    QObject::connect(w.model, &QAbstractItemModel::modelReset, [&] { ++resets; });

    log.record(Numbered(full - 1)); // fills the log: nothing dropped yet
    EXPECT_EQ(inserted, std::vector<Rows>{Rows(0, 0)});
    EXPECT_TRUE(removed.empty());

    log.record(Numbered(full));
    log.record(Numbered(full + 1));
    const Rows bottom(full - 1, full - 1);
    EXPECT_EQ(removed, std::vector<Rows>({bottom, bottom}));
    EXPECT_EQ(inserted, std::vector<Rows>(3, Rows(0, 0)));
    EXPECT_EQ(resets, 0);
    ASSERT_EQ(w.model->rowCount(), full);
    EXPECT_EQ(Cell(w, 0, EventLogModel::Detail), QString::number(full + 1));
    EXPECT_EQ(Cell(w, 1, EventLogModel::Detail), QString::number(full));
    EXPECT_EQ(Cell(w, full - 1, EventLogModel::Detail), "2");
}

} // namespace
} // namespace hmdx::test
