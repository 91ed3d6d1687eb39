// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryWindow.h"

#include "HistoryCsv.h"
#include "HistoryTimeAxis.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPen>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>

namespace hmdx {

namespace {

using Piece = QList<QPointF>;

constexpr std::pair<int, const char*> kRanges[] = {
    {600, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last 10 minutes")},
    {3600, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last hour")},
    {86400, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last 24 hours")},
};

// The shown item's line first, then the compared ones; none red, orange or green, which the
// limits and the bands use.
const QColor kLineColors[] = {{0, 90, 200},  {0, 150, 150},  {140, 60, 180},
                              {120, 80, 30}, {200, 0, 150},  {100, 120, 0},
                              {70, 70, 70},  {90, 160, 230}, {160, 120, 200}};

constexpr int kMostTimeTicks = 8;
constexpr double kClosed = 0, kOpen = 1, kLevelPad = 0.25;

int64_t Ms(std::chrono::system_clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

// A switch is drawn as steps: it is closed or open, never in between.
Piece Points(const ChartLine& line, bool steps = false) {
    Piece points;
    points.reserve(static_cast<qsizetype>(line.size()) * (steps ? 2 : 1));
    for (const ChartPoint& p : line) {
        if (steps && !points.isEmpty() && points.back().y() != p.y)
            points.append({p.x, points.back().y()});
        points.append({p.x, p.y});
    }
    return points;
}

Piece Joined(const std::vector<ChartLine>& pieces, bool steps = false) {
    Piece all;
    for (const ChartLine& line : pieces)
        all += Points(line, steps);
    return all;
}

// The shortest offered range that holds every reading of the item.
int FirstRange(const ReadingHistory& history, int item) {
    const auto latest = history.latest();
    int64_t spanS = 0;
    if (latest) {
        const auto all = history.points(
            item, *latest - std::chrono::seconds(std::end(kRanges)[-1].first), *latest);
        if (!all.empty())
            spanS = (Ms(*latest) - Ms(all.front().time)) / 1000;
    }
    for (const auto& [seconds, text] : kRanges)
        if (spanS <= seconds)
            return seconds;
    return std::end(kRanges)[-1].first;
}

// Enough digits to tell the axis' ticks apart, and at least as many as the item's row shows.
int Decimals(const QValueAxis& axis, int least) {
    const double step = (axis.max() - axis.min()) / std::max(1, axis.tickCount() - 1);
    const int needed = step > 0 ? static_cast<int>(-std::floor(std::log10(step) + 1e-9)) : 0;
    return std::clamp(needed, least, 6);
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
    compareButton = new QPushButton(tr("Compare"), this);
    compareButton->setObjectName(QStringLiteral("cmdCompare"));
    compareButton->setToolTip(tr("Plot other items of the same unit beside this one"));
    m_compareMenu = new QMenu(compareButton);
    compareButton->setMenu(m_compareMenu);
    exportButton = new QPushButton(tr("Export CSV..."), this);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));

    chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_axisX = new QCategoryAxis(chart);
    m_axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_axisX->setTitleText(tr("Time"));
    m_axisY = new QValueAxis(chart);
    m_levelsY = new QCategoryAxis(this); // on the chart only while a switch is shown
    m_levelsY->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_levelsY->setStartValue(kClosed - kLevelPad);
    m_levelsY->append(tr("closed"), kClosed);
    m_levelsY->append(tr("open"), kOpen);
    m_levelsY->setRange(kClosed - kLevelPad, kOpen + kLevelPad);
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_shownY = m_axisY;
    view = new QChartView(chart, this); // owns the chart
    view->setObjectName(QStringLiteral("chtHistory"));
    view->setRenderHint(QPainter::Antialiasing);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Item:"), this));
    top->addWidget(itemBox);
    top->addWidget(compareButton);
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

    item = item >= 0 && item < ReadingHistory::kItems ? item : 0;
    m_range = FirstRange(m_history, item);
    {
        const QSignalBlocker block(rangeBox);
        rangeBox->setCurrentIndex(rangeBox->findData(m_range));
    }
    m_item = -1;
    showItem(item);
}

namespace {

bool Comparable(const HistoryItemInfo& a, const HistoryItemInfo& b) {
    return !a.isSwitch && !b.isSwitch && !a.unit.isEmpty() && a.unit == b.unit;
}

} // namespace

void HistoryWindow::showItem(int item) {
    if (item < 0 || item >= ReadingHistory::kItems || item == m_item)
        return;
    m_item = item;
    const HistoryItemInfo& info = m_items[static_cast<std::size_t>(item)];
    m_compared.removeIf([&](int other) {
        return other == m_item || !Comparable(info, m_items[static_cast<std::size_t>(other)]);
    });
    {
        const QSignalBlocker block(itemBox);
        itemBox->setCurrentIndex(item);
    }
    fillCompareMenu();
    refresh();
}

void HistoryWindow::fillCompareMenu() {
    m_compareMenu->clear();
    const HistoryItemInfo& info = m_items[static_cast<std::size_t>(m_item)];
    for (int other = 0; other < ReadingHistory::kItems; ++other) {
        const HistoryItemInfo& candidate = m_items[static_cast<std::size_t>(other)];
        if (other == m_item || !Comparable(info, candidate))
            continue;
        QAction* action = m_compareMenu->addAction(candidate.caption);
        action->setData(other);
        action->setCheckable(true);
        action->setChecked(m_compared.contains(other));
        connect(action, &QAction::toggled, this, [this, other](bool on) { compare(other, on); });
    }
    compareButton->setEnabled(!m_compareMenu->isEmpty());
}

void HistoryWindow::compare(int item, bool on) {
    if (item < 0 || item >= ReadingHistory::kItems || item == m_item ||
        !Comparable(m_items[static_cast<std::size_t>(m_item)],
                    m_items[static_cast<std::size_t>(item)]) ||
        m_compared.contains(item) == on)
        return;
    if (on)
        m_compared.insert(std::ranges::upper_bound(m_compared, item) - m_compared.begin(), item);
    else
        m_compared.removeOne(item);
    for (QAction* action : m_compareMenu->actions())
        if (action->data().toInt() == item) {
            const QSignalBlocker block(action);
            action->setChecked(on);
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
        rangeBox->addItem(tr("Last %1 s").arg(QLocale().toString(seconds)), seconds);
        index = rangeBox->count() - 1;
    }
    {
        const QSignalBlocker block(rangeBox);
        rangeBox->setCurrentIndex(index);
    }
    refresh();
}

void HistoryWindow::refresh() {
    // Before the window is first shown its layout has not run: its own width stands in.
    const int columns = std::max(200, view->isVisible() ? view->viewport()->width() : width());
    const auto now = std::chrono::system_clock::now();
    const auto build = [&](int item) {
        return BuildHistorySeries(m_history, item, m_range,
                                  m_items[static_cast<std::size_t>(item)].toUnit, columns, now);
    };
    m_series = build(m_item);
    m_comparedSeries.clear();
    for (int other : m_compared)
        m_comparedSeries.push_back(build(other));
    redraw(columns);
}

void HistoryWindow::useAxisY(QValueAxis* axis) {
    if (axis == m_shownY)
        return;
    chart->removeAxis(m_shownY);
    m_shownY->setParent(this);
    chart->addAxis(axis, Qt::AlignLeft);
    m_shownY = axis;
}

void HistoryWindow::redraw(int columns) {
    const HistoryItemInfo& info = m_items[static_cast<std::size_t>(m_item)];
    const HistorySeries& plot = m_series;
    const QLocale locale;
    chart->setLocale(locale);
    chart->removeAllSeries();

    // The time axis: from the oldest reading shown when they cover less than the range.
    std::optional<int64_t> oldest;
    const auto seen = [&](const HistorySeries& s) {
        if (!s.samples.empty())
            oldest = std::min(oldest.value_or(std::numeric_limits<int64_t>::max()),
                              Ms(s.samples.front().time));
    };
    seen(plot);
    std::ranges::for_each(m_comparedSeries, seen);
    const int64_t shownFrom = ShownStart(plot.fromMs, plot.toMs, oldest);
    const auto fromMs = static_cast<double>(shownFrom), toMs = static_cast<double>(plot.toMs);
    for (const QString& label : m_axisX->categoriesLabels())
        m_axisX->remove(label);
    m_axisX->setStartValue(fromMs);
    for (const TimeTick& tick : RoundTimeTicks(shownFrom, plot.toMs, kMostTimeTicks, locale))
        m_axisX->append(tick.label, static_cast<double>(tick.ms));
    m_axisX->setRange(fromMs, toMs);

    // The value axis: a switch's two words, or numbers over every line.
    if (info.isSwitch) {
        useAxisY(m_levelsY);
    } else {
        useAxisY(m_axisY);
        double yMin = plot.yMin, yMax = plot.yMax;
        for (const HistorySeries& s : m_comparedSeries)
            yMin = std::min(yMin, s.yMin), yMax = std::max(yMax, s.yMax);
        if (!(yMin <= yMax)) {
            yMin = 0;
            yMax = 1;
        }
        const double pad =
            yMax > yMin ? (yMax - yMin) * 0.05 : std::max(1.0, std::abs(yMax) * 0.05);
        m_axisY->setRange(yMin - pad, yMax + pad);
        m_axisY->applyNiceNumbers();
        m_axisY->setLabelFormat(QStringLiteral("%.%1f").arg(Decimals(*m_axisY, info.decimals)));
        m_axisY->setTitleText(info.unit);
    }
    chart->setTitle(info.caption);

    const auto add = [this](QAbstractSeries* s, const QString& name, bool first) {
        s->setName(name);
        chart->addSeries(s);
        s->attachAxis(m_axisX);
        s->attachAxis(m_shownY);
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
    const double yLow = m_shownY->min(), yHigh = m_shownY->max();
    if (!plot.warnings.empty()) {
        // A warning of a few seconds is still drawn two columns wide, or a day would hide it.
        const double least = 2.0 * (toMs - fromMs) / columns;
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
    for (qsizetype n = 0; n <= m_compared.size(); ++n) {
        const HistorySeries& s = n == 0 ? plot : m_comparedSeries[static_cast<std::size_t>(n - 1)];
        const int item = n == 0 ? m_item : m_compared[n - 1];
        QPen pen(kLineColors[static_cast<std::size_t>(n) % std::size(kLineColors)]);
        pen.setWidthF(n == 0 ? 1.8 : 1.4);
        for (std::size_t i = 0; i < s.readings.size(); ++i) {
            auto* series = line(Points(s.readings[i], info.isSwitch));
            series->setPen(pen);
            add(series, m_items[static_cast<std::size_t>(item)].caption, i == 0);
        }
    }
    chart->legend()->setVisible(!m_compared.isEmpty());

    const auto n = static_cast<qsizetype>(plot.samples.size());
    if (n == 0) {
        status->setText(tr("No readings of %1 in this range.").arg(info.caption));
    } else {
        const QString stamp =
            locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') + ClockFormat(locale, true);
        const auto at = [&](std::chrono::system_clock::time_point t) {
            return locale.toString(QDateTime::fromMSecsSinceEpoch(Ms(t)), stamp);
        };
        QString text =
            (n == 1 ? tr("1 reading") : tr("%1 readings").arg(locale.toString(n))) +
            tr(", %1 to %2").arg(at(plot.samples.front().time), at(plot.samples.back().time));
        double lowest = std::numeric_limits<double>::infinity(), highest = -lowest;
        for (const HistorySeries::Sample& s : plot.samples)
            if (std::isfinite(s.value))
                lowest = std::min(lowest, s.value), highest = std::max(highest, s.value);
        const auto number = [&](double v) {
            const QString digits = locale.toString(v, 'f', info.decimals);
            return info.unit.isEmpty() ? digits : tr("%1 %2").arg(digits, info.unit);
        };
        if (!info.isSwitch && lowest <= highest)
            text += tr(", lowest %1, highest %2").arg(number(lowest), number(highest));
        status->setText(text);
    }
    exportButton->setEnabled(n > 0);
}

QList<QPointF> HistoryWindow::shownReadings(int line) const {
    if (line == 0)
        return Joined(m_series.readings, m_items[static_cast<std::size_t>(m_item)].isSwitch);
    if (line < 0 || line > static_cast<int>(m_comparedSeries.size()))
        return {};
    return Joined(m_comparedSeries[static_cast<std::size_t>(line - 1)].readings);
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

QString HistoryWindow::exportFileName() const {
    return HistoryCsvFileName(m_items[static_cast<std::size_t>(m_item)].caption);
}

void HistoryWindow::exportClicked() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export CSV"), QDir::home().filePath(exportFileName()), tr("CSV files (*.csv)"));
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
