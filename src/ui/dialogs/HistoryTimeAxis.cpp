// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryTimeAxis.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <array>

namespace hmdx {

namespace {

constexpr int64_t kLeastSpanMs = 60'000;

// Steps that divide a day, so every day's marks fall on the same clock times.
constexpr std::array<int, 16> kSteps = {5,   10,   15,   30,   60,    120,   300,   600,
                                        900, 1800, 3600, 7200, 10800, 14400, 21600, 43200};

} // namespace

QString ClockFormat(const QLocale& locale, bool seconds) {
    static const QRegularExpression secondsPart(QStringLiteral("[^A-Za-z ]?s+"));
    QString format = locale.timeFormat(QLocale::ShortFormat).remove(secondsPart);
    const qsizetype minutes = format.indexOf(QLatin1String("mm"));
    if (seconds && minutes >= 0) {
        const QChar before = minutes > 0 ? format[minutes - 1] : QLatin1Char(':');
        format.insert(minutes + 2,
                      (before.isLetter() ? QLatin1Char(':') : before) + QStringLiteral("ss"));
    }
    return format;
}

int64_t ShownStart(int64_t fromMs, int64_t toMs, std::optional<int64_t> oldestMs) {
    if (!oldestMs || *oldestMs <= fromMs)
        return fromMs;
    return std::max(fromMs, std::min(*oldestMs, toMs - kLeastSpanMs));
}

std::vector<TimeTick> RoundTimeTicks(int64_t fromMs, int64_t toMs, int most,
                                     const QLocale& locale) {
    std::vector<TimeTick> ticks;
    if (toMs <= fromMs || most < 1)
        return ticks;
    const double spanS = static_cast<double>(toMs - fromMs) / 1000;
    const auto fits = std::ranges::find_if(kSteps, [&](int s) { return spanS / s <= most; });
    const int step = fits == kSteps.end() ? kSteps.back() : *fits;
    const QString format = ClockFormat(locale, step < 60);

    // Each day's marks counted from its own midnight, so a change of summer time moves none.
    const QDateTime first = QDateTime::fromMSecsSinceEpoch(fromMs);
    const QDate last = QDateTime::fromMSecsSinceEpoch(toMs).date();
    QSet<QString> labels;
    for (QDate day = first.date(); day <= last; day = day.addDays(1)) {
        const int start = day == first.date() ? first.time().msecsSinceStartOfDay() / 1000 : 0;
        for (int s = start - start % step; s < 86400; s += step) {
            const QDateTime at(day, QTime::fromMSecsSinceStartOfDay(s * 1000));
            const int64_t ms = at.toMSecsSinceEpoch();
            if (ms > toMs)
                break;
            const QString label = locale.toString(at.time(), format);
            if (ms > fromMs && (ticks.empty() || ms > ticks.back().ms) && !labels.contains(label)) {
                labels.insert(label);
                ticks.push_back({ms, label});
            }
        }
    }
    return ticks;
}

} // namespace hmdx
