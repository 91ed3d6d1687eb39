// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanCurveEditor.h"

#include <QKeyEvent>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace hmdx {
namespace {

constexpr double kReach = 9; // pixels from a point that still take it
constexpr double kPad = 2.5; // chart units beyond the ends, so a point there shows whole
constexpr int kHottest = kHottestSensorReading; // the chart's right end

QValueAxis* MakeAxis(const QString& title, int top, int step) {
    auto* axis = new QValueAxis;
    axis->setRange(-kPad, top + kPad);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(title);
    return axis;
}

} // namespace

FanCurveEditor::FanCurveEditor(QWidget* parent) : QChartView(new QChart, parent) {
    setObjectName(QStringLiteral("chtCurve"));
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(380, 260);
    setToolTip(tr("Drag a point to move it, double-click to add one, right-click a point to "
                  "remove it."));
    QChart* c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->legend()->hide();
    c->setMargins(QMargins(2, 2, 8, 2));
    m_x = MakeAxis(tr("Temperature (°C)"), kHottest, 20);
    m_y = MakeAxis(tr("Duty (%)"), kMaxPercent, 20);
    c->addAxis(m_x, Qt::AlignBottom);
    c->addAxis(m_y, Qt::AlignLeft);

    m_line = new QLineSeries;
    m_handles = new QScatterSeries;
    m_handles->setMarkerSize(11);
    m_live = new QScatterSeries;
    m_live->setMarkerSize(13);
    m_live->setColor(QColor(220, 30, 30));
    m_live->setBorderColor(Qt::white);
    for (QAbstractSeries* s :
         {static_cast<QAbstractSeries*>(m_line), static_cast<QAbstractSeries*>(m_handles),
          static_cast<QAbstractSeries*>(m_live)}) {
        c->addSeries(s);
        s->attachAxis(m_x);
        s->attachAxis(m_y);
    }
    paintSeries();
}

void FanCurveEditor::setCurve(const std::vector<CurvePoint>& points, int minimum) {
    m_points = points;
    m_minimum = minimum;
    // Fixed while editing, so that a drag never moves the chart under the mouse.
    m_left = points.empty() ? 0
                            : std::clamp(std::min(0, (points.front().celsius - 9) / 10 * 10),
                                         kColdestSensorReading, 0);
    m_x->setRange(m_left - kPad, kHottest + kPad);
    m_dragged = m_touched = -1;
    redraw();
}

void FanCurveEditor::setMinimum(int percent) {
    m_minimum = percent;
    redraw();
}

void FanCurveEditor::setLive(std::optional<QPointF> at) {
    if (at == live())
        return; // a steady tick does not redraw the chart
    m_live->replace(at ? QList<QPointF>{*at} : QList<QPointF>{});
}

std::optional<QPointF> FanCurveEditor::live() const {
    if (m_live->count() == 0)
        return std::nullopt;
    return m_live->at(0);
}

bool FanCurveEditor::movePoint(int index, QPointF to) {
    if (!MoveCurvePoint(m_points, index, to.x(), to.y(), m_left))
        return false;
    changed();
    return true;
}

bool FanCurveEditor::addPoint(QPointF at) {
    const int index = AddCurvePoint(m_points, at.x(), at.y(), m_left);
    if (index < 0)
        return false;
    m_touched = index;
    changed();
    return true;
}

bool FanCurveEditor::removePoint(int index) {
    if (!RemoveCurvePoint(m_points, index))
        return false;
    m_dragged = m_touched = -1;
    changed();
    return true;
}

void FanCurveEditor::changed() {
    redraw();
    emit pointsChanged();
}

void FanCurveEditor::redraw() {
    QList<QPointF> handles, line;
    for (const CurvePoint& p : m_points)
        handles.append({double(p.celsius), double(p.percent)});
    if (!m_points.empty()) {
        // Every degree: the points are whole degrees, so only the minimum's corners are cut.
        FanOutputSettings curve;
        curve.points = m_points;
        curve.minimum = m_minimum;
        for (int celsius = m_left; celsius <= kHottest; ++celsius)
            line.append({double(celsius), CurveDuty(curve, celsius)});
    }
    m_line->replace(line);
    m_handles->replace(handles);
}

// A disabled chart is greyed like the other controls a mode does not use.
void FanCurveEditor::paintSeries() {
    const QColor colour = isEnabled() ? QColor(0, 90, 200) : QColor(160, 160, 160);
    QPen pen(colour);
    pen.setWidthF(2);
    m_line->setPen(pen);
    m_handles->setColor(colour);
    m_handles->setBorderColor(Qt::white);
    m_live->setVisible(isEnabled());
}

void FanCurveEditor::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        paintSeries();
}

QPointF FanCurveEditor::valueAt(QPoint pos) const {
    return chart()->mapToValue(chart()->mapFromScene(mapToScene(pos)), m_handles);
}

int FanCurveEditor::pointNear(QPoint pos) const {
    int nearest = -1;
    double best = kReach;
    for (size_t i = 0; i < m_points.size(); ++i) {
        const QPointF at = chart()->mapToPosition(
            {double(m_points[i].celsius), double(m_points[i].percent)}, m_handles);
        const QPointF off = mapFromScene(chart()->mapToScene(at)) - pos;
        const double distance = std::hypot(off.x(), off.y());
        if (distance <= best) {
            best = distance;
            nearest = int(i);
        }
    }
    return nearest;
}

void FanCurveEditor::mousePressEvent(QMouseEvent* event) {
    const int near = pointNear(event->pos());
    if (near < 0) {
        QChartView::mousePressEvent(event);
        return;
    }
    m_touched = near;
    if (event->button() == Qt::RightButton) {
        removePoint(near);
    } else if (event->button() == Qt::LeftButton) {
        m_dragged = near;
        setCursor(Qt::ClosedHandCursor);
    }
    event->accept();
}

void FanCurveEditor::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragged >= 0)
        movePoint(m_dragged, valueAt(event->pos()));
    else if (pointNear(event->pos()) >= 0)
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
    QChartView::mouseMoveEvent(event);
}

void FanCurveEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragged >= 0) {
        m_dragged = -1;
        setCursor(Qt::OpenHandCursor);
    }
    QChartView::mouseReleaseEvent(event);
}

void FanCurveEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF inChart = chart()->mapFromScene(mapToScene(event->pos()));
    if (event->button() == Qt::LeftButton && pointNear(event->pos()) < 0 &&
        chart()->plotArea().contains(inChart))
        addPoint(valueAt(event->pos()));
    event->accept();
}

void FanCurveEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        removePoint(m_touched);
    else
        QChartView::keyPressEvent(event);
}

} // namespace hmdx
