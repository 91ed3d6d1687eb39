#include "ui/dialogs/HistoryWindow.h"

#include "support/QtApp.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

using namespace std::chrono;

const system_clock::time_point t0 = sys_days{year{2026} / 3 / 14} + 9h;

double Ms(system_clock::time_point t) {
    return static_cast<double>(duration_cast<milliseconds>(t.time_since_epoch()).count());
}

std::array<HistoryItemInfo, 16> Items() {
    std::array<HistoryItemInfo, 16> items;
    items[0] = {QStringLiteral("+3.3V"), QStringLiteral("V"), [](uint8_t r) { return r * 0.016; }};
    items[1] = {QStringLiteral("Fan 1"), QStringLiteral("RPM"),
                [](uint8_t r) { return r == 255 ? std::nan("") : 1350000.0 / (r * 2.0); }};
    return items;
}

// The window shows what the series builder gives for the item and range its boxes choose.
TEST(HistoryWindow, ShowsTheChosenItemOverTheChosenRange) {
    QtApp();
    ReadingHistory h(100);
    h.limits(t0, 0, 3.0, 3.6);
    h.warning(t0 + 15s, 0, true);
    for (int s = 0; s < 20; ++s)
        h.record(t0 + seconds(s), {uint8_t(200 + s), uint8_t(200 + s)}, 0xFFFF);

    HistoryWindow w(h, Items(), 0);
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("History"));
    ASSERT_EQ(w.itemBox->count(), 16);
    EXPECT_EQ(w.itemBox->itemText(1), QStringLiteral("Fan 1"));
    EXPECT_EQ(w.rangeBox->currentText(), QStringLiteral("Last hour"));
    EXPECT_EQ(w.pointCount(), 20);
    EXPECT_TRUE(w.status->text().startsWith(QStringLiteral("20 readings, ")));
    EXPECT_EQ(w.shownReadings().first(), QPointF(Ms(t0), 200 * 0.016));
    EXPECT_EQ(w.shownLow(), QList<QPointF>({{Ms(t0), 3.0}, {Ms(t0 + 19s), 3.0}}));
    EXPECT_EQ(w.shownWarnings(), QList<QPointF>({{Ms(t0 + 15s), Ms(t0 + 19s)}}));
    EXPECT_TRUE(w.exportButton->isEnabled());

    w.itemBox->setCurrentIndex(1); // a fan, in its unit, without limits
    EXPECT_EQ(w.item(), 1);
    EXPECT_EQ(w.shownReadings().first().y(), 1350000.0 / 400);
    EXPECT_TRUE(w.shownLow().isEmpty());
    EXPECT_TRUE(w.shownWarnings().isEmpty());

    w.setRange(1); // clamped, and offered in the box
    EXPECT_EQ(w.range(), 10);
    EXPECT_EQ(w.rangeBox->currentText(), QStringLiteral("Last 10 s"));
    EXPECT_EQ(w.pointCount(), 11);
    w.rangeBox->setCurrentIndex(2);
    EXPECT_EQ(w.range(), 86400);
}

TEST(HistoryWindow, EmptyHistoryShowsNothingAndCannotExport) {
    QtApp();
    ReadingHistory h(10);
    HistoryWindow w(h, Items(), 42); // out of range: the first item
    EXPECT_EQ(w.item(), 0);
    EXPECT_EQ(w.pointCount(), 0);
    EXPECT_TRUE(w.shownReadings().isEmpty());
    EXPECT_EQ(w.status->text(), QStringLiteral("No readings of +3.3V in this range."));
    EXPECT_FALSE(w.exportButton->isEnabled());
    w.showItem(-3);
    EXPECT_EQ(w.item(), 0);
}

} // namespace
} // namespace hmdx::test
