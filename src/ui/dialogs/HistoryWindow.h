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
#include <vector>

class QCategoryAxis;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QValueAxis;

namespace hmdx {

// How the History window shows one item: its row caption, the unit of its rows, and the
// conversion from a raw reading to that unit (NaN for a reading that has no value, such as a
// stopped fan). An empty conversion shows the raw byte. Items of one unit can be plotted
// together; a switch (0 closed, 1 open) is drawn as steps between its two words.
struct HistoryItemInfo {
    QString caption;
    QString unit;
    ToUnit toUnit;
    int decimals = 2; // as its row shows them
    bool isSwitch = false;
};

// Tools > History: one item's readings over the last ten minutes, hour or day, with the limits in
// force at each moment and the periods its warning was up, and other items of its unit beside it.
// The range ends at the newest tick; it opens on the shortest range that holds every reading,
// and the time axis starts at the oldest reading when they cover less than the range.
// While shown it re-reads the history every five seconds; the history must outlive the window.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 5000;

    HistoryWindow(const ReadingHistory& history, std::array<HistoryItemInfo, 16> items, int item,
                  QWidget* parent = nullptr);

    void showItem(int item); // 0..15; others are ignored
    // Plots another item of the shown item's unit beside it, or stops; others are ignored. The
    // compared items are kept, in item order, while the shown item's unit stays.
    void compare(int item, bool on);
    const QList<int>& compared() const { return m_compared; }
    // Seconds back from the newest tick, 10..86400 (clamped); the three offered ranges are
    // 600, 3600 and 86400.
    void setRange(int seconds);
    void refresh(); // re-reads the history and redraws

    // Writes the shown item and range at full resolution as CSV: time (ISO 8601 local with
    // offset), value, low, high (empty where none), warning (0/1). Replaces the file whole or not
    // at all; on failure returns false with a message naming the file.
    bool exportCsv(const QString& path, QString* error) const;
    QString exportFileName() const; // offered in the save dialog

    int item() const { return m_item; }
    int range() const { return m_range; }

    // What the chart shows, for tests: the plotted readings in their unit (x in ms since the
    // epoch) across all line pieces, of the shown item (line 0) or the compared ones (1..), the
    // limit lines, and the warning periods as [start, end] pairs in ms.
    QList<QPointF> shownReadings(int line = 0) const;
    QList<QPointF> shownLow() const;
    QList<QPointF> shownHigh() const;
    QList<QPointF> shownWarnings() const;
    // Readings the shown range holds (before any thinning to the chart's width).
    int pointCount() const { return static_cast<int>(m_series.samples.size()); }

    QComboBox* itemBox = nullptr;
    QComboBox* rangeBox = nullptr;
    QPushButton* compareButton = nullptr;
    QPushButton* exportButton = nullptr;
    QLabel* status = nullptr;
    QChart* chart = nullptr;
    QChartView* view = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void exportClicked();
    void fillCompareMenu();
    void redraw(int columns);
    void useAxisY(QValueAxis* axis);

    const ReadingHistory& m_history;
    std::array<HistoryItemInfo, 16> m_items;
    int m_item = 0;
    int m_range = 3600;
    QList<int> m_compared;
    HistorySeries m_series;
    std::vector<HistorySeries> m_comparedSeries; // as m_compared
    QMenu* m_compareMenu = nullptr;
    QCategoryAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    QCategoryAxis* m_levelsY = nullptr; // a switch's closed and open
    QValueAxis* m_shownY = nullptr;     // m_axisY or m_levelsY
    QTimer m_timer;
};

} // namespace hmdx
