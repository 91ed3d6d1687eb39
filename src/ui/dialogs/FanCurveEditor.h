// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/FanControlSettings.h"

#include <QChartView>
#include <QPointF>
#include <optional>
#include <vector>

class QAreaSeries;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace hmdx {

// A fan curve on a chart that the mouse and the keys edit. One point is chosen (highlighted):
// the keys and the point fields act on it. The points stay within what a curve may hold
// (FanControlSettings.h), temperatures rising and duties not falling; a move stops at the
// neighbours. The line is the duty the curve gives, its minimum included. Above the sensor's
// high limit the failsafe runs the fan full, so the points there are drawn hollow.
class FanCurveEditor : public QChartView {
    Q_OBJECT
public:
    explicit FanCurveEditor(QWidget* parent = nullptr);

    // Shown as given, without pointsChanged; the first point is chosen.
    void setCurve(const std::vector<CurvePoint>& points, int minimum);
    void setMinimum(int percent);
    const std::vector<CurvePoint>& points() const { return m_points; }
    // The control temperature, or none: the live mark sits on the edited curve there.
    void setLive(std::optional<double> celsius);
    std::optional<QPointF> live() const;
    // The sensor's high limit in degrees, drawn as the failsafe line.
    void setFailsafeAbove(double celsius);
    QString failsafeLabel() const;
    int unreachable() const; // the points beyond the failsafe line
    // The chosen point's index, -1 when there are none.
    int chosen() const { return m_chosen; }
    void choose(int index);
    // While a point is dragged, its coordinates ("45 °C, 60 %"); empty otherwise.
    QString readout() const;

    // Edits in chart values (degrees, percent); false when refused or when nothing changed.
    bool movePoint(int index, QPointF to);
    bool addPoint(QPointF at);
    bool removePoint(int index);

signals:
    void pointsChanged();
    void chosenChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPointF valueAt(QPoint pos) const;
    int pointNear(QPoint pos) const; // -1 when none is within reach
    bool insertAfterChosen();
    void redraw();
    void placeTexts();
    void paintSeries();
    void changed();

    std::vector<CurvePoint> m_points;
    int m_minimum = 0;
    int m_left = 0; // degrees at the chart's left end: 0 unless a curve starts lower
    int m_dragged = -1;
    int m_chosen = -1;
    std::optional<double> m_liveCelsius;
    double m_failsafeAbove = kHottestSensorReading;
    QValueAxis* m_x = nullptr;
    QValueAxis* m_y = nullptr;
    QLineSeries* m_zoneTop = nullptr; // the shaded zone beyond the failsafe line
    QLineSeries* m_zoneBottom = nullptr;
    QAreaSeries* m_zone = nullptr;
    QLineSeries* m_limit = nullptr;
    QLineSeries* m_line = nullptr;
    QScatterSeries* m_handles = nullptr;
    QScatterSeries* m_unreachable = nullptr;
    QScatterSeries* m_chosenMark = nullptr;
    QScatterSeries* m_live = nullptr;
    QGraphicsSimpleTextItem* m_limitText = nullptr;
    QGraphicsSimpleTextItem* m_readout = nullptr;
};

} // namespace hmdx
