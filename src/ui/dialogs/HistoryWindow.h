// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/HistorySeries.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class QChart;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLabel;
class QPushButton;
class QValueAxis;

namespace hmdx {

// How the History window shows one item: its row caption, the unit of its rows, and the
// conversion from a raw reading to that unit (NaN for a reading that has no value, such as a
// stopped fan). An empty conversion shows the raw byte.
struct HistoryItemInfo {
    QString caption;
    QString unit;
    ToUnit toUnit;
};

// Tools > History: one item's readings over the last ten minutes, hour or day, with the limits in
// force at each moment and the periods its warning was up. The range ends at the newest tick.
// While shown it re-reads the history every five seconds; the history must outlive the window.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 5000;

    HistoryWindow(const ReadingHistory& history, std::array<HistoryItemInfo, 16> items, int item,
                  QWidget* parent = nullptr);

    void showItem(int item); // 0..15; others are ignored
    // Seconds back from the newest tick, 10..86400 (clamped); the three offered ranges are
    // 600, 3600 and 86400.
    void setRange(int seconds);
    void refresh(); // re-reads the history and redraws

    // Writes the shown item and range at full resolution as CSV: time (ISO 8601 local with
    // offset), value, low, high (empty where none), warning (0/1). Replaces the file whole or not
    // at all; on failure returns false with a message naming the file.
    bool exportCsv(const QString& path, QString* error) const;

    int item() const { return m_item; }
    int range() const { return m_range; }

    // What the chart shows, for tests: the plotted readings in their unit (x in ms since the
    // epoch) across all line pieces, the limit lines, and the warning periods as [start, end]
    // pairs in ms.
    QList<QPointF> shownReadings() const;
    QList<QPointF> shownLow() const;
    QList<QPointF> shownHigh() const;
    QList<QPointF> shownWarnings() const;
    // Readings the shown range holds (before any thinning to the chart's width).
    int pointCount() const { return static_cast<int>(m_series.samples.size()); }

    QComboBox* itemBox = nullptr;
    QComboBox* rangeBox = nullptr;
    QPushButton* exportButton = nullptr;
    QLabel* status = nullptr;
    QChart* chart = nullptr;
    QChartView* view = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void exportClicked();
    void redraw(int columns);

    const ReadingHistory& m_history;
    std::array<HistoryItemInfo, 16> m_items;
    int m_item = 0;
    int m_range = 3600;
    HistorySeries m_series;
    QDateTimeAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    QTimer m_timer;
};

} // namespace hmdx
