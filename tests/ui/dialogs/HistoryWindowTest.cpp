#include "ui/dialogs/HistoryWindow.h"

#include "support/QtApp.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdlib.h>
#include <time.h>

namespace hmdx::test {
namespace {

using namespace std::chrono;

const system_clock::time_point t0 = sys_days{year{2026} / 3 / 14} + 9h;
const double kNone = std::numeric_limits<double>::quiet_NaN();

double Ms(system_clock::time_point t) {
    return static_cast<double>(duration_cast<milliseconds>(t.time_since_epoch()).count());
}

std::array<HistoryItemInfo, 16> Items() {
    std::array<HistoryItemInfo, 16> items;
    for (int i = 0; i < 16; ++i)
        items[static_cast<std::size_t>(i)] = {QStringLiteral("Item %1").arg(i), {}, {}};
    items[0] = {QStringLiteral("+3.3V"), QStringLiteral("V"), [](uint8_t r) { return r * 0.016; }};
    items[9] = {QStringLiteral("Fan 1"), QStringLiteral("RPM"),
                [](uint8_t r) { return r == 255 ? kNone : 1350000.0 / (r * 2.0); }};
    return items;
}

std::array<uint8_t, 16> Raw(uint8_t v) {
    std::array<uint8_t, 16> raw;
    raw.fill(v);
    return raw;
}

TEST(HistoryWindow, ShowsTheItemsReadingsLimitBandAndWarnings) {
    QtApp();
    ReadingHistory h(100);
    h.limits(t0 - 1h, 0, 3.0, 3.6);
    h.limits(t0 + 10s, 0, 3.1, 3.5);
    h.warning(t0 + 15s, 0, true);
    for (int s = 0; s < 20; ++s)
        h.record(t0 + seconds(s), Raw(static_cast<uint8_t>(200 + s)), 0xFFFF);

    HistoryWindow w(h, Items(), 0);
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("History"));
    ASSERT_EQ(w.itemBox->count(), 16);
    EXPECT_EQ(w.itemBox->itemText(9), QStringLiteral("Fan 1"));
    EXPECT_EQ(w.rangeBox->currentText(), QStringLiteral("Last hour"));

    EXPECT_EQ(w.pointCount(), 20);
    const auto readings = w.shownReadings();
    ASSERT_EQ(readings.size(), 20);
    EXPECT_EQ(readings.first(), QPointF(Ms(t0), 200 * 0.016));
    EXPECT_EQ(readings.last(), QPointF(Ms(t0 + 19s), 219 * 0.016));
    const QList<QPointF> low{
        {Ms(t0), 3.0}, {Ms(t0 + 10s), 3.0}, {Ms(t0 + 10s), 3.1}, {Ms(t0 + 19s), 3.1}};
    const QList<QPointF> high{
        {Ms(t0), 3.6}, {Ms(t0 + 10s), 3.6}, {Ms(t0 + 10s), 3.5}, {Ms(t0 + 19s), 3.5}};
    EXPECT_EQ(w.shownLow(), low);
    EXPECT_EQ(w.shownHigh(), high);
    EXPECT_EQ(w.shownWarnings(), QList<QPointF>({{Ms(t0 + 15s), Ms(t0 + 19s)}}));
    EXPECT_TRUE(w.exportButton->isEnabled());

    // Through the combo box: a fan, whose stopped reading has no value and no limits.
    w.itemBox->setCurrentIndex(9);
    EXPECT_EQ(w.item(), 9);
    EXPECT_EQ(w.pointCount(), 20);
    EXPECT_EQ(w.shownReadings().first().y(), 1350000.0 / 400);
    EXPECT_TRUE(w.shownLow().isEmpty());
    EXPECT_TRUE(w.shownWarnings().isEmpty());
}

TEST(HistoryWindow, RangeEndsAtTheNewestTickAndThinsLongRanges) {
    QtApp();
    ReadingHistory h;
    const int day = 86400;
    for (int s = 0; s < day; ++s) // a fan: one spike up, one stop, else steady
        h.record(t0 + seconds(s), Raw(s == 5000 ? 20 : s == 70000 ? 255 : 150), 0xFFFF);
    const auto newest = t0 + seconds(day - 1);

    HistoryWindow w(h, Items(), 9);
    EXPECT_EQ(w.pointCount(), 3601); // the last hour, both ends included
    EXPECT_EQ(w.shownReadings().last().x(), Ms(newest));

    w.setRange(600);
    EXPECT_EQ(w.rangeBox->currentText(), QStringLiteral("Last 10 minutes"));
    EXPECT_EQ(w.pointCount(), 601);
    EXPECT_EQ(w.shownReadings().size(), 601);
    EXPECT_EQ(w.shownReadings().first().x(), Ms(newest - 600s));

    w.rangeBox->setCurrentIndex(2);
    EXPECT_EQ(w.range(), day);
    EXPECT_EQ(w.pointCount(), day);
    const auto shown = w.shownReadings();
    EXPECT_LT(shown.size(), 10000); // thinned to the chart's width
    double top = 0;
    for (const QPointF& p : shown) {
        EXPECT_FALSE(std::isnan(p.y()));
        top = std::max(top, p.y());
    }
    EXPECT_EQ(top, 1350000.0 / 40); // the spike survives thinning
}

TEST(HistoryWindow, ExportsWhatIsShownAsCsv) {
    QtApp();
    struct Zone {
        Zone() { ::setenv("TZ", "Europe/Berlin", 1), ::tzset(); }
        ~Zone() { ::unsetenv("TZ"), ::tzset(); }
    } zone;
    ReadingHistory h(10);
    h.limits(t0, 0, 3.0, 3.6);
    h.limits(t0 + 2s, 0, kNone, 3.6);
    h.warning(t0 + 2s, 0, true);
    h.record(t0, Raw(206), 1);
    h.record(t0 + 1s, Raw(207), 0); // item 0 not read
    h.record(t0 + 2s, Raw(250), 1);
    h.record(t0 + 3s, Raw(0), 1);
    HistoryWindow w(h, Items(), 0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QString error;
    ASSERT_TRUE(w.exportCsv(path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "time,value,low,high,warning\n"
                                            "2026-03-14T10:00:00+01:00,3.296,3,3.6,0\n"
                                            "2026-03-14T10:00:02+01:00,4,,3.6,1\n"
                                            "2026-03-14T10:00:03+01:00,0,,3.6,1\n");
}

TEST(HistoryWindow, FailedExportSaysWhichFileAndKeepsWhatWasThere) {
    QtApp();
    ReadingHistory h(10);
    h.record(t0, Raw(1), 1);
    HistoryWindow w(h, Items(), 0);
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    {
        QFile f(notAFolder);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    const QString inside = notAFolder + QStringLiteral("/history.csv");
    QString error;
    EXPECT_FALSE(w.exportCsv(inside, &error));
    EXPECT_TRUE(error.contains(inside)) << error.toStdString();
    EXPECT_FALSE(w.exportCsv(QString(), &error));
    EXPECT_FALSE(error.isEmpty());

    QFile f(notAFolder);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("keep me"));
}

TEST(HistoryWindow, EmptyHistoryShowsNothingAndCannotExport) {
    QtApp();
    ReadingHistory h(10);
    HistoryWindow w(h, Items(), 42); // out of range: the first item
    EXPECT_EQ(w.item(), 0);
    EXPECT_EQ(w.pointCount(), 0);
    EXPECT_TRUE(w.shownReadings().isEmpty());
    EXPECT_FALSE(w.exportButton->isEnabled());
    w.showItem(-3);
    EXPECT_EQ(w.item(), 0);
}

} // namespace
} // namespace hmdx::test
