// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistorySeries.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hmdx {

namespace {

using std::chrono::system_clock;

// Past this many pieces a broken line is joined up instead: a reading that flickers between
// having a value and not must not turn into thousands of series.
constexpr std::size_t kMaxPieces = 64;

int64_t Ms(system_clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
}

bool Same(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

// A level over time drawn as steps, in pieces where it has no value.
class Steps {
public:
    explicit Steps(std::vector<ChartLine>& pieces) : m_pieces(pieces) {}

    void at(double x, double y) {
        if (m_started && Same(y, m_y))
            return;
        if (m_started && std::isfinite(m_y))
            m_pieces.back().push_back({x, m_y});
        if (std::isfinite(y)) {
            if (!(m_started && std::isfinite(m_y)) && m_pieces.size() < kMaxPieces)
                m_pieces.emplace_back();
            m_pieces.back().push_back({x, y});
        }
        m_started = true;
        m_y = y;
    }
    void finish(double x) {
        if (m_started && std::isfinite(m_y) && m_pieces.back().back().x < x)
            m_pieces.back().push_back({x, m_y});
    }

private:
    std::vector<ChartLine>& m_pieces;
    bool m_started = false;
    double m_y = 0;
};

void Cover(HistorySeries& s, double y) {
    if (std::isfinite(y)) {
        s.yMin = std::min(s.yMin, y);
        s.yMax = std::max(s.yMax, y);
    }
}

void Build(HistorySeries& s, int columns) {
    const auto& samples = s.samples;
    if (samples.empty())
        return;
    columns = std::max(columns, 1);
    const bool thin = samples.size() > 2 * static_cast<std::size_t>(columns);
    const double bucketMs =
        std::max(1000.0, static_cast<double>(std::max<int64_t>(s.toMs - s.fromMs, 1)) / columns);
    const double gapMs = std::max(5000.0, 3 * bucketMs);

    double lastX = 0;
    bool broken = true;
    const auto put = [&](double x, double y) {
        if (s.readings.empty() || ((broken || x - lastX > gapMs) && s.readings.size() < kMaxPieces))
            s.readings.emplace_back();
        s.readings.back().push_back({x, y});
        Cover(s, y);
        lastX = x;
        broken = false;
    };

    // The column being gathered when thinning: its lowest and highest readings.
    int64_t column = -1;
    ChartPoint lo{}, hi{};
    bool any = false;
    const auto flush = [&] {
        if (!any) {
            broken = true;
            return;
        }
        const bool loFirst = lo.x <= hi.x;
        put(loFirst ? lo.x : hi.x, loFirst ? lo.y : hi.y);
        if (lo != hi)
            put(loFirst ? hi.x : lo.x, loFirst ? hi.y : lo.y);
        any = false;
    };

    Steps low(s.low), high(s.high), upper(s.bandUpper), lower(s.bandLower);
    const double none = std::numeric_limits<double>::quiet_NaN();
    double warnStart = -1;
    for (const auto& p : samples) {
        const double x = static_cast<double>(Ms(p.time));
        const double y = p.value;
        if (!thin) {
            if (std::isfinite(y))
                put(x, y);
            else
                broken = true;
        } else {
            const auto c =
                static_cast<int64_t>(static_cast<double>(Ms(p.time) - s.fromMs) / bucketMs);
            if (c != column) {
                if (column >= 0)
                    flush();
                column = c;
            }
            if (std::isfinite(y)) {
                if (!any || y < lo.y)
                    lo = {x, y};
                if (!any || y > hi.y)
                    hi = {x, y};
                any = true;
            }
        }
        const bool band = std::isfinite(p.low) && std::isfinite(p.high);
        low.at(x, p.low);
        high.at(x, p.high);
        upper.at(x, band ? p.high : none);
        lower.at(x, band ? p.low : none);
        Cover(s, p.low);
        Cover(s, p.high);
        if (p.warning && warnStart < 0) {
            warnStart = x;
        } else if (!p.warning && warnStart >= 0) {
            s.warnings.push_back({warnStart, x});
            warnStart = -1;
        }
    }
    if (thin && column >= 0)
        flush();
    const double end = static_cast<double>(Ms(samples.back().time));
    for (Steps* steps : {&low, &high, &upper, &lower})
        steps->finish(end);
    if (warnStart >= 0)
        s.warnings.push_back({warnStart, std::min(end + 1000, static_cast<double>(s.toMs))});

    // Warning periods closer than a column apart would be drawn as one anyway.
    std::vector<WarningPeriod> merged;
    for (const WarningPeriod& w : s.warnings) {
        if (!merged.empty() && w.start - merged.back().end < bucketMs)
            merged.back().end = w.end;
        else
            merged.push_back(w);
    }
    s.warnings = std::move(merged);
}

} // namespace

int ClampHistoryRange(int seconds) {
    return std::clamp(seconds, kMinHistoryRange, static_cast<int>(ReadingHistory::kTicks));
}

HistorySeries BuildHistorySeries(const ReadingHistory& history, int item, int seconds,
                                 const ToUnit& toUnit, int columns, system_clock::time_point now) {
    HistorySeries s;
    s.yMin = std::numeric_limits<double>::infinity();
    s.yMax = -std::numeric_limits<double>::infinity();
    const system_clock::time_point to = history.latest().value_or(now);
    const system_clock::time_point from = to - std::chrono::seconds(ClampHistoryRange(seconds));
    s.fromMs = Ms(from);
    s.toMs = Ms(to);
    const auto points = history.points(item, from, to);
    s.samples.reserve(points.size());
    for (const auto& p : points)
        s.samples.push_back({p.time, p.raw, p.half, toUnit ? toUnit(p.raw, p.half) : p.raw, p.low,
                             p.high, p.warning});
    Build(s, columns);
    return s;
}

} // namespace hmdx
