// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryWindow.h"

#include "HistoryCsv.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPen>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace hmdx {

namespace {

using Piece = QList<QPointF>;

const std::pair<int, const char*> kRanges[] = {
    {600, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last 10 minutes")},
    {3600, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last hour")},
    {86400, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last 24 hours")},
};

Piece Points(const ChartLine& line) {
    Piece points;
    points.reserve(static_cast<qsizetype>(line.size()));
    for (const ChartPoint& p : line)
        points.append({p.x, p.y});
    return points;
}

QDateTime DateTime(std::chrono::system_clock::time_point t) {
    return QDateTime::fromMSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count());
}

Piece Joined(const std::vector<ChartLine>& pieces) {
    Piece all;
    for (const ChartLine& line : pieces)
        all += Points(line);
    return all;
}

} // namespace

HistoryWindow::HistoryWindow(const ReadingHistory& history, std::array<HistoryItemInfo, 16> items,
                             int item, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history), m_items(std::move(items)) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("History"));

    itemBox = new QComboBox(this);
    itemBox->setObjectName(QStringLiteral("cboItem"));
    for (const HistoryItemInfo& info : m_items)
        itemBox->addItem(info.caption);
    rangeBox = new QComboBox(this);
    rangeBox->setObjectName(QStringLiteral("cboRange"));
    for (const auto& [seconds, text] : kRanges)
        rangeBox->addItem(tr(text), seconds);
    exportButton = new QPushButton(tr("Export CSV..."), this);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));

    chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_axisX = new QDateTimeAxis(chart);
    m_axisX->setTickCount(7);
    m_axisX->setTitleText(tr("Time"));
    m_axisY = new QValueAxis(chart);
    m_axisY->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    view = new QChartView(chart, this); // owns the chart
    view->setObjectName(QStringLiteral("chtHistory"));
    view->setRenderHint(QPainter::Antialiasing);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Item:"), this));
    top->addWidget(itemBox);
    top->addSpacing(12);
    top->addWidget(new QLabel(tr("Range:"), this));
    top->addWidget(rangeBox);
    top->addStretch(1);
    top->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view, 1);
    layout->addWidget(status);
    resize(900, 520);

    connect(itemBox, &QComboBox::currentIndexChanged, this, [this](int i) { showItem(i); });
    connect(rangeBox, &QComboBox::currentIndexChanged, this,
            [this](int i) { setRange(rangeBox->itemData(i).toInt()); });
    connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportClicked);
    m_timer.setInterval(kRefreshMs);
    connect(&m_timer, &QTimer::timeout, this, &HistoryWindow::refresh);

    {
        const QSignalBlocker block(rangeBox);
        rangeBox->setCurrentIndex(rangeBox->findData(m_range));
    }
    m_item = -1;
    showItem(item >= 0 && item < ReadingHistory::kItems ? item : 0);
}

void HistoryWindow::showItem(int item) {
    if (item < 0 || item >= ReadingHistory::kItems || item == m_item)
        return;
    m_item = item;
    {
        const QSignalBlocker block(itemBox);
        itemBox->setCurrentIndex(item);
    }
    refresh();
}

void HistoryWindow::setRange(int seconds) {
    seconds = ClampHistoryRange(seconds);
    if (seconds == m_range)
        return;
    m_range = seconds;
    int index = rangeBox->findData(seconds);
    if (index < 0) {
        rangeBox->addItem(tr("Last %1 s").arg(seconds), seconds);
        index = rangeBox->count() - 1;
    }
    {
        const QSignalBlocker block(rangeBox);
        rangeBox->setCurrentIndex(index);
    }
    refresh();
}

void HistoryWindow::refresh() {
    const HistoryItemInfo& info = m_items[static_cast<std::size_t>(m_item)];
    // Before the window is first shown its layout has not run: its own width stands in.
    const int columns = std::max(200, view->isVisible() ? view->viewport()->width() : width());
    m_series = BuildHistorySeries(m_history, m_item, m_range, info.toUnit, columns,
                                  std::chrono::system_clock::now());
    redraw(columns);
}

void HistoryWindow::redraw(int columns) {
    const HistoryItemInfo& info = m_items[static_cast<std::size_t>(m_item)];
    const HistorySeries& plot = m_series;
    double yMin = plot.yMin, yMax = plot.yMax;
    if (!(yMin <= yMax)) {
        yMin = 0;
        yMax = 1;
    }
    const double pad = yMax > yMin ? (yMax - yMin) * 0.05 : std::max(1.0, std::abs(yMax) * 0.05);
    m_axisY->setRange(yMin - pad, yMax + pad);
    m_axisY->applyNiceNumbers();
    m_axisY->setTitleText(info.unit);
    m_axisX->setFormat(m_range <= 1800 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    const auto fromMs = static_cast<double>(plot.fromMs), toMs = static_cast<double>(plot.toMs);
    m_axisX->setRange(QDateTime::fromMSecsSinceEpoch(plot.fromMs),
                      QDateTime::fromMSecsSinceEpoch(plot.toMs));
    chart->setTitle(info.caption);

    chart->removeAllSeries();
    const auto add = [this](QAbstractSeries* s, const QString& name, bool first) {
        s->setName(name);
        chart->addSeries(s);
        s->attachAxis(m_axisX);
        s->attachAxis(m_axisY);
        if (!first)
            for (QLegendMarker* m : chart->legend()->markers(s))
                m->setVisible(false);
    };
    const auto line = [](const Piece& points) {
        auto* s = new QLineSeries;
        s->replace(points);
        return s;
    };
    const auto area = [&](const Piece& upper, const Piece& lower, const QColor& color) {
        auto* top = line(upper);
        auto* bottom = line(lower);
        auto* s = new QAreaSeries(top, bottom);
        top->setParent(s);
        bottom->setParent(s);
        s->setColor(color);
        s->setPen(Qt::NoPen);
        return s;
    };

    // Back to front: the band between the limits, warning periods, the limits, the readings.
    for (std::size_t i = 0; i < plot.bandUpper.size(); ++i)
        add(area(Points(plot.bandUpper[i]), Points(plot.bandLower[i]), QColor(0, 160, 0, 35)),
            tr("Within limits"), i == 0);
    const double yLow = m_axisY->min(), yHigh = m_axisY->max();
    if (!plot.warnings.empty()) {
        // A warning of a few seconds is still drawn two columns wide, or a day would hide it.
        const double least = 2.0 * static_cast<double>(plot.toMs - plot.fromMs) / columns;
        Piece upper{{fromMs, yLow}};
        for (std::size_t i = 0; i < plot.warnings.size(); ++i) {
            const WarningPeriod& w = plot.warnings[i];
            double end = std::min(std::max(w.end, w.start + least), toMs);
            if (i + 1 < plot.warnings.size())
                end = std::min(end, plot.warnings[i + 1].start);
            upper << QPointF(w.start, yLow) << QPointF(w.start, yHigh) << QPointF(end, yHigh)
                  << QPointF(end, yLow);
        }
        upper << QPointF(toMs, yLow);
        const Piece lower{{fromMs, yLow}, {toMs, yLow}};
        add(area(upper, lower, QColor(230, 40, 40, 80)), tr("Warning"), true);
    }
    const auto limitPen = [](const QColor& color) {
        QPen pen(color);
        pen.setWidthF(1.2);
        pen.setStyle(Qt::DashLine);
        return pen;
    };
    for (std::size_t i = 0; i < plot.low.size(); ++i) {
        auto* s = line(Points(plot.low[i]));
        s->setPen(limitPen(QColor(210, 120, 0)));
        add(s, tr("Low limit"), i == 0);
    }
    for (std::size_t i = 0; i < plot.high.size(); ++i) {
        auto* s = line(Points(plot.high[i]));
        s->setPen(limitPen(QColor(200, 0, 0)));
        add(s, tr("High limit"), i == 0);
    }
    for (std::size_t i = 0; i < plot.readings.size(); ++i) {
        auto* s = line(Points(plot.readings[i]));
        QPen pen(QColor(0, 90, 200));
        pen.setWidthF(1.6);
        s->setPen(pen);
        add(s, info.unit.isEmpty() ? info.caption : tr("%1 (%2)").arg(info.caption, info.unit),
            i == 0);
    }

    const auto n = static_cast<qsizetype>(plot.samples.size());
    if (n == 0) {
        status->setText(tr("No readings of %1 in this range.").arg(info.caption));
    } else {
        const QString stamp = QStringLiteral("yyyy-MM-dd HH:mm:ss");
        status->setText((n == 1 ? tr("1 reading") : tr("%1 readings").arg(n)) +
                        tr(", %1 to %2")
                            .arg(DateTime(plot.samples.front().time).toString(stamp),
                                 DateTime(plot.samples.back().time).toString(stamp)));
    }
    exportButton->setEnabled(n > 0);
}

QList<QPointF> HistoryWindow::shownReadings() const {
    return Joined(m_series.readings);
}

QList<QPointF> HistoryWindow::shownLow() const {
    return Joined(m_series.low);
}

QList<QPointF> HistoryWindow::shownHigh() const {
    return Joined(m_series.high);
}

QList<QPointF> HistoryWindow::shownWarnings() const {
    QList<QPointF> pairs;
    for (const WarningPeriod& w : m_series.warnings)
        pairs.append({w.start, w.end});
    return pairs;
}

// The readings as the settings convert them now, which may have changed since the last redraw.
bool HistoryWindow::exportCsv(const QString& path, QString* error) const {
    HistorySeries series = m_series;
    if (const auto& toUnit = m_items[static_cast<std::size_t>(m_item)].toUnit)
        for (HistorySeries::Sample& s : series.samples)
            s.value = toUnit(s.raw, s.half);
    return ExportHistoryCsv(series, path, error);
}

void HistoryWindow::exportClicked() {
    const QString name =
        QStringLiteral("hmdx-history-%1-%2.csv")
            .arg(m_item)
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export CSV"), QDir::home().filePath(name), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!exportCsv(path, &error))
        QMessageBox::warning(this, tr("Export CSV"), error);
}

void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    m_timer.start();
}

void HistoryWindow::hideEvent(QHideEvent* event) {
    m_timer.stop();
    QWidget::hideEvent(event);
}

} // namespace hmdx
