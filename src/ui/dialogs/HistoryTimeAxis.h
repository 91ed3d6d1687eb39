// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace hmdx {

// A mark on the History window's time axis, ms since the epoch.
struct TimeTick {
    int64_t ms;
    QString label;
    bool operator==(const TimeTick&) const = default;
};

// Where the time axis starts for a range [fromMs, toMs]: at the oldest reading when the readings
// cover less of it, so that a fresh start is not a sliver at the right edge; never less than a
// minute before toMs.
int64_t ShownStart(int64_t fromMs, int64_t toMs, std::optional<int64_t> oldestMs);

// Round local clock times in (fromMs, toMs], at most `most` of them, at the smallest step from
// 5 s to 12 h that keeps to that; labelled in the locale's short time format, with seconds only
// when the step is under a minute.
std::vector<TimeTick> RoundTimeTicks(int64_t fromMs, int64_t toMs, int most, const QLocale& locale);

// The locale's short time format, with or without seconds: "HH:mm", "h:mm:ss AP".
QString ClockFormat(const QLocale& locale, bool seconds);

} // namespace hmdx
