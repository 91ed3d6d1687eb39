// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ScaleSlider.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace hmdx {
namespace {

// The marker is a small pointer; the track ends this far inside the widget so that a reading
// at either end of the scale is still drawn whole.
constexpr int kMarkerHalfWidth = 4;
constexpr int kTrackInset = kMarkerHalfWidth + 1;
constexpr int kGrooveHalfHeight = 2;
constexpr int kBandHalfHeight = 3;
// A temperature's band is a single threshold: it gets a tick tall enough to see.
constexpr int kTickHalfHeight = 5;
constexpr int kTickWidth = 2;

// The scale's axis, left to right, whichever way round Min and Max are.
struct Axis {
    int lo;
    int hi;
    int left;
    int right;

    bool empty() const { return hi <= lo; }
    int clamped(qint64 v) const { return static_cast<int>(std::clamp<qint64>(v, lo, hi)); }
    int x(int v) const {
        if (empty())
            return left;
        const double t = (double(v) - lo) / (double(hi) - lo);
        return left + static_cast<int>(t * (right - left) + 0.5);
    }
};

template <typename T> bool assign(T& field, T value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

struct Canvas {
    QPainter& painter;
    const QPalette& palette;
    Axis axis;
    int mid; // the track's centre line

    // The scale is a display: it looks the same whether or not its row is enabled.
    QColor colour(QPalette::ColorRole role) const { return palette.color(QPalette::Active, role); }
};

void drawGroove(const Canvas& c) {
    c.painter.fillRect(QRect(QPoint(c.axis.left, c.mid - kGrooveHalfHeight),
                             QPoint(c.axis.right, c.mid + kGrooveHalfHeight - 1)),
                       c.colour(QPalette::Mid));
}

void drawBand(const Canvas& c, int start, int length) {
    const qint64 a = qint64(start) + std::min(length, 0);
    const qint64 b = qint64(start) + std::max(length, 0);
    if (c.axis.empty() || b < c.axis.lo || a > c.axis.hi)
        return;
    const int x0 = c.axis.x(c.axis.clamped(a));
    const int x1 = c.axis.x(c.axis.clamped(b));
    const QColor band = c.colour(QPalette::Highlight);
    if (x1 - x0 < kTickWidth)
        c.painter.fillRect(x0 - kTickWidth / 2, c.mid - kTickHalfHeight, kTickWidth,
                           2 * kTickHalfHeight, band);
    else
        c.painter.fillRect(
            QRect(QPoint(x0, c.mid - kBandHalfHeight), QPoint(x1, c.mid + kBandHalfHeight - 1)),
            band);
}

// A pointer from below, its tip just under the band, so the band stays readable.
void drawMarker(const Canvas& c, int value) {
    const double x = c.axis.x(value) + 0.5;
    const double tip = c.mid + kBandHalfHeight + 0.5;
    const double base = tip + kMarkerHalfWidth + 1;
    const QPolygonF marker{{x, tip}, {x + kMarkerHalfWidth, base}, {x - kMarkerHalfWidth, base}};
    c.painter.setRenderHint(QPainter::Antialiasing);
    c.painter.setPen(c.colour(QPalette::Shadow));
    c.painter.setBrush(c.colour(QPalette::WindowText));
    c.painter.drawPolygon(marker);
}

} // namespace

ScaleSlider::ScaleSlider(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Opaque, so that a moving marker repaints this scale alone and not the frame beneath.
    setAutoFillBackground(true);
}

void ScaleSlider::resizeEvent(QResizeEvent*) {
    // Later, from the event loop: drawing the frame now would resize this scale again.
    if (!m_matchQueued)
        m_matchQueued = QMetaObject::invokeMethod(this, &ScaleSlider::matchFrameBackground,
                                                  Qt::QueuedConnection);
}

// The frame's own drawing (a group box tints its inside) under the scale's centre becomes the
// scale's background, so that being opaque does not show.
void ScaleSlider::matchFrameBackground() {
    m_matchQueued = false;
    QWidget* frame = parentWidget();
    if (!frame)
        return;
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(frame->palette().color(QPalette::Window));
    const QRect under(geometry().center(), QSize(1, 1));
    frame->render(&pixel, QPoint(), QRegion(under), QWidget::DrawWindowBackground);
    QPalette p = palette();
    p.setColor(QPalette::Window, pixel.pixelColor(0, 0));
    setPalette(p);
}

void ScaleSlider::setMinimum(int min) {
    if (assign(m_min, min))
        update();
}

void ScaleSlider::setMaximum(int max) {
    if (assign(m_max, max))
        update();
}

void ScaleSlider::setValue(int value) {
    const int before = shownValue();
    if (!assign(m_value, value))
        return;
    // A new reading repaints only where the marker was and where it is.
    const QRect was = markerRect(before);
    const QRect is = markerRect(shownValue());
    if (was != is)
        update(QRegion(was) | is);
}

QRect ScaleSlider::markerRect(int shown) const {
    const Axis axis{std::min(m_min, m_max), std::max(m_min, m_max), kTrackInset,
                    width() - 1 - kTrackInset};
    const int x = axis.x(shown);
    const int tip = height() / 2 + kBandHalfHeight;
    // One pixel round the polygon for its antialiased edge.
    return QRect(QPoint(x - kMarkerHalfWidth - 1, tip - 1),
                 QPoint(x + kMarkerHalfWidth + 2, tip + kMarkerHalfWidth + 3));
}

void ScaleSlider::setSelStart(int start) {
    if (assign(m_selStart, start))
        update();
}

void ScaleSlider::setSelLength(int length) {
    if (assign(m_selLength, length))
        update();
}

int ScaleSlider::shownValue() const {
    return std::clamp(m_value, std::min(m_min, m_max), std::max(m_min, m_max));
}

QSize ScaleSlider::sizeHint() const {
    return {150, 22};
}

void ScaleSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Axis axis{std::min(m_min, m_max), std::max(m_min, m_max), kTrackInset,
                    width() - 1 - kTrackInset};
    const Canvas canvas{painter, palette(), axis, height() / 2};
    drawGroove(canvas);
    drawBand(canvas, m_selStart, m_selLength);
    drawMarker(canvas, shownValue());
}

} // namespace hmdx
