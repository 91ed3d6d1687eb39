// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/UpDown.h"

#include "support/QtApp.h"

#include <QInputDevice>
#include <QKeyEvent>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

namespace hmdx::test {
namespace {

// The state a changed() listener sees.
struct Seen {
    int value, min, max;
    bool operator==(const Seen&) const = default;
};

// An up-down of its own, every changed() it sends recorded.
struct Watched {
    Watched(int min, int max, int value) {
        updown.setMinimum(min);
        updown.setMaximum(max);
        updown.setValue(value);
        QObject::connect(&updown, &UpDown::changed, [this] {
            seen.push_back({updown.value(), updown.minimum(), updown.maximum()});
        });
    }
    QToolButton* arrow(Qt::ArrowType type) const {
        for (auto* button : updown.findChildren<QToolButton*>())
            if (button->arrowType() == type)
                return button;
        return nullptr;
    }
    void key(int code) {
        // Straight to the widget, with a keyboard of the test's own: the application's route
        // would make Qt's shared keyboard, which outlives the test binary's application object.
        QInputDevice keyboard;
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, 0, 0, 0, {}, false, 1, &keyboard);
        static_cast<QObject&>(updown).event(&press);
    }

    QApplication& app = QtApp(); // before any widget
    UpDown updown;
    std::vector<Seen> seen;
};

TEST(UpDown, ArrowsAndKeysStepByOneAndStopAtTheEnds) {
    Watched w(10, 12, 11);
    QToolButton* up = w.arrow(Qt::UpArrow);
    QToolButton* down = w.arrow(Qt::DownArrow);
    ASSERT_TRUE(up && down);
    up->click();
    w.key(Qt::Key_PageUp); // at Max: nothing changes
    EXPECT_EQ(w.updown.value(), 12);
    w.updown.setEnabled(false);
    w.updown.setEnabled(true); // an arrow at its end stays off when the row comes back
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(down->isEnabled());
    down->click();
    w.key(Qt::Key_Down);
    w.key(Qt::Key_PageDown);
    EXPECT_EQ(w.updown.value(), 10);
    EXPECT_FALSE(down->isEnabled());
    w.key(Qt::Key_Up);
    EXPECT_EQ(w.seen, (std::vector<Seen>{{12, 10, 12}, {11, 10, 12}, {10, 10, 12}, {11, 10, 12}}));
    EXPECT_TRUE(w.updown.focusPolicy() & Qt::TabFocus);
}

// From 100..200 at 150, a new maximum, minimum and value in that order: changed() comes only
// for a real change, with the whole new state in place.
TEST(UpDown, SignalsOnlyRealChanges) {
    struct Case {
        const char* name;
        int min, max, value;
        std::vector<Seen> seen;
    };
    for (const Case& c : {
             Case{"same value", 100, 200, 150, {}},
             Case{"bounds around the value", 140, 160, 150, {}},
             Case{"max below the value", 100, 120, 120, {{120, 100, 120}}},
             Case{"min above the value", 170, 200, 170, {{170, 170, 200}}},
             Case{"value above max", 100, 200, 999, {{200, 100, 200}}},
             Case{"value below min", 100, 200, -999, {{100, 100, 200}}},
             // Min past Max for a moment, as while a row is being filled in
             Case{"inverted range", 180, 140, 150, {{140, 100, 140}, {150, 180, 140}}},
         }) {
        Watched w(100, 200, 150);
        w.updown.setMaximum(c.max);
        w.updown.setMinimum(c.min);
        w.updown.setValue(c.value);
        EXPECT_EQ(w.seen, c.seen) << c.name;
    }
}

} // namespace
} // namespace hmdx::test
