#include "ui/main/ScaleSlider.h"

#include "support/QtApp.h"

#include <QImage>
#include <climits>
#include <gtest/gtest.h>
#include <ostream>

using namespace hmdx;

namespace {

struct Reading {
    int min, max, value, shown;
};

void PrintTo(const Reading& r, std::ostream* os) {
    *os << r.value << " on " << r.min << ".." << r.max;
}

class ScaleSliderTest : public ::testing::Test {
protected:
    ScaleSliderTest() { hmdx::test::QtApp(); }
};

class ShownValueTest : public ScaleSliderTest, public ::testing::WithParamInterface<Reading> {};

TEST_P(ShownValueTest, KeepsTheReadingButDrawsItInsideTheScale) {
    const Reading& r = GetParam();
    ScaleSlider slider;
    slider.setMinimum(r.min);
    slider.setMaximum(r.max);
    slider.setValue(r.value);
    EXPECT_EQ(slider.value(), r.value);
    EXPECT_EQ(slider.shownValue(), r.shown);
}

INSTANTIATE_TEST_SUITE_P(Scales, ShownValueTest,
                         ::testing::Values(Reading{149, 223, 180, 180}, Reading{149, 223, 240, 223},
                                           Reading{149, 223, 3, 149},
                                           // the -12V scale of a chip that counts it negative
                                           Reading{-251, -179, -200, -200},
                                           Reading{-251, -179, 0, -179},
                                           Reading{-251, -179, -255, -251},
                                           // Min past Max while a row is filled in
                                           Reading{200, 100, 50, 100}, Reading{200, 100, 250, 200},
                                           Reading{7, 7, 9, 7}));

QImage render(ScaleSlider& slider) {
    slider.resize(slider.sizeHint());
    QImage image(slider.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    slider.render(&image);
    return image;
}

// Any column of the track centre line in the band's colour.
int bandColumns(const QImage& image, const QColor& band) {
    int columns = 0;
    for (int x = 0; x < image.width(); ++x)
        columns += image.pixelColor(x, image.height() / 2) == band;
    return columns;
}

TEST_F(ScaleSliderTest, DrawsTheBandAndAThresholdTick) {
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

TEST_F(ScaleSliderTest, SurvivesOddRanges) {
    struct Range {
        int min, max, value;
    };
    const Range ranges[] = {{100, 0, 50}, {5, 5, 5}, {INT_MIN, INT_MAX, 0}, {-251, -179, -300}};
    for (const Range& r : ranges) {
        ScaleSlider slider;
        slider.setMinimum(r.min);
        slider.setMaximum(r.max);
        slider.setValue(r.value);
        slider.setSelStart(INT_MAX);
        slider.setSelLength(INT_MAX);
        EXPECT_FALSE(render(slider).isNull());
        slider.setSelStart(r.min);
        slider.setSelLength(-7);
        EXPECT_FALSE(render(slider).isNull());
    }
}

} // namespace
