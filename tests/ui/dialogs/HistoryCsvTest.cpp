#include "ui/dialogs/HistoryCsv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

namespace hmdx::test {
namespace {

using namespace std::chrono;

const system_clock::time_point t0 = sys_days{year{2026} / 3 / 14} + 9h;

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

TEST(HistoryCsv, WritesEveryReadingAndAFailureLeavesWhatWasThere) {
    struct Zone {
        Zone() { ::setenv("TZ", "Europe/Berlin", 1), ::tzset(); }
        ~Zone() { ::unsetenv("TZ"), ::tzset(); }
    } zone;
    ReadingHistory h(10);
    h.limits(t0, 0, 3.0, 3.6);
    h.limits(t0 + 2s, 0, std::nan(""), 3.6);
    h.warning(t0 + 2s, 0, true);
    const uint8_t raws[] = {206, 207, 250, 0};
    for (int s = 0; s < 4; ++s) // item 0 not read at 1 s
        h.record(t0 + seconds(s), {raws[s]}, s != 1);
    const auto volts = [](uint8_t raw) { return raw * 0.016; };
    const HistorySeries series = BuildHistorySeries(h, 0, 600, volts, 200, {});

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QString error;
    ASSERT_TRUE(ExportHistoryCsv(series, path, &error)) << error.toStdString();
    const QByteArray csv = "time,value,low,high,warning\n"
                           "2026-03-14T10:00:00+01:00,3.296,3,3.6,0\n"
                           "2026-03-14T10:00:02+01:00,4,,3.6,1\n"
                           "2026-03-14T10:00:03+01:00,0,,3.6,1\n";
    EXPECT_EQ(Read(path), csv);

    const QString inside = path + QStringLiteral("/history.csv"); // a file where a folder should be
    EXPECT_FALSE(ExportHistoryCsv(series, inside, &error));
    EXPECT_TRUE(error.startsWith("Could not save the history to " + inside + ": "))
        << error.toStdString();
    EXPECT_FALSE(ExportHistoryCsv(series, QString(), &error));
    EXPECT_EQ(error, QStringLiteral("Could not save the history to : no file name given"));
    EXPECT_EQ(Read(path), csv);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.csv"});
}

} // namespace
} // namespace hmdx::test
