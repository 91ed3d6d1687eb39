// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryCsv.h"

#include "monitor/EventLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <cmath>

namespace hmdx {

namespace {

// The window's words, under its name for translation.
QString Tr(const char* text) {
    return QCoreApplication::translate("hmdx::HistoryWindow", text);
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

} // namespace

bool ExportHistoryCsv(const HistorySeries& series, const QString& path, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = Tr("Could not save the history to %1: %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    if (path.isEmpty())
        return fail(Tr("no file name given"));
    QByteArray out("time,value,low,high,warning\n");
    out.reserve(static_cast<qsizetype>(series.samples.size()) * 48 + out.size());
    for (const auto& p : series.samples) {
        out += QByteArray::fromStdString(FormatLocalTime(p.time));
        out += ',' + Number(p.value).toLatin1();
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

} // namespace hmdx
