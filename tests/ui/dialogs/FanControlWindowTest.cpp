// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FanControlWindow.h"

#include "support/WindowRig.h"
#include "ui/dialogs/FanCurveEditor.h"
#include "ui/dialogs/FanOutputPanel.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
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

} // namespace
} // namespace hmdx::test
