// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenPlacement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace hmdx {
namespace {

// The window manager's frame once the window has been shown; before that, room for a title
// bar and thin borders.
QMargins FrameOf(const QWidget* window) {
    if (window->isVisible()) {
        const QRect frame = window->frameGeometry();
        const QRect inner = window->geometry();
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    }
    return {4, 32, 4, 4};
}

const char* const kPlaced = "hmdxPlaced";

} // namespace

// Title bars often use a larger, bold font than the window's own.
int WidthForTitle(const QWidget* window) {
    return window->fontMetrics().horizontalAdvance(window->windowTitle()) * 5 / 4 + 100;
}

void PlaceOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameOf(window);
    const QSize room = area.marginsRemoved(frame).size();
    window->resize(window->size().expandedTo({WidthForTitle(window), 0}).boundedTo(room));
    const QSize outer = window->size().grownBy(frame);
    QPoint at = window->property(kPlaced).toBool()
                    ? window->pos()
                    : area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
    window->move(at);
    window->setProperty(kPlaced, true);
}

void CentreOnScreen(QWidget* window) {
    window->adjustSize();
    window->setProperty(kPlaced, false);
    PlaceOnScreen(window);
}

} // namespace hmdx
