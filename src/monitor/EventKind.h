// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace hmdx {

// What an event is. Everything said per kind is in one table (EventKind.cpp).
enum class EventKind : std::uint8_t {
    Start,
    End,
    WarningRaised,
    WarningCleared,
    Ignore,
    Disable,
    ShutDown,
    LimitChanged,
    Default,
    Save,
    SaveFailed,
    ConfigurationChanged,
    PasswordAccepted,
    PasswordRefused,
    ChipReprogrammed,
    FanSettingsChanged,
    FanFailsafe,
    FanControlResumed,
    FanGuardianEnded,      // app/FanSafety
    FanGuardianNotStarted, // app/FanSafety
    MetricsWriteFailed,    // app/MetricsPublisher
    AlertCommandOutput,    // app/AlertCommand
    AlertCommandFailed,    // app/AlertCommand
    AlertEventsDropped,    // app/AlertCommand
    EventsNotWritten,      // in the event log file alone (monitor/JsonLinesSink)
};

// What the desktop notifications make of a kind (monitor/NotificationSink).
enum class Notice : std::uint8_t {
    None,
    ItemWarning,   // the item's own critical notification, shown or updated
    ItemBack,      // the item's taken away
    EveryItemBack, // every item's taken away: a critical one would outlive its action
    Reprogrammed,  // a plain one in a slot of its own
    SaveFailed,    // a plain one in a slot of its own
    FanFailsafe,   // a plain one for warnings alone; the fan's output is held until resumed
    FanResumed,    // the fan's output no longer held
};

struct EventKindInfo {
    EventKind kind;
    // As the log file, the journal and HMDX_EVENT have it; the Event Log window translates it
    // (context hmdx::EventLogModel).
    const char* word;
    Notice notice;
    bool runsAlertCommand;
};

const EventKindInfo& InfoOf(EventKind kind);

inline std::string EventWord(EventKind kind) {
    return InfoOf(kind).word;
}

} // namespace hmdx
