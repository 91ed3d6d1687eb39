// SPDX-License-Identifier: GPL-3.0-or-later
#include "History.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hmdx {

namespace {

using std::chrono::seconds;
using std::chrono::system_clock;

bool SameLimit(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

// The change in force at `second`: the last one at or before it; end() when none is.
template <typename Changes> auto InForce(const Changes& changes, int64_t second) {
    auto it = std::upper_bound(changes.begin(), changes.end(), second,
                               [](int64_t s, const auto& c) { return s < c.second; });
    return it == changes.begin() ? changes.end() : std::prev(it);
}

// Puts a change in at its time. One at the same second is replaced: the last word counts.
// Nothing goes in that would not change what is in force (`none` before the first change).
template <typename Changes, typename Change, typename Same>
void Put(Changes& changes, const Change& change, const Change& none, Same same) {
    auto at = std::upper_bound(changes.begin(), changes.end(), change.second,
                               [](int64_t s, const Change& c) { return s < c.second; });
    if (at != changes.begin() && std::prev(at)->second == change.second)
        at = changes.erase(std::prev(at));
    if (same(at == changes.begin() ? none : *std::prev(at), change))
        return;
    changes.insert(at, change);
}

int64_t Second(system_clock::time_point t) {
    return std::chrono::floor<seconds>(t.time_since_epoch()).count();
}

// Keeps the last change at or before `second` and everything after it.
template <typename Changes> void TrimBefore(Changes& changes, int64_t second) {
    while (changes.size() >= 2 && changes[1].second <= second)
        changes.pop_front();
}

} // namespace

ReadingHistory::ReadingHistory(std::size_t capacity)
    : m_capacity(std::max<std::size_t>(capacity, 1)),
      m_raw(std::make_unique_for_overwrite<uint8_t[]>(m_capacity * kItems)),
      m_read(std::make_unique_for_overwrite<uint16_t[]>(m_capacity)),
      m_half(std::make_unique_for_overwrite<uint16_t[]>(m_capacity)),
      m_times(std::make_unique_for_overwrite<uint32_t[]>(m_capacity)) {}

std::size_t ReadingHistory::bytes() const {
    return m_capacity * (kItems * sizeof(uint8_t) + 2 * sizeof(uint16_t) + sizeof(uint32_t));
}

std::optional<system_clock::time_point> ReadingHistory::latest() const {
    if (m_size == 0)
        return std::nullopt;
    return system_clock::time_point(seconds(secondAt(m_size - 1)));
}

void ReadingHistory::record(system_clock::time_point t, const std::array<uint8_t, 16>& raw,
                            uint16_t read, uint16_t halves) {
    int64_t second = Second(t);
    if (m_size == 0)
        m_base = second;
    else
        second = std::max(second, secondAt(m_size - 1));
    std::size_t at;
    if (m_size < m_capacity) {
        at = slot(m_size++);
    } else {
        at = m_oldest;
        m_oldest = (m_oldest + 1) % m_capacity;
    }
    std::copy(raw.begin(), raw.end(), m_raw.get() + at * kItems);
    m_read[at] = read;
    m_half[at] = halves;
    // Past 136 years from the first tick the clock is broken; the ring only needs order.
    m_times[at] = static_cast<uint32_t>(
        std::min<int64_t>(second - m_base, std::numeric_limits<uint32_t>::max()));
    if (m_size == m_capacity)
        dropChangesBefore(secondAt(0));
}

void ReadingHistory::dropChangesBefore(int64_t second) {
    for (int i = 0; i < kItems; ++i) {
        TrimBefore(m_limits[i], second);
        TrimBefore(m_warnings[i], second);
    }
}

void ReadingHistory::limits(system_clock::time_point t, int item, double low, double high) {
    if (item < 0 || item >= kItems)
        return;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Put(m_limits[item], LimitChange{Second(t), low, high}, LimitChange{0, nan, nan},
        [](const LimitChange& a, const LimitChange& b) {
            return SameLimit(a.low, b.low) && SameLimit(a.high, b.high);
        });
}

void ReadingHistory::warning(system_clock::time_point t, int item, bool raised) {
    if (item < 0 || item >= kItems)
        return;
    Put(m_warnings[item], WarningChange{Second(t), raised}, WarningChange{0, false},
        [](const WarningChange& a, const WarningChange& b) { return a.raised == b.raised; });
}

std::vector<ReadingHistory::Point> ReadingHistory::points(int item, system_clock::time_point from,
                                                          system_clock::time_point to) const {
    std::vector<Point> out;
    if (item < 0 || item >= kItems || m_size == 0 || to < from)
        return out;
    const int64_t first = std::chrono::ceil<seconds>(from.time_since_epoch()).count();
    const int64_t last = std::chrono::floor<seconds>(to.time_since_epoch()).count();
    // Binary searches over the ring's ages, oldest first.
    std::size_t lo = 0, hi = m_size;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (secondAt(mid) < first)
            lo = mid + 1;
        else
            hi = mid;
    }
    const std::size_t begin = lo;
    hi = m_size;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (secondAt(mid) <= last)
            lo = mid + 1;
        else
            hi = mid;
    }
    const std::size_t end = lo;
    if (begin == end)
        return out;
    out.reserve(end - begin);

    const auto& limits = m_limits[item];
    const auto& warnings = m_warnings[item];
    const int64_t start = secondAt(begin);
    auto limit = InForce(limits, start);
    auto warn = InForce(warnings, start);
    // Walks both change lists along with the ticks.
    auto nextLimit = limit == limits.end() ? limits.begin() : std::next(limit);
    auto nextWarn = warn == warnings.end() ? warnings.begin() : std::next(warn);
    const double none = std::numeric_limits<double>::quiet_NaN();
    const uint16_t bit = static_cast<uint16_t>(1u << item);
    for (std::size_t age = begin; age < end; ++age) {
        const std::size_t at = slot(age);
        if ((m_read[at] & bit) == 0)
            continue;
        const int64_t second = m_base + m_times[at];
        while (nextLimit != limits.end() && nextLimit->second <= second)
            limit = nextLimit++;
        while (nextWarn != warnings.end() && nextWarn->second <= second)
            warn = nextWarn++;
        const bool hasLimit = limit != limits.end();
        out.push_back({system_clock::time_point(seconds(second)), m_raw[at * kItems + item],
                       (m_half[at] & bit) != 0, hasLimit ? limit->low : none,
                       hasLimit ? limit->high : none, warn != warnings.end() && warn->raised});
    }
    return out;
}

} // namespace hmdx
