// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/FanControlSettings.h"

#include <QChartView>
#include <QPointF>
#include <optional>
#include <vector>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace hmdx {

// A fan curve on a chart that the mouse edits: drag a point to move it, double-click to add
// one, right-click a point (or press Delete after touching it) to remove it. The points stay
// within what a curve may hold (FanControlSettings.h), temperatures rising and duties not
// falling; a drag stops at the neighbours. The line is the duty the curve gives, its minimum
// included.
class FanCurveEditor : public QChartView {
    Q_OBJECT
public:
    explicit FanCurveEditor(QWidget* parent = nullptr);

    // Shown as given, without pointsChanged.
    void setCurve(const std::vector<CurvePoint>& points, int minimum);
    void setMinimum(int percent);
    const std::vector<CurvePoint>& points() const { return m_points; }
    // The control temperature and the duty there; nothing hides the mark.
    void setLive(std::optional<QPointF> at);
    std::optional<QPointF> live() const;

    // The mouse's edits in chart values (degrees, percent); false when refused or when nothing
    // changed.
    bool movePoint(int index, QPointF to);
    bool addPoint(QPointF at);
    bool removePoint(int index);

signals:
    void pointsChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPointF valueAt(QPoint pos) const;
    int pointNear(QPoint pos) const; // -1 when none is within reach
    void redraw();
    void paintSeries();
    void changed();

    std::vector<CurvePoint> m_points;
    int m_minimum = 0;
    int m_left = 0; // degrees at the chart's left end: 0 unless a curve starts lower
    int m_dragged = -1;
    int m_touched = -1; // the point Delete removes
    QValueAxis* m_x = nullptr;
    QValueAxis* m_y = nullptr;
    QLineSeries* m_line = nullptr;
    QScatterSeries* m_handles = nullptr;
    QScatterSeries* m_live = nullptr;
};

} // namespace hmdx
