// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanCurveEditor.h"

#include "FanStatusText.h"

#include <QAreaSeries>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QLineSeries>
#include <QLocale>
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
constexpr int kBigStep = 10;                    // a move with Ctrl held
const QColor kFailsafeColour(200, 0, 0);

// What a key does to the chosen point: choose another (a step; kMaxCurvePoints reaches an
// end), or move it by degrees and percent, ten times as far with Ctrl.
struct KeyRule {
    int key;
    bool shift;
    int choose;
    int celsius;
    int percent;
};
constexpr KeyRule kKeys[] = {
    {Qt::Key_Left, false, -1, 0, 0},
    {Qt::Key_Right, false, 1, 0, 0},
    {Qt::Key_Home, false, -kMaxCurvePoints, 0, 0},
    {Qt::Key_End, false, kMaxCurvePoints, 0, 0},
    {Qt::Key_Left, true, 0, -1, 0},
    {Qt::Key_Right, true, 0, 1, 0},
    {Qt::Key_Up, false, 0, 0, 1},
    {Qt::Key_Down, false, 0, 0, -1},
    {Qt::Key_PageUp, false, 0, 0, kBigStep},
    {Qt::Key_PageDown, false, 0, 0, -kBigStep},
};

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

QPointF At(const CurvePoint& p) {
    return {double(p.celsius), double(p.percent)};
}

} // namespace

FanCurveEditor::FanCurveEditor(QWidget* parent) : QChartView(new QChart, parent) {
    setObjectName(QStringLiteral("chtCurve"));
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(380, 260);
    setToolTip(tr("Drag a point to move it, double-click to add one, right-click a point to "
                  "remove it.\nKeys: Left and Right (Home, End) choose a point; Up and Down "
                  "change its duty, Shift+Left and Shift+Right its temperature, by 10 with "
                  "Ctrl (Page Up and Page Down: duty by 10); Insert adds a point after it; "
                  "Delete removes it."));
    QChart* c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->legend()->hide();
    c->setMargins(QMargins(2, 2, 8, 2));
    c->setPlotAreaBackgroundBrush(Qt::NoBrush);
    m_x = MakeAxis(tr("Temperature (°C)"), kHottest, 20);
    m_y = MakeAxis(tr("Duty (%)"), kMaxPercent, 20);
    c->addAxis(m_x, Qt::AlignBottom);
    c->addAxis(m_y, Qt::AlignLeft);

    m_zoneTop = new QLineSeries(this);
    m_zoneBottom = new QLineSeries(this);
    m_zone = new QAreaSeries(m_zoneTop, m_zoneBottom);
    m_zone->setPen(Qt::NoPen);
    m_zone->setBrush(QColor(kFailsafeColour.red(), 0, 0, 28));
    m_limit = new QLineSeries;
    m_line = new QLineSeries;
    m_handles = new QScatterSeries;
    m_handles->setMarkerSize(11);
    m_unreachable = new QScatterSeries;
    m_unreachable->setMarkerSize(11);
    m_chosenMark = new QScatterSeries;
    m_chosenMark->setMarkerSize(19);
    m_chosenMark->setColor(Qt::transparent);
    m_live = new QScatterSeries;
    m_live->setMarkerSize(13);
    m_live->setColor(QColor(220, 30, 30));
    m_live->setBorderColor(Qt::white);
    for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{
             m_zone, m_limit, m_line, m_handles, m_unreachable, m_chosenMark, m_live}) {
        c->addSeries(s);
        s->attachAxis(m_x);
        s->attachAxis(m_y);
    }
    m_limitText = new QGraphicsSimpleTextItem(c);
    m_limitText->setBrush(kFailsafeColour);
    m_readout = new QGraphicsSimpleTextItem(c);
    m_readout->setZValue(100);
    connect(c, &QChart::plotAreaChanged, this, &FanCurveEditor::placeTexts);
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
    m_dragged = -1;
    m_chosen = points.empty() ? -1 : 0;
    redraw();
    emit chosenChanged();
}

void FanCurveEditor::setMinimum(int percent) {
    m_minimum = percent;
    redraw();
}

void FanCurveEditor::setLive(std::optional<double> celsius) {
    if (celsius == m_liveCelsius)
        return; // a steady tick does not redraw the chart
    m_liveCelsius = celsius;
    redraw();
}

std::optional<QPointF> FanCurveEditor::live() const {
    if (m_live->count() == 0)
        return std::nullopt;
    return m_live->at(0);
}

void FanCurveEditor::setFailsafeAbove(double celsius) {
    if (celsius == m_failsafeAbove)
        return;
    m_failsafeAbove = celsius;
    redraw();
}

QString FanCurveEditor::failsafeLabel() const {
    return tr("Full speed above %1 °C").arg(FanStatusText::degrees(m_failsafeAbove));
}

int FanCurveEditor::unreachable() const {
    return int(std::count_if(m_points.begin(), m_points.end(),
                             [this](const CurvePoint& p) { return p.celsius > m_failsafeAbove; }));
}

void FanCurveEditor::choose(int index) {
    if (index == m_chosen || index < 0 || index >= int(m_points.size()))
        return;
    m_chosen = index;
    redraw();
    emit chosenChanged();
}

QString FanCurveEditor::readout() const {
    return m_readout->isVisible() ? m_readout->text() : QString();
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
    m_chosen = index;
    changed();
    emit chosenChanged();
    return true;
}

bool FanCurveEditor::removePoint(int index) {
    if (!RemoveCurvePoint(m_points, index))
        return false;
    m_dragged = -1;
    if (m_chosen > index)
        --m_chosen; // the same point stays chosen
    m_chosen = std::min(m_chosen, int(m_points.size()) - 1);
    changed();
    emit chosenChanged();
    return true;
}

// Halfway to the next point, or a few degrees on after the last.
bool FanCurveEditor::insertAfterChosen() {
    if (m_chosen < 0)
        return false;
    const CurvePoint p = m_points[size_t(m_chosen)];
    const bool last = m_chosen + 1 == int(m_points.size());
    const CurvePoint next = last ? CurvePoint{std::min(p.celsius + kBigStep, kHottest), p.percent}
                                 : m_points[size_t(m_chosen + 1)];
    return addPoint((At(p) + At(next)) / 2);
}

void FanCurveEditor::changed() {
    redraw();
    emit pointsChanged();
}

void FanCurveEditor::redraw() {
    QList<QPointF> handles, beyond, line;
    for (const CurvePoint& p : m_points)
        (p.celsius > m_failsafeAbove ? beyond : handles).append(At(p));
    FanOutputSettings curve;
    curve.points = m_points;
    curve.minimum = m_minimum;
    if (!m_points.empty()) {
        // Every degree: the points are whole degrees, so only the minimum's corners are cut.
        for (int celsius = m_left; celsius <= kHottest; ++celsius)
            line.append({double(celsius), CurveDuty(curve, celsius)});
    }
    m_line->replace(line);
    m_handles->replace(handles);
    m_unreachable->replace(beyond);
    m_chosenMark->replace(m_chosen >= 0 ? QList<QPointF>{At(m_points[size_t(m_chosen)])}
                                        : QList<QPointF>{});
    const bool live = m_liveCelsius && !m_points.empty();
    m_live->replace(live ? QList<QPointF>{{*m_liveCelsius, CurveDuty(curve, *m_liveCelsius)}}
                         : QList<QPointF>{});

    const double edge = std::max(m_failsafeAbove, double(m_left) - kPad);
    const double right = kHottest + kPad;
    m_zoneTop->replace({{edge, kMaxPercent + kPad}, {right, kMaxPercent + kPad}});
    m_zoneBottom->replace({{edge, -kPad}, {right, -kPad}});
    m_limit->replace({{edge, -kPad}, {edge, kMaxPercent + kPad}});
    const bool shown = m_failsafeAbove < kHottest;
    m_zone->setVisible(shown);
    m_limit->setVisible(shown);
    m_limitText->setVisible(shown);
    m_limitText->setText(failsafeLabel());

    m_readout->setVisible(m_dragged >= 0);
    if (m_dragged >= 0) {
        const QLocale locale;
        const CurvePoint& p = m_points[size_t(m_dragged)];
        m_readout->setText(
            tr("%1 °C, %2 %").arg(locale.toString(p.celsius), locale.toString(p.percent)));
    }
    placeTexts();
}

// The limit's label in the shaded zone near the bottom, where a rising curve is not; the
// readout beside its point. Either goes to the other side when it would leave the plot.
void FanCurveEditor::placeTexts() {
    const QRectF plot = chart()->plotArea();
    const auto beside = [&plot](QGraphicsSimpleTextItem* text, QPointF at, double rise) {
        const QRectF box = text->boundingRect();
        double x = at.x() + 6;
        if (x + box.width() > plot.right())
            x = at.x() - 6 - box.width();
        const double y =
            std::clamp(at.y() - rise - box.height(), plot.top(), plot.bottom() - box.height());
        text->setPos(x, y);
    };
    beside(m_limitText, chart()->mapToPosition({m_failsafeAbove, 8}, m_line), 0);
    if (m_dragged >= 0)
        beside(m_readout, chart()->mapToPosition(At(m_points[size_t(m_dragged)]), m_line), kReach);
}

// A disabled chart is greyed like the other controls a mode does not use.
void FanCurveEditor::paintSeries() {
    const bool on = isEnabled();
    const QColor colour = on ? QColor(0, 90, 200) : QColor(160, 160, 160);
    QPen pen(colour);
    pen.setWidthF(2);
    m_line->setPen(pen);
    m_handles->setColor(colour);
    m_handles->setBorderColor(Qt::white);
    m_unreachable->setPen(pen);
    m_unreachable->setColor(Qt::white); // hollow: the failsafe has the fan there
    QPen ring(on ? QColor(240, 140, 0) : colour);
    ring.setWidthF(2.5);
    m_chosenMark->setPen(ring);
    QPen limit(on ? kFailsafeColour : colour);
    limit.setWidthF(1.5);
    limit.setStyle(Qt::DashLine);
    m_limit->setPen(limit);
    m_limitText->setBrush(limit.color());
    m_live->setVisible(on);
}

void FanCurveEditor::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        paintSeries();
}

// The plot's frame shows where the keys go.
void FanCurveEditor::focusInEvent(QFocusEvent* event) {
    QChartView::focusInEvent(event);
    chart()->setPlotAreaBackgroundPen(QPen(palette().color(QPalette::Highlight), 2));
    chart()->setPlotAreaBackgroundVisible(true);
}

void FanCurveEditor::focusOutEvent(QFocusEvent* event) {
    QChartView::focusOutEvent(event);
    chart()->setPlotAreaBackgroundVisible(false);
}

QPointF FanCurveEditor::valueAt(QPoint pos) const {
    return chart()->mapToValue(chart()->mapFromScene(mapToScene(pos)), m_line);
}

int FanCurveEditor::pointNear(QPoint pos) const {
    int nearest = -1;
    double best = kReach;
    for (size_t i = 0; i < m_points.size(); ++i) {
        const QPointF at = chart()->mapToPosition(At(m_points[i]), m_line);
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
    choose(near);
    if (event->button() == Qt::RightButton) {
        removePoint(near);
    } else if (event->button() == Qt::LeftButton) {
        m_dragged = near;
        setCursor(Qt::ClosedHandCursor);
        redraw();
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
        redraw();
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
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    const int times = event->modifiers().testFlag(Qt::ControlModifier) ? kBigStep : 1;
    for (const KeyRule& k : kKeys) {
        if (k.key != event->key() || k.shift != shift)
            continue;
        if (k.choose != 0)
            choose(std::clamp(m_chosen + k.choose, 0, int(m_points.size()) - 1));
        else if (m_chosen >= 0)
            movePoint(m_chosen, At(m_points[size_t(m_chosen)]) +
                                    QPointF(k.celsius * times, k.percent * times));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Insert)
        insertAfterChosen();
    else if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        removePoint(m_chosen);
    else
        QChartView::keyPressEvent(event);
}

} // namespace hmdx
