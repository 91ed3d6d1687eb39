// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ScaleSlider.h"

#include "support/QtApp.h"

#include <QImage>
#include <climits>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

struct WithApp {
    QApplication& app = QtApp(); // before any widget
};

QImage render(ScaleSlider& slider) {
    slider.resize(slider.sizeHint());
    QImage image(slider.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    slider.render(&image);
    return image;
}

// A reading outside the scale is kept but drawn at the nearest end; odd scales and bands
// draw without harm.
TEST(ScaleSlider, KeepsTheReadingButDrawsItInsideTheScale) {
    struct Case {
        int min, max, value, shown;
    };
    for (const Case& c :
         {Case{149, 223, 180, 180}, Case{149, 223, 240, 223}, Case{149, 223, 3, 149},
          // the -12V scale of a chip that counts it negative
          Case{-251, -179, -200, -200}, Case{-251, -179, 0, -179}, Case{-251, -179, -255, -251},
          // Min past Max while a row is filled in
          Case{200, 100, 50, 100}, Case{200, 100, 250, 200}, Case{7, 7, 9, 7},
          Case{INT_MIN, INT_MAX, 0, 0}}) {
        WithApp app;
        ScaleSlider slider;
        slider.setMinimum(c.min);
        slider.setMaximum(c.max);
        slider.setValue(c.value);
        EXPECT_EQ(slider.value(), c.value);
        EXPECT_EQ(slider.shownValue(), c.shown) << c.value << " on " << c.min << ".." << c.max;
        // Drawn with bands past the scale: the sanitizer build watches the arithmetic.
        slider.setSelStart(INT_MAX);
        slider.setSelLength(INT_MAX);
        render(slider);
        slider.setSelStart(c.min);
        slider.setSelLength(-7);
        render(slider);
    }
}

// Any column of the track centre line in the band's colour.
int bandColumns(const QImage& image, const QColor& band) {
    int columns = 0;
    for (int x = 0; x < image.width(); ++x)
        columns += image.pixelColor(x, image.height() / 2) == band;
    return columns;
}

TEST(ScaleSlider, DrawsTheBandAndAThresholdTick) {
    WithApp app;
    ScaleSlider slider;
    slider.setEnabled(false); // as in a row: the band must still show
    const QColor band = slider.palette().color(QPalette::Active, QPalette::Highlight);
    slider.setMinimum(0);
    slider.setMaximum(100);
    slider.setSelStart(25);
    slider.setSelLength(50);
    const int wide = bandColumns(render(slider), band);
    EXPECT_GT(wide, 60); // about half of a 150 px scale
    EXPECT_LT(wide, 80);
    slider.setSelLength(0);
    const int tick = bandColumns(render(slider), band);
    EXPECT_GE(tick, 1);
    EXPECT_LE(tick, 2);
}

} // namespace
} // namespace hmdx::test
