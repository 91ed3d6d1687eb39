#include "HistoryWindow.h"

#include "monitor/EventLog.h"

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
#include <QSaveFile>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace hmdx {

namespace {

using Piece = QList<QPointF>;
using Pieces = QList<Piece>;

// Past this many pieces a broken line is joined up instead: a reading that flickers between
// having a value and not must not turn into thousands of series.
constexpr qsizetype kMaxPieces = 64;

const std::pair<int, const char*> kRanges[] = {
    {600, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last 10 minutes")},
    {3600, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last hour")},
    {86400, QT_TRANSLATE_NOOP("hmdx::HistoryWindow", "Last 24 hours")},
};

qint64 Ms(std::chrono::system_clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

bool Same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

// A level over time drawn as steps, in pieces where it has no value.
class Steps {
public:
    explicit Steps(Pieces& pieces) : m_pieces(pieces) {}

    void at(double x, double y) {
        if (m_started && Same(y, m_y))
            return;
        if (m_started && std::isfinite(m_y))
            m_pieces.last().append({x, m_y});
        if (std::isfinite(y)) {
            if (!(m_started && std::isfinite(m_y)) && m_pieces.size() < kMaxPieces)
                m_pieces.append(Piece());
            m_pieces.last().append({x, y});
        }
        m_started = true;
        m_y = y;
    }
    void finish(double x) {
        if (m_started && std::isfinite(m_y) && m_pieces.last().last().x() < x)
            m_pieces.last().append({x, m_y});
    }

private:
    Pieces& m_pieces;
    bool m_started = false;
    double m_y = 0;
};

struct Plot {
    Pieces readings, low, high, bandUpper, bandLower;
    QList<QPointF> warnings; // [start, end] pairs
    double yMin = std::numeric_limits<double>::infinity();
    double yMax = -std::numeric_limits<double>::infinity();

    void cover(double y) {
        if (std::isfinite(y)) {
            yMin = std::min(yMin, y);
            yMax = std::max(yMax, y);
        }
    }
};

// The readings thinned to at most two (the lowest and highest) per column of the chart's width,
// broken where there was no value for a while; the limits as steps; the warning periods.
Plot Build(const std::vector<ReadingHistory::Point>& points,
           const std::function<double(uint8_t)>& value, qint64 fromMs, qint64 toMs, int columns) {
    Plot plot;
    if (points.empty())
        return plot;
    columns = std::max(columns, 1);
    const bool thin = points.size() > 2 * static_cast<std::size_t>(columns);
    const double bucketMs =
        std::max(1000.0, static_cast<double>(std::max<qint64>(toMs - fromMs, 1)) / columns);
    const double gapMs = std::max(5000.0, 3 * bucketMs);

    double lastX = 0;
    bool broken = true;
    const auto put = [&](double x, double y) {
        if (plot.readings.isEmpty() ||
            ((broken || x - lastX > gapMs) && plot.readings.size() < kMaxPieces))
            plot.readings.append(Piece());
        plot.readings.last().append({x, y});
        plot.cover(y);
        lastX = x;
        broken = false;
    };

    // The column being gathered when thinning: its lowest and highest readings.
    qint64 column = -1;
    QPointF lo, hi;
    bool any = false;
    const auto flush = [&] {
        if (!any) {
            broken = true;
            return;
        }
        const bool loFirst = lo.x() <= hi.x();
        put(loFirst ? lo.x() : hi.x(), loFirst ? lo.y() : hi.y());
        if (lo != hi)
            put(loFirst ? hi.x() : lo.x(), loFirst ? hi.y() : lo.y());
        any = false;
    };

    Steps low(plot.low), high(plot.high), upper(plot.bandUpper), lower(plot.bandLower);
    const double none = std::numeric_limits<double>::quiet_NaN();
    double warnStart = -1;
    for (const auto& p : points) {
        const double x = static_cast<double>(Ms(p.time));
        const double y = value(p.raw);
        if (!thin) {
            if (std::isfinite(y))
                put(x, y);
            else
                broken = true;
        } else {
            const auto c = static_cast<qint64>(static_cast<double>(Ms(p.time) - fromMs) / bucketMs);
            if (c != column) {
                if (column >= 0)
                    flush();
                column = c;
            }
            if (std::isfinite(y)) {
                if (!any || y < lo.y())
                    lo = {x, y};
                if (!any || y > hi.y())
                    hi = {x, y};
                any = true;
            }
        }
        const bool band = std::isfinite(p.low) && std::isfinite(p.high);
        low.at(x, p.low);
        high.at(x, p.high);
        upper.at(x, band ? p.high : none);
        lower.at(x, band ? p.low : none);
        plot.cover(p.low);
        plot.cover(p.high);
        if (p.warning && warnStart < 0) {
            warnStart = x;
        } else if (!p.warning && warnStart >= 0) {
            plot.warnings.append({warnStart, x});
            warnStart = -1;
        }
    }
    if (thin && column >= 0)
        flush();
    const double end = static_cast<double>(Ms(points.back().time));
    for (Steps* s : {&low, &high, &upper, &lower})
        s->finish(end);
    if (warnStart >= 0)
        plot.warnings.append({warnStart, std::min(end + 1000, static_cast<double>(toMs))});

    // Warning periods closer than a column apart would be drawn as one anyway.
    QList<QPointF> merged;
    for (const QPointF& w : std::as_const(plot.warnings)) {
        if (!merged.isEmpty() && w.x() - merged.last().y() < bucketMs)
            merged.last().setY(w.y());
        else
            merged.append(w);
    }
    plot.warnings = merged;
    return plot;
}

QString Number(double v) {
    if (!std::isfinite(v))
        return {};
    QString s = QString::number(v, 'f', 3);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

Piece Joined(const Pieces& pieces) {
    Piece all;
    for (const Piece& p : pieces)
        all += p;
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
    seconds = std::clamp(seconds, 10, static_cast<int>(ReadingHistory::kTicks));
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

double HistoryWindow::value(uint8_t raw) const {
    const auto& toUnit = m_items[static_cast<std::size_t>(m_item)].toUnit;
    return toUnit ? toUnit(raw) : raw;
}

void HistoryWindow::refresh() {
    using namespace std::chrono;
    const system_clock::time_point to = m_history.latest().value_or(system_clock::now());
    const system_clock::time_point from = to - seconds(m_range);
    m_points = m_history.points(m_item, from, to);
    m_fromMs = Ms(from);
    m_toMs = Ms(to);
    redraw();
}

void HistoryWindow::redraw() {
    const HistoryItemInfo& info = m_items[static_cast<std::size_t>(m_item)];
    // Before the window is first shown its layout has not run: its own width stands in.
    const int columns = std::max(200, view->isVisible() ? view->viewport()->width() : width());
    Plot plot = Build(
        m_points, [this](uint8_t raw) { return value(raw); }, m_fromMs, m_toMs, columns);
    if (!(plot.yMin <= plot.yMax)) {
        plot.yMin = 0;
        plot.yMax = 1;
    }
    const double pad = plot.yMax > plot.yMin ? (plot.yMax - plot.yMin) * 0.05
                                             : std::max(1.0, std::abs(plot.yMax) * 0.05);
    m_axisY->setRange(plot.yMin - pad, plot.yMax + pad);
    m_axisY->applyNiceNumbers();
    m_axisY->setTitleText(info.unit);
    m_axisX->setFormat(m_range <= 1800 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    m_axisX->setRange(QDateTime::fromMSecsSinceEpoch(m_fromMs),
                      QDateTime::fromMSecsSinceEpoch(m_toMs));
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
    for (qsizetype i = 0; i < plot.bandUpper.size(); ++i)
        add(area(plot.bandUpper[i], plot.bandLower[i], QColor(0, 160, 0, 35)), tr("Within limits"),
            i == 0);
    const double yLow = m_axisY->min(), yHigh = m_axisY->max();
    if (!plot.warnings.isEmpty()) {
        // A warning of a few seconds is still drawn two columns wide, or a day would hide it.
        const double least = 2.0 * static_cast<double>(m_toMs - m_fromMs) / columns;
        Piece upper{{static_cast<double>(m_fromMs), yLow}};
        for (qsizetype i = 0; i < plot.warnings.size(); ++i) {
            const QPointF& w = plot.warnings[i];
            double end = std::min(std::max(w.y(), w.x() + least), static_cast<double>(m_toMs));
            if (i + 1 < plot.warnings.size())
                end = std::min(end, plot.warnings[i + 1].x());
            upper << QPointF(w.x(), yLow) << QPointF(w.x(), yHigh) << QPointF(end, yHigh)
                  << QPointF(end, yLow);
        }
        upper << QPointF(static_cast<double>(m_toMs), yLow);
        const Piece lower{{static_cast<double>(m_fromMs), yLow},
                          {static_cast<double>(m_toMs), yLow}};
        add(area(upper, lower, QColor(230, 40, 40, 80)), tr("Warning"), true);
    }
    const auto limitPen = [](const QColor& color) {
        QPen pen(color);
        pen.setWidthF(1.2);
        pen.setStyle(Qt::DashLine);
        return pen;
    };
    for (qsizetype i = 0; i < plot.low.size(); ++i) {
        auto* s = line(plot.low[i]);
        s->setPen(limitPen(QColor(210, 120, 0)));
        add(s, tr("Low limit"), i == 0);
    }
    for (qsizetype i = 0; i < plot.high.size(); ++i) {
        auto* s = line(plot.high[i]);
        s->setPen(limitPen(QColor(200, 0, 0)));
        add(s, tr("High limit"), i == 0);
    }
    for (qsizetype i = 0; i < plot.readings.size(); ++i) {
        auto* s = line(plot.readings[i]);
        QPen pen(QColor(0, 90, 200));
        pen.setWidthF(1.6);
        s->setPen(pen);
        add(s, info.unit.isEmpty() ? info.caption : tr("%1 (%2)").arg(info.caption, info.unit),
            i == 0);
    }

    m_readings = std::move(plot.readings);
    m_low = std::move(plot.low);
    m_high = std::move(plot.high);
    m_warnings = std::move(plot.warnings);

    const auto n = static_cast<qsizetype>(m_points.size());
    if (n == 0) {
        status->setText(tr("No readings of %1 in this range.").arg(info.caption));
    } else {
        const QString stamp = QStringLiteral("yyyy-MM-dd HH:mm:ss");
        status->setText(
            (n == 1 ? tr("1 reading") : tr("%1 readings").arg(n)) +
            tr(", %1 to %2")
                .arg(QDateTime::fromMSecsSinceEpoch(Ms(m_points.front().time)).toString(stamp),
                     QDateTime::fromMSecsSinceEpoch(Ms(m_points.back().time)).toString(stamp)));
    }
    exportButton->setEnabled(n > 0);
}

QList<QPointF> HistoryWindow::shownReadings() const {
    return Joined(m_readings);
}

QList<QPointF> HistoryWindow::shownLow() const {
    return Joined(m_low);
}

QList<QPointF> HistoryWindow::shownHigh() const {
    return Joined(m_high);
}

QList<QPointF> HistoryWindow::shownWarnings() const {
    return m_warnings;
}

bool HistoryWindow::exportCsv(const QString& path, QString* error) const {
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = tr("Could not save the history to %1: %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    if (path.isEmpty())
        return fail(tr("no file name given"));
    QByteArray out("time,value,low,high,warning\n");
    out.reserve(static_cast<qsizetype>(m_points.size()) * 48 + out.size());
    for (const auto& p : m_points) {
        out += QByteArray::fromStdString(FormatLocalTime(p.time));
        out += ',' + Number(value(p.raw)).toLatin1();
        out += ',' + Number(p.low).toLatin1();
        out += ',' + Number(p.high).toLatin1();
        out += p.warning ? ",1\n" : ",0\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(out) != out.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
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
