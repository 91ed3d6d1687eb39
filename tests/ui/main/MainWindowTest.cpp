// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowRig.h"
#include "ui/dialogs/HistoryWindow.h"
#include "ui/main/FanRows.h"
#include "ui/main/RowWidgets.h"
#include "ui/main/ScaleSlider.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QProgressBar>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// An HMB machine's main window, loaded.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        rig.w().load();
    }

    WindowRig rig{ScenarioFor("hmb")};
};

// Light green until read, then green in range and red out of it; the scales and the case
// line show the readings too. An up-down moves its limit, and its row shows it at once.
TEST_F(MainWindowTest, RowsShowTheMonitor) {
    VoltageRows::Row& plus5 = rig.w().voltageRows().row[3];
    FanRows::Row& fan = rig.w().fanRows().row[0];
    TemperatureRows::Row& cpu = rig.w().temperatureRows().row[1];
    for (QLabel* status : {plus5.readingLabel, fan.readingLabel, cpu.readingLabel})
        EXPECT_EQ(StatusColour(status), kStatusFresh);
    rig.chip().poke(0, 0x23, 250);  // +5V beyond its scale
    rig.chip().poke(0, 0x28, 56);   // fan count
    rig.chip().poke(0, 0x42, 0x10); // case open
    rig.tick();
    EXPECT_EQ(plus5.readingLabel->text(), QStringLiteral("6.72"));
    EXPECT_EQ(StatusColour(plus5.readingLabel), kStatusRed);
    EXPECT_EQ(plus5.scaleSlider->value(), 250);
    EXPECT_EQ(plus5.scaleSlider->shownValue(), 223); // the top of its scale
    EXPECT_EQ(StatusColour(fan.readingLabel), kStatusGreen);
    EXPECT_EQ(fan.speedBar->value(), 199);
    EXPECT_EQ(StatusColour(cpu.readingLabel), kStatusGreen);
    EXPECT_TRUE(rig.w().rows().caseLine.openedMark->isChecked());
    EXPECT_EQ(rig.w().rows().caseLine.statusLabel->text(), QStringLiteral("PC Case is opened"));

    plus5.highUpDown->stepUp();
    EXPECT_EQ(plus5.highLabel->text(), QStringLiteral("5.54"));
    EXPECT_EQ(plus5.scaleSlider->selLength(), 206 - 167);
    fan.lowUpDown->stepUp();
    EXPECT_EQ(fan.lowLabel->text(), QStringLiteral(" 1061"));
    cpu.highUpDown->stepUp();
    EXPECT_EQ(cpu.highLabel->text(), QStringLiteral("60.5"));
}

// What no header names says what it is when pointed at: the scales and their ends, the
// temperatures' hysteresis, the fan bars.
TEST_F(MainWindowTest, WhatNoHeaderNamesHasATip) {
    std::vector<QWidget*> unnamed;
    for (const auto& r : rig.w().voltageRows().row)
        unnamed.insert(unnamed.end(), {r.scaleLowLabel, r.scaleSlider, r.scaleHighLabel});
    for (const auto& r : rig.w().temperatureRows().row)
        unnamed.insert(unnamed.end(), {r.lowLabel, r.scaleLowLabel, r.scaleSlider});
    for (const auto& r : rig.w().fanRows().row)
        unnamed.push_back(r.speedBar);
    for (const QWidget* widget : unnamed)
        EXPECT_FALSE(widget->toolTip().isEmpty()) << widget->objectName().toStdString();
}

TEST(MainWindow, HmcHidesItsAbsentRowsAndClosesTheVcoreBGap) {
    WindowRig rig(ScenarioFor("hmc"));
    VoltageRows& volts = rig.w().voltageRows();
    auto* grid = qobject_cast<QGridLayout*>(volts.row[0].scaleSlider->parentWidget()->layout());
    const auto gridRow = [&](int item) {
        int row = -1, column = 0, span = 0;
        grid->getItemPosition(grid->indexOf(volts.row[item].scaleSlider), &row, &column, &span,
                              &span);
        return row;
    };
    std::array<int, 9> before{};
    for (int i = 0; i < 9; ++i)
        before[i] = gridRow(i);
    rig.w().load();
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(gridRow(i), before[i >= 2 && i <= 6 ? i - 1 : i]) << i;
    for (int i : {1, 6, 7, 8}) {
        for (QWidget* control : volts.row[i].controls())
            EXPECT_TRUE(control->isHidden()) << i;
    }
    EXPECT_TRUE(rig.w().fanRows().row[2].captionLabel->isHidden());
    EXPECT_FALSE(rig.w().fanRows().row[2].lowUpDown->isEnabled());
    EXPECT_TRUE(rig.w().temperatureRows().row[2].captionLabel->isHidden());
    EXPECT_TRUE(rig.w().rows().caseLine.statusLabel->isHidden());
}

// An unmonitored item keeps only its name, greyed; monitored again, all of its row is back.
TEST_F(MainWindowTest, AnUnmonitoredRowKeepsOnlyItsGreyedName) {
    const TemperatureRows::Row& cpu = rig.w().temperatureRows().row[1];
    rig.m().settings.monitored[13] = 0;
    rig.tick();
    EXPECT_FALSE(cpu.captionLabel->isEnabled());
    for (QWidget* control : cpu.controls())
        EXPECT_EQ(control->isHidden(), control != cpu.captionLabel)
            << control->objectName().toStdString();
    rig.m().settings.monitored[13] = 1;
    rig.w().refreshItemEnabled();
    EXPECT_TRUE(cpu.captionLabel->isEnabled());
    for (QWidget* control : cpu.controls())
        EXPECT_EQ(control->isHidden(), control == cpu.lowUpDown)
            << control->objectName().toStdString();
}

// The user's close sends the window to the tray and monitoring goes on (the e2e cases restore
// it from the tray, and close it where there is none); a close by the system ends the program.
TEST_F(MainWindowTest, ClosingHidesToTheTrayAndASystemCloseEnds) {
    rig.w().show();
    EXPECT_TRUE(rig.w().hideInsteadOfClosing(MainWindow::CloseReason::User));
    EXPECT_TRUE(rig.w().isHidden());
    EXPECT_TRUE(rig.s().clock().isActive());
    EXPECT_EQ(rig.s().clock().interval(), 1000);
    EXPECT_FALSE(rig.w().hideInsteadOfClosing(MainWindow::CloseReason::System));
    EXPECT_EQ(rig.ended, 0);
    rig.w().close();
    EXPECT_EQ(rig.ended, 1);
}

TEST_F(MainWindowTest, AFailedSaveTellsTheUser) {
    std::filesystem::create_directory(rig.data / "hmb.dat"); // cannot be replaced by a file
    rig.w().saveSettings();
    ASSERT_EQ(rig.boxes.boxes.size(), 1U);
    EXPECT_NE(rig.boxes.boxes[0].text.find("hmb.dat"), std::string::npos);
    EXPECT_EQ(rig.m().events.events().back().kind, EventKind::SaveFailed);
}

// The widgets a tick repaints, by class.
std::vector<std::string> paintsOfATick(WindowRig& rig) {
    struct PaintCounter : QObject {
        PaintCounter() { qApp->installEventFilter(this); }
        ~PaintCounter() override { qApp->removeEventFilter(this); }
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint)
                painted.push_back(o->metaObject()->className());
            return false;
        }
        std::vector<std::string> painted;
    } paints;
    rig.tick();
    QCoreApplication::processEvents();
    return paints.painted;
}

// A tick that reads what the last one read changes nothing on the screen; a hidden window
// paints nothing whatever the readings do.
TEST(MainWindow, TicksRepaintOnlyWhatChanged) {
    const std::vector<std::string> none;
    for (const char* model : {"hma", "hmb", "hmc", "hmdf"}) {
        WindowRig rig(ScenarioFor(model));
        rig.m().settings.monitored.fill(1);
        rig.w().load();
        rig.w().show();
        paintsOfATick(rig);
        EXPECT_EQ(paintsOfATick(rig), none) << model;
        rig.chip().poke(0, 0x23, 150);
        EXPECT_NE(paintsOfATick(rig), none) << model;
        rig.w().hide();
        rig.chip().poke(0, 0x23, 230);
        rig.chip().poke(0, 0x28, 90);
        EXPECT_EQ(paintsOfATick(rig), none) << model << " hidden";
    }
}

void doubleClick(QWidget* w) {
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

// A double-click on a row's labels shows that item's history; an up-down keeps its
// double-click.
TEST_F(MainWindowTest, ADoubleClickOnARowOpensItsHistory) {
    rig.chip().poke(0, 0x23, 250); // +5V at 6.72 V
    rig.chip().poke(1, 0x50, 60);  // CPU at 60.5 C
    rig.chip().poke(1, 0x51, 0x80);
    for (int tick = 0; tick < 2; ++tick)
        rig.tick();
    doubleClick(rig.w().voltageRows().row[3].readingLabel);
    HistoryWindow* window = rig.w().history().window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->item(), 3);
    ASSERT_EQ(window->shownReadings().size(), 2);
    // The very number the row shows, from the same conversion, a half degree included.
    EXPECT_EQ(window->shownReadings().back().y(), rig.w().monitor().reading(3).value);
    doubleClick(rig.w().temperatureRows().row[1].readingLabel);
    EXPECT_EQ(window->shownReadings().back().y(), 60.5);

    doubleClick(rig.w().fanRows().row[0].captionLabel);
    EXPECT_EQ(window->item(), 9);

    doubleClick(rig.w().voltageRows().row[3].highUpDown);
    EXPECT_EQ(window->item(), 9);
}

} // namespace
} // namespace hmdx::test
