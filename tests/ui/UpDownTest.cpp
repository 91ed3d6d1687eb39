#include "ui/main/UpDown.h"

#include "support/QtApp.h"

#include <QInputDevice>
#include <QKeyEvent>
#include <QToolButton>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using namespace hmdx;

namespace {

QToolButton* arrow(const UpDown& updown, Qt::ArrowType type) {
    for (auto* button : updown.findChildren<QToolButton*>())
        if (button->arrowType() == type)
            return button;
    return nullptr;
}

// Records the state a changed() listener sees.
struct Seen {
    int value, min, max;
    bool operator==(const Seen&) const = default;
};

// Widgets need the application object before they are built.
struct WithApp {
    WithApp() { hmdx::test::QtApp(); }
};

class UpDownTest : public ::testing::Test, private WithApp {
protected:
    UpDownTest() {
        QObject::connect(&m_updown, &UpDown::changed, [this] {
            m_seen.push_back({m_updown.value(), m_updown.minimum(), m_updown.maximum()});
        });
    }
    void range(int min, int max, int value) {
        m_updown.setMinimum(min);
        m_updown.setMaximum(max);
        m_updown.setValue(value);
        m_seen.clear();
    }
    void key(int code) {
        // Straight to the widget, with a keyboard of the test's own: the application's route
        // would make Qt's shared keyboard, which outlives the test binary's application object.
        QInputDevice keyboard;
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, 0, 0, 0, {}, false, 1, &keyboard);
        static_cast<QObject&>(m_updown).event(&press);
    }

    UpDown m_updown;
    std::vector<Seen> m_seen;
};

TEST_F(UpDownTest, ArrowsStepByOneAndStopAtTheEnds) {
    range(10, 12, 11);
    QToolButton* up = arrow(m_updown, Qt::UpArrow);
    QToolButton* down = arrow(m_updown, Qt::DownArrow);
    ASSERT_TRUE(up && down);
    up->click();
    up->click(); // at Max: the arrow is off and nothing changes
    EXPECT_EQ(m_updown.value(), 12);
    m_updown.setEnabled(false);
    m_updown.setEnabled(true); // an arrow at its end stays off when the row comes back
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(down->isEnabled());
    for (int i = 0; i < 3; ++i)
        down->click();
    EXPECT_EQ(m_updown.value(), 10);
    EXPECT_FALSE(down->isEnabled());
    EXPECT_EQ(m_seen, (std::vector<Seen>{{12, 10, 12}, {11, 10, 12}, {10, 10, 12}}));
}

struct BoundCase {
    const char* name;
    int min, max, value; // the change applied, after starting at 100..200 value 150
    std::vector<Seen> seen;
};

void PrintTo(const BoundCase& c, std::ostream* os) {
    *os << c.name;
}

class UpDownBoundTest : public UpDownTest, public ::testing::WithParamInterface<BoundCase> {};

TEST_P(UpDownBoundTest, SignalsOnlyRealChangesWithTheNewStateInPlace) {
    range(100, 200, 150);
    const BoundCase& c = GetParam();
    m_updown.setMaximum(c.max);
    m_updown.setMinimum(c.min);
    m_updown.setValue(c.value);
    EXPECT_EQ(m_seen, c.seen);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, UpDownBoundTest,
    ::testing::Values(BoundCase{"SameValue", 100, 200, 150, {}},
                      BoundCase{"BoundsAroundValue", 140, 160, 150, {}},
                      BoundCase{"MaxBelowValue", 100, 120, 120, {{120, 100, 120}}},
                      BoundCase{"MinAboveValue", 170, 200, 170, {{170, 170, 200}}},
                      BoundCase{"SetValueClampsHigh", 100, 200, 999, {{200, 100, 200}}},
                      BoundCase{"SetValueClampsLow", 100, 200, -999, {{100, 100, 200}}},
                      // Min past Max for a moment, as while a row is being filled in
                      BoundCase{
                          "InvertedRange", 180, 140, 150, {{140, 100, 140}, {150, 180, 140}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(UpDownTest, KeysStepLikeTheArrows) {
    range(0, 2, 1);
    key(Qt::Key_Up);
    key(Qt::Key_PageUp);
    EXPECT_EQ(m_updown.value(), 2);
    key(Qt::Key_Down);
    key(Qt::Key_PageDown);
    key(Qt::Key_Down);
    EXPECT_EQ(m_updown.value(), 0);
    EXPECT_EQ(m_seen.size(), 3u);
    EXPECT_TRUE(m_updown.focusPolicy() & Qt::TabFocus);
}

} // namespace
