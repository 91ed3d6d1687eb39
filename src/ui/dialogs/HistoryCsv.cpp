// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryCsv.h"

#include "monitor/EventLog.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cmath>
#include <cstring>
#include <string_view>

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

QString HistoryCsvFileName(const QString& caption) {
    QString name;
    for (const QChar c : caption)
        name +=
            c == QLatin1Char('/') || c == QLatin1Char('\\') || !c.isPrint() ? QLatin1Char('_') : c;
    qsizetype lead = 0; // a dot or blank in front would hide the file or look like nothing
    while (lead < name.size() && (name[lead] == QLatin1Char('.') || name[lead].isSpace()))
        ++lead;
    name = name.mid(lead).trimmed().left(100);
    return QStringLiteral("hmdx-%1.csv").arg(name.isEmpty() ? QStringLiteral("history") : name);
}

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
    // Written whole or not at all: a file system that refuses bytes (a full disk, a size
    // limit) leaves the user's old file as it was and is said, never taken for success.
    const int err = WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                        std::string_view(out.constData(), size_t(out.size())),
                                        {.mode = 0644, .followLink = true});
    return err == 0 || fail(QString::fromLocal8Bit(std::strerror(err)));
}

} // namespace hmdx
