// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/EventLog.h"

#include <QObject>
#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <initializer_list>
#include <list>
#include <string>
#include <string_view>

class QProcess;
class QTimer;

namespace hmdx {

// Runs the user's program for the events worth acting on (EventKindInfo::runsAlertCommand: a
// warning raised or cleared, the chip reprogrammed, a fan failsafe), with no shell and no
// arguments: what happened is only in its environment (HMDX_EVENT, HMDX_ITEM, HMDX_CAPTION,
// HMDX_VALUE, HMDX_LOW, HMDX_HIGH, HMDX_TIME, HMDX_DETAIL). Runs start from the event loop, never
// inside the tick, and nothing waits for them. Their outcome is recorded as events of their own:
//   "alert command output"  what the run wrote (stdout and stderr, the first kMostOutput bytes)
//   "alert command failed"  a non-zero exit, a crash, a run ended after `timeout`, or a program
//                           that cannot be started (said once until a run starts again)
//   "alert events dropped"  events not run because kMostWaiting were already waiting
class AlertCommand : public EventSink {
public:
    static constexpr int kMostRunning = 4;
    static constexpr std::size_t kMostWaiting = 64;
    static constexpr int kMostOutput = 4096;

    // `tell` shows the user a program that cannot be started.
    AlertCommand(std::string program, EventLog& log, std::function<void(const std::string&)> tell);
    ~AlertCommand() override;
    AlertCommand(const AlertCommand&) = delete;
    AlertCommand& operator=(const AlertCommand&) = delete;

    void write(const Event& e) override;

    // A run still going after `timeout` is sent SIGTERM, and SIGKILL `grace` later, together
    // with whatever it started.
    std::chrono::milliseconds timeout = std::chrono::seconds(30);
    std::chrono::milliseconds grace = std::chrono::seconds(2);

    std::size_t running() const { return m_runs.size(); }
    std::size_t waiting() const { return m_waiting.size(); }

private:
    struct Run {
        Event cause;
        QProcess* process = nullptr;
        QTimer* timer = nullptr;
        QByteArray output;
        qint64 outputDropped = 0;
        bool ended = false; // sent SIGTERM for running too long
        qint64 group = 0;   // its process group: the run's pid once started
    };

    void startWaiting();
    void start(Event cause);
    void readOutput(Run& run);
    void overdue(Run& run);
    void finished(Run& run, int exitCode, bool crashed);
    void cannotStart(Run& run);
    void forget(Run& run);
    void killGroupLater(qint64 group);
    // The detail is `form` filled with `args`: in English for the log, translated for people.
    void record(const Run& run, EventKind kind, const char* form,
                std::initializer_list<std::string_view> args, bool warning);

    std::string m_program;
    EventLog& m_log;
    std::function<void(const std::string&)> m_tell;
    std::deque<Event> m_waiting;
    std::list<Run> m_runs;
    std::size_t m_dropped = 0;
    bool m_startQueued = false;
    bool m_toldCannotStart = false;
    std::list<qint64> m_lingering; // groups sent SIGTERM whose leader is gone: SIGKILL is due
    QObject m_context;             // owns the processes; queued calls die with it
};

} // namespace hmdx
