// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EventKind.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hmdx {

// One thing that happened during a run, as the journal, the event log file and the Event Log
// window show it.
struct Event {
    std::chrono::system_clock::time_point time{}; // stamped by record() when left default
    EventKind kind{};
    int item = -1;         // 0..15, -1 for none
    std::string caption{}; // the item's caption, e.g. "+5V"
    // The reading and limits as shown, but as programs read numbers: "4.03", "3013" whatever
    // the locale; empty for none.
    std::string value{}, low{}, high{};
    std::string detail{}; // outcome, reason, old -> new, ports...
    bool warning = false; // raised warnings and failures
    // The detail in the user's language, for notifications; empty: the detail as it is. The
    // log file, the journal and the metrics keep to the English detail.
    std::string detailForPeople{};
    // The reading and limits with the user's decimal and grouping characters, "4,03", for the
    // window and notifications; empty: as above.
    std::string valueForPeople{}, lowForPeople{}, highForPeople{};
    std::string captionForPeople{}; // in the user's language: "Gehäuse offen"
};

// The form for people where an event has one.
inline const std::string& ForPeople(const std::string& forPeople, const std::string& plain) {
    return forPeople.empty() ? plain : forPeople;
}

// Somewhere events go besides memory: the journal, a file.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void write(const Event& e) = 0;
};

// This run's events: the latest kKept in memory, each also handed to every sink once.
class EventLog {
public:
    static constexpr std::size_t kKept = 10000;

    // Stamps the time when left default, keeps the event (dropping the oldest beyond kKept),
    // passes it to every sink, then calls onRecorded. An event recorded from inside a sink or
    // onRecorded (a sink reporting its own failure, say) waits until the current one is done,
    // so every sink sees the events in the same order as events().
    void record(Event e);

    // Oldest first.
    const std::deque<Event>& events() const { return m_events; }
    // Every event ever recorded in this run, dropped ones included: events()[i] is event number
    // recordedCount() - events().size() + i.
    std::uint64_t recordedCount() const { return m_count; }

    void addSink(std::unique_ptr<EventSink> sink);

    // Called after each event is kept and written; the Event Log window refreshes from here.
    std::function<void()> onRecorded;
    // Tests fix time with this; system_clock::now when empty.
    std::function<std::chrono::system_clock::time_point()> clock;

private:
    void dispatch(Event e);

    std::deque<Event> m_events;
    std::vector<std::unique_ptr<EventSink>> m_sinks;
    std::deque<Event> m_pending;
    bool m_recording = false;
    std::uint64_t m_count = 0;
};

// ISO 8601 local time with its offset, to the second: 2026-12-06T22:57:03+01:00.
std::string FormatLocalTime(std::chrono::system_clock::time_point t);

// One JSON object, no newline, keys in the order time, event (the kind's word), item, caption,
// value, low, high, detail. Empty strings and item -1 are null; bytes that are not UTF-8 become
// U+FFFD.
std::string ToJsonLine(const Event& e);

} // namespace hmdx
