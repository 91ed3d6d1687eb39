// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace hmdx {

// The last kTicks polling ticks of every item, for the History window. The readings live in a
// ring allocated once (24 bytes a tick); limits and warnings change rarely, so each item keeps
// a short list of their changes, trimmed to what the ring still covers.
//
// Times are kept to the second. A tick earlier than the newest one (the clock was set back)
// counts as the newest one's time, so the ring stays in order and can be searched by time.
// Limit and warning changes go in at their own time, before any later ones.
class ReadingHistory {
public:
    static constexpr std::size_t kTicks = 86400; // 24 hours at one tick a second
    static constexpr int kItems = 16;

    // A capacity of 0 counts as 1.
    explicit ReadingHistory(std::size_t capacity = kTicks);

    // One tick: the raw byte of every item read this tick; bit i of `read` set when item i was
    // read, of `halves` when its reading had a half degree beyond the byte. Overwrites the
    // oldest tick once the ring is full.
    void record(std::chrono::system_clock::time_point t, const std::array<uint8_t, 16>& raw,
                uint16_t read, uint16_t halves = 0);
    // An item's limits as shown from time t on (row units: volts, RPM, degrees); NaN for a limit
    // the item has not. Items outside 0..15 are ignored.
    void limits(std::chrono::system_clock::time_point t, int item, double low, double high);
    // A warning of the item raised (true) or cleared (false) at time t.
    void warning(std::chrono::system_clock::time_point t, int item, bool raised);

    struct Point {
        std::chrono::system_clock::time_point time;
        uint8_t raw;
        bool half;        // a half degree beyond `raw`
        double low, high; // NaN where none was in force
        bool warning;
    };
    // The item's points in [from, to], oldest first: ticks where it was read, with the limits and
    // warning state in force then (a change counts from its own second on).
    std::vector<Point> points(int item, std::chrono::system_clock::time_point from,
                              std::chrono::system_clock::time_point to) const;

    std::size_t size() const { return m_size; } // ticks held
    std::size_t capacity() const { return m_capacity; }
    std::size_t bytes() const; // memory held by the ring, for the docs
    // The newest tick's time; none before the first tick.
    std::optional<std::chrono::system_clock::time_point> latest() const;

private:
    struct LimitChange {
        int64_t second;
        double low, high;
    };
    struct WarningChange {
        int64_t second;
        bool raised;
    };

    // Ring position of the tick `age` places after the oldest.
    std::size_t slot(std::size_t age) const { return (m_oldest + age) % m_capacity; }
    int64_t secondAt(std::size_t age) const { return m_base + m_times[slot(age)]; }
    void dropChangesBefore(int64_t second);

    std::size_t m_capacity;
    // Left uninitialised: the ring's pages cost memory only as the ticks fill them.
    std::unique_ptr<uint8_t[]> m_raw;    // 16 bytes a tick
    std::unique_ptr<uint16_t[]> m_read;  // read mask a tick
    std::unique_ptr<uint16_t[]> m_half;  // half-degree mask a tick
    std::unique_ptr<uint32_t[]> m_times; // seconds since m_base
    std::size_t m_oldest = 0;
    std::size_t m_size = 0;
    int64_t m_base = 0; // the first tick's second
    std::array<std::deque<LimitChange>, kItems> m_limits;
    std::array<std::deque<WarningChange>, kItems> m_warnings;
};

} // namespace hmdx
