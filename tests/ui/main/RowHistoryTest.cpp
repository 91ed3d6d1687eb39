#include "support/WindowRig.h"
#include "ui/dialogs/HistoryWindow.h"
#include "ui/main/FanRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

using Clock = std::chrono::system_clock;

std::vector<ReadingHistory::Point> pointsOf(Machine& m, int item) {
    return m.history.points(item, Clock::now() - std::chrono::hours(1), Clock::now());
}

void doubleClick(QWidget* w) {
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

// Each tick's readings, the limits as the rows show them and the warnings reach the history,
// and a double-click on a row shows that item's history in the row's unit.
TEST(RowHistory, TicksLimitsAndWarningsReachTheHistoryWindow) {
    QLocale::setDefault(QLocale::c());
    sim::Scenario scenario = ScenarioFor("hmb");
    scenario.writes.push_back({0, 0, 0x23, 250}); // +5V at 6.72 V
    WindowRig rig(scenario);
    rig.w().load();
    for (int tick = 0; tick < 3; ++tick)
        rig.w().pollOnce();
    auto& high = rig.w().voltageRows().row[3].updHiLimit;
    high->setValue(high->value() + 3);
    rig.w().pollOnce();

    const auto points = pointsOf(rig.m(), 3);
    ASSERT_EQ(points.size(), 4U);
    EXPECT_EQ(points.back().raw, 250);
    EXPECT_TRUE(points.back().warning);
    EXPECT_DOUBLE_EQ(points.back().low, 4.49);
    EXPECT_DOUBLE_EQ(points.back().high,
                     rig.w().voltageRows().row[3].LblHiLimit->text().toDouble());
    EXPECT_NE(points.back().high, 5.51);
    EXPECT_EQ(pointsOf(rig.m(), 10).size(), 0U) << "FAN1 is not monitored";

    doubleClick(rig.w().voltageRows().row[3].lblStatusV);
    HistoryWindow* window = rig.w().history().window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->item(), 3);
    ASSERT_EQ(window->shownReadings().size(), 4);
    EXPECT_NEAR(window->shownReadings().back().y(), 6.72, 0.005);

    doubleClick(rig.w().fanRows().row[0].lblFanSpeed);
    EXPECT_EQ(window->item(), 9);
    ASSERT_EQ(window->shownReadings().size(), 4);
    const double rpm = QLocale::c().toDouble(rig.w().fanRows().row[0].lblFanSpeed->text());
    EXPECT_NEAR(window->shownReadings().back().y(), rpm, 0.5);

    doubleClick(high); // an up-down keeps its double-click
    EXPECT_EQ(window->item(), 9);
}

} // namespace
} // namespace hmdx::test
