// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FanControlWindow.h"

#include "monitor/Conversions.h"
#include "support/WindowRig.h"
#include "ui/dialogs/CurvePointFields.h"
#include "ui/dialogs/FanCurveEditor.h"
#include "ui/dialogs/FanOutputPanel.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTranslator>
#include <cstring>
#include <gtest/gtest.h>
#include <sstream>

namespace hmdx::test {
namespace {

std::string Text(const std::vector<CurvePoint>& points) {
    std::ostringstream out;
    for (const CurvePoint& p : points)
        out << (out.tellp() ? " " : "") << p.celsius << ':' << p.percent;
    return out.str();
}

// A key or a mouse button as the window system delivers it.
void Send(QWidget* to, QEvent&& event) {
    QCoreApplication::sendEvent(to, &event);
}

// Every text a third longer, in words that wrap, as German runs.
struct Lengthening : QTranslator {
    QString translate(const char*, const char* source, const char*, int) const override {
        QString text = QString::fromUtf8(source);
        while (text.size() < qsizetype(std::strlen(source)) * 13 / 10)
            text += QStringLiteral(" wort");
        return text;
    }
    bool isEmpty() const override { return false; }
};

// The model's outputs each get a panel; HMA has none and its menu item is off.
TEST(FanControlWindow, OnePanelPerOutput) {
    const struct {
        const char* model;
        int outputs;
    } cases[] = {{"hma", 0}, {"hmb", 1}, {"hmc", 2}};
    for (const auto& c : cases) {
        WindowRig rig(ScenarioFor(c.model));
        rig.w().load();
        QAction* item = rig.w().fanControlAction();
        EXPECT_EQ(item->text(), QStringLiteral("&Fan Control...")) << c.model;
        EXPECT_EQ(item->isEnabled(), c.outputs > 0) << c.model;
        if (c.outputs == 0) {
            EXPECT_EQ(item->statusTip(), QStringLiteral("This chip has no fan outputs"));
            continue;
        }
        rig.w().openFanControl();
        FanControlWindow* window = rig.w().fanControlWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Fan Control"));
        EXPECT_EQ(window->objectName(), QStringLiteral("frmFanControl"));
        EXPECT_EQ(window->outputs(), c.outputs) << c.model;
        EXPECT_EQ(window->panel(1)->title(), QStringLiteral("Output 1: CPU FAN"));
    }
}

// Each mode enables only the controls it uses.
TEST(FanControlWindow, AModeEnablesWhatItUses) {
    WindowRig rig(ScenarioFor("hmb"));
    FanControlWindow window(rig.w().monitor().fans(), rig.w().monitor(), rig.boxes);
    FanOutputPanel& p = *window.panel(1);
    const struct {
        FanMode mode;
        bool duty, sensor, curve;
    } cases[] = {{FanMode::Fixed, true, true, false},
                 {FanMode::Curve, false, true, true},
                 {FanMode::Full, false, false, false}};
    for (const auto& c : cases) {
        p.mode->setCurrentIndex(int(c.mode));
        EXPECT_EQ(p.duty->isEnabled(), c.duty) << int(c.mode);
        EXPECT_EQ(p.sensor->isEnabled(), c.sensor) << int(c.mode);
        EXPECT_EQ(p.curve->isEnabled(), c.curve) << int(c.mode);
        EXPECT_EQ(p.minimum->isEnabled(), c.curve) << int(c.mode);
    }
}

// Cancel applies nothing and puts the found settings back; OK applies what was set and
// writes the file.
TEST(FanControlWindow, OkAppliesAndCancelDoesNot) {
    WindowRig rig(ScenarioFor("hmc"));
    FanControl& fans = rig.w().monitor().fans();
    fans.load(rig.data.path() / kFanControlFileName);
    const FanControlSettings found = fans.settings();
    FanControlWindow window(fans, rig.w().monitor(), rig.boxes);
    const auto set = [&] {
        window.panel(1)->mode->setCurrentIndex(int(FanMode::Fixed));
        window.panel(1)->duty->setValue(60);
        window.panel(2)->mode->setCurrentIndex(int(FanMode::Curve));
        window.panel(2)->sensor->setCurrentIndex(1);
        window.panel(2)->minimum->setValue(20);
    };
    set();
    window.buttons->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(fans.settings(), found);
    EXPECT_EQ(window.settings(), found);
    EXPECT_FALSE(std::filesystem::exists(fans.file()));

    set();
    window.buttons->button(QDialogButtonBox::Ok)->click();
    const FanControlSettings& applied = fans.settings();
    EXPECT_EQ(applied.outputs[0].mode, FanMode::Fixed);
    EXPECT_EQ(applied.outputs[0].duty, 60);
    EXPECT_EQ(applied.outputs[1].mode, FanMode::Curve);
    EXPECT_EQ(applied.outputs[1].sensor, 2);
    EXPECT_EQ(applied.outputs[1].minimum, 20);
    EXPECT_EQ(Text(applied.outputs[1].points), "30:30 50:60 70:100");
    EXPECT_TRUE(std::filesystem::exists(fans.file()));
    EXPECT_TRUE(rig.boxes.boxes.empty());
}

// Edits in turn from 30:30 50:60 70:100; a drag stops at its neighbours.
TEST(FanCurveEditor, KeepsThePointsInOrder) {
    QtApp();
    FanCurveEditor editor;
    editor.setCurve({{30, 30}, {50, 60}, {70, 100}}, 0);
    int heard = 0;
    QObject::connect(&editor, &FanCurveEditor::pointsChanged, [&] { ++heard; });
    enum Op { Move, Add, Remove };
    const struct {
        Op op;
        int index;
        QPointF at;
        bool done;
        const char* points;
    } steps[] = {
        {Move, 1, {80, 20}, true, "30:30 69:30 70:100"},   // past the next, below the last
        {Move, 1, {10, 100}, true, "30:30 31:100 70:100"}, // past the previous
        {Move, 1, {31, 100}, false, "30:30 31:100 70:100"},
        {Move, 2, {200, -5}, true, "30:30 31:100 125:100"},
        {Add, 0, {31, 50}, false, "30:30 31:100 125:100"}, // that temperature is taken
        {Add, 0, {20.4, 40}, true, "20:30 30:30 31:100 125:100"},
        {Remove, 3, {}, true, "20:30 30:30 31:100"},
        {Remove, 0, {}, true, "30:30 31:100"},
        {Remove, 0, {}, false, "30:30 31:100"}, // two at least
        {Add, 0, {40, 0}, true, "30:30 31:100 40:100"},
    };
    int changes = 0;
    for (const auto& s : steps) {
        const bool done = s.op == Move  ? editor.movePoint(s.index, s.at)
                          : s.op == Add ? editor.addPoint(s.at)
                                        : editor.removePoint(s.index);
        changes += done;
        EXPECT_EQ(done, s.done) << s.points;
        EXPECT_EQ(Text(editor.points()), s.points);
    }
    EXPECT_EQ(heard, changes);
    for (int c = 50; int(editor.points().size()) < kMaxCurvePoints; c += 5)
        EXPECT_TRUE(editor.addPoint({double(c), 100}));
    EXPECT_FALSE(editor.addPoint({90, 100})); // a ninth
}

// The chosen sensor's high limit is the failsafe line; the points beyond it are hollow, and
// the live mark sits on the curve as edited.
TEST(FanControlWindow, DrawsTheFailsafeLineAndTheLiveMark) {
    WindowRig rig(ScenarioFor("hmc"));
    rig.w().load();
    Monitor& monitor = rig.w().monitor();
    FanControlWindow window(monitor.fans(), monitor, rig.boxes);
    FanOutputPanel& p = *window.panel(1);
    const struct {
        int sensor;
        double limit; // 0: as it is
        const char* degrees;
        int unreachable;
    } steps[] = {{0, 0, "40", 2}, {0, 60, "60", 1}, {1, 52.5, "52.5", 1}, {1, 80, "80", 0}};
    for (const auto& s : steps) {
        p.sensor->setCurrentIndex(s.sensor);
        const TemperatureScale scale(s.sensor);
        if (s.limit != 0)
            monitor.limits().temperature(s.sensor).high.setValue(
                scale.scaleOf(scale.stepsNear(s.limit)));
        window.refreshState();
        const QString degrees = QString::fromLatin1(s.degrees) + QStringLiteral(" °C");
        EXPECT_EQ(p.curve->failsafeLabel(), QStringLiteral("Full speed above ") + degrees);
        EXPECT_EQ(p.curve->unreachable(), s.unreachable) << s.degrees;
        EXPECT_EQ(p.unreachable->isVisibleTo(&p), s.unreachable > 0) << s.degrees;
        EXPECT_EQ(p.unreachable->text().contains(degrees), s.unreachable > 0) << s.degrees;
    }
    p.showState({.controlled = true, .controlTemperature = 40.0}, FanMode::Curve);
    EXPECT_EQ(p.curve->live(), QPointF(40, 45));
    p.curve->movePoint(1, {50, 80});
    EXPECT_EQ(p.curve->live(), QPointF(40, 55));
    p.minimum->setValue(70);
    EXPECT_EQ(p.curve->live(), QPointF(40, 70));
}

// The status names the rule that drives the output now, numbers in the user's locale.
TEST(FanControlWindow, StatusSaysWhichRuleDrives) {
    WindowRig rig(ScenarioFor("hmb"));
    FanControlWindow window(rig.w().monitor().fans(), rig.w().monitor(), rig.boxes);
    FanOutputPanel& p = *window.panel(1);
    const struct {
        FanMode mode; // not controlled when Full
        std::optional<double> celsius;
        double duty;
        uint8_t written;
        FanFailsafe why;
        const char* now;
    } cases[] = {
        {FanMode::Full, std::nullopt, 100, 255, FanFailsafe::None,
         "Not controlled: the output stays at full speed."},
        {FanMode::Curve, 43.5, 38, 97, FanFailsafe::None,
         "Curve: 43,5 °C gives 38 %; output 97 of 255"},
        {FanMode::Curve, 43.5, 38, 255, FanFailsafe::AboveLimit,
         "Failsafe (sensor above its high limit): full speed, output 255 of 255"},
        {FanMode::Fixed, std::nullopt, 60, 153, FanFailsafe::None,
         "Fixed duty: 60 %, output 153 of 255"},
    };
    QLocale::setDefault(QLocale(QLocale::German));
    for (const auto& c : cases) {
        p.showState({.controlled = c.mode != FanMode::Full,
                     .controlTemperature = c.celsius,
                     .duty = c.duty,
                     .written = c.written,
                     .failsafe = c.why},
                    c.mode);
        EXPECT_EQ(p.now->text(), QString::fromUtf8(c.now));
        EXPECT_EQ(p.failsafe->text().contains(QStringLiteral("sensor above its high limit")),
                  c.why == FanFailsafe::AboveLimit);
    }
    QLocale::setDefault(QLocale::c());
}

// Keys choose and move points within the curve's rules; the fields show and move the chosen
// point; a drag shows where its point is.
TEST(FanCurveEditor, KeysFieldsAndDragEditThePoints) {
    QtApp();
    FanCurveEditor editor;
    CurvePointFields fields(&editor);
    editor.setCurve({{30, 30}, {50, 60}, {70, 100}}, 0);
    EXPECT_TRUE(editor.focusPolicy() & Qt::TabFocus);
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* points;
        int chosen;
    } steps[] = {
        {Qt::Key_Right, {}, "30:30 50:60 70:100", 1},
        {Qt::Key_Up, ctrl, "30:30 50:70 70:100", 1},
        {Qt::Key_Right, shift, "30:30 51:70 70:100", 1},
        {Qt::Key_Right, shift | ctrl, "30:30 61:70 70:100", 1},
        {Qt::Key_Right, shift | ctrl, "30:30 69:70 70:100", 1}, // stops before the next
        {Qt::Key_PageDown, {}, "30:30 69:60 70:100", 1},
        {Qt::Key_End, {}, "30:30 69:60 70:100", 2},
        {Qt::Key_Home, {}, "30:30 69:60 70:100", 0},
        {Qt::Key_Down, {}, "30:29 69:60 70:100", 0},
        {Qt::Key_Insert, {}, "30:29 50:45 69:60 70:100", 1},
        {Qt::Key_Delete, {}, "30:29 69:60 70:100", 1},
        {Qt::Key_Left, {}, "30:29 69:60 70:100", 0},
    };
    for (const auto& s : steps) {
        Send(&editor, QKeyEvent(QEvent::KeyPress, s.key, s.mods));
        EXPECT_EQ(Text(editor.points()), s.points);
        EXPECT_EQ(editor.chosen(), s.chosen) << s.points;
        const CurvePoint& at = editor.points()[size_t(editor.chosen())];
        EXPECT_EQ(Text({{fields.celsius->value(), fields.percent->value()}}), Text({at}));
    }
    fields.percent->setValue(90); // fenced in by the next point
    EXPECT_EQ(fields.percent->value(), 60);
    fields.celsius->setValue(40);
    EXPECT_EQ(Text(editor.points()), "40:60 69:60 70:100");

    editor.resize(500, 320);
    editor.show();
    QCoreApplication::processEvents();
    QChart* chart = editor.chart();
    const auto mouse = [&](QEvent::Type type, QPointF value, Qt::MouseButtons held) {
        const QPoint at = editor.mapFromScene(
            chart->mapToScene(chart->mapToPosition(value, chart->series().first())));
        Send(editor.viewport(),
             QMouseEvent(type, at, editor.viewport()->mapToGlobal(at), Qt::LeftButton, held, {}));
    };
    mouse(QEvent::MouseButtonPress, {69, 60}, Qt::LeftButton);
    mouse(QEvent::MouseMove, {55, 70}, Qt::LeftButton);
    EXPECT_EQ(editor.readout(), QStringLiteral("55 °C, 70 %"));
    mouse(QEvent::MouseButtonRelease, {55, 70}, {});
    EXPECT_EQ(Text(editor.points()), "40:60 55:70 70:100");
    EXPECT_EQ(editor.readout(), QString());
}

// State texts wrap instead of widening the window, which fits the screen in longer languages.
TEST(FanControlWindow, KeepsItsWidthAndFits) {
    WindowRig rig(ScenarioFor("hmc"));
    Lengthening longer;
    QCoreApplication::installTranslator(&longer);
    FanControlWindow window(rig.w().monitor().fans(), rig.w().monitor(), rig.boxes);
    window.show();
    QCoreApplication::processEvents();
    const int width = window.width();
    for (int output : {1, 2})
        window.panel(output)->showState(
            {.controlled = true, .controlTemperature = {}, .failsafe = FanFailsafe::BadReading},
            FanMode::Curve);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.width(), width);
    EXPECT_LT(window.minimumWidth(), 1200);
    EXPECT_LT(window.minimumHeight(), 700);
    EXPECT_GE(window.panel(1)->curve->height(), window.panel(1)->curve->minimumHeight());
    QCoreApplication::removeTranslator(&longer);
}

} // namespace
} // namespace hmdx::test
