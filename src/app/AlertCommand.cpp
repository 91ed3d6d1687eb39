// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlertCommand.h"

#include "chip/PortPermissions.h"
#include "platform/Filled.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <unistd.h>
#include <utility>

namespace hmdx {

namespace {

QProcessEnvironment environmentFor(const Event& e) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const std::pair<const char*, std::string> vars[] = {
        {"HMDX_EVENT", EventWord(e.kind)},
        {"HMDX_ITEM", e.item < 0 ? std::string() : std::to_string(e.item)},
        {"HMDX_CAPTION", e.caption},
        {"HMDX_VALUE", e.value},
        {"HMDX_LOW", e.low},
        {"HMDX_HIGH", e.high},
        {"HMDX_TIME", FormatLocalTime(e.time)},
        {"HMDX_DETAIL", e.detail},
    };
    for (const auto& [name, value] : vars)
        env.insert(QString::fromLatin1(name), QString::fromStdString(value));
    return env;
}

// The run and whatever it started share a process group of their own.
void signalGroup(const QProcess& process, int signal) {
    if (const qint64 pid = process.processId(); pid > 0)
        ::kill(-pid_t(pid), signal);
}

std::string said(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// A detail in English for the log, and in the user's language for people.
Event Detailed(Event e, const char* form, std::initializer_list<std::string_view> args) {
    e.detail = Filled(form, args);
    e.detailForPeople = Filled(said("AlertCommand", form), args);
    return e;
}

std::string seconds(std::chrono::milliseconds t) {
    const long long ms = t.count();
    return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

} // namespace

AlertCommand::AlertCommand(std::string program, EventLog& log,
                           std::function<void(const std::string&)> tell)
    : m_program(std::move(program)), m_log(log), m_tell(std::move(tell)) {}

AlertCommand::~AlertCommand() {
    // hmdx is ending: runs still going end with it rather than outlive it unwatched.
    for (Run& run : m_runs) {
        run.process->disconnect();
        signalGroup(*run.process, SIGKILL);
        run.process->waitForFinished(1000);
    }
    for (const qint64 group : m_lingering)
        ::kill(-pid_t(group), SIGKILL);
}

void AlertCommand::write(const Event& e) {
    if (!InfoOf(e.kind).runsAlertCommand)
        return;
    if (m_waiting.size() >= kMostWaiting) {
        if (m_dropped++ == 0)
            m_log.record(Detailed({.kind = EventKind::AlertEventsDropped, .warning = true},
                                  QT_TRANSLATE_NOOP("AlertCommand",
                                                    "%1 events already wait for the alert "
                                                    "command; this one and later ones are not "
                                                    "run until it catches up"),
                                  {std::to_string(kMostWaiting)}));
        return;
    }
    m_waiting.push_back(e);
    // Started from the event loop: a message about it must not open inside the tick.
    if (!m_startQueued) {
        m_startQueued = true;
        QMetaObject::invokeMethod(
            &m_context, [this] { startWaiting(); }, Qt::QueuedConnection);
    }
}

void AlertCommand::startWaiting() {
    m_startQueued = false;
    while (!m_waiting.empty() && m_runs.size() < std::size_t(kMostRunning)) {
        Event next = std::move(m_waiting.front());
        m_waiting.pop_front();
        start(std::move(next));
    }
    if (m_dropped > 0 && m_waiting.size() < kMostWaiting) {
        m_log.record(
            Detailed({.kind = EventKind::AlertEventsDropped, .warning = true},
                     QT_TRANSLATE_NOOP("AlertCommand",
                                       "%1 events were not run while the alert command was behind"),
                     {std::to_string(m_dropped)}));
        m_dropped = 0;
    }
}

void AlertCommand::start(Event cause) {
    Run& run = m_runs.emplace_back();
    run.cause = std::move(cause);
    run.process = new QProcess(&m_context);
    run.timer = new QTimer(run.process);
    QProcess& p = *run.process;
    p.setProgram(QString::fromStdString(m_program));
    p.setProcessEnvironment(environmentFor(run.cause));
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    // The user's program reaches no port: hmdx's grant would pass to it through fork and exec.
    p.setChildProcessModifier([] {
        ::setpgid(0, 0);
        KernelPortPermissions ports;
        GiveUpEveryPort(ports);
    });
    run.timer->setSingleShot(true);
    Run* r = &run;
    QObject::connect(&p, &QProcess::readyReadStandardOutput, &m_context,
                     [this, r] { readOutput(*r); });
    QObject::connect(run.timer, &QTimer::timeout, &m_context, [this, r] { overdue(*r); });
    QObject::connect(&p, &QProcess::finished, &m_context,
                     [this, r](int code, QProcess::ExitStatus status) {
                         finished(*r, code, status == QProcess::CrashExit);
                     });
    QObject::connect(&p, &QProcess::errorOccurred, &m_context, [this, r](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            cannotStart(*r);
    });
    QObject::connect(&p, &QProcess::started, &m_context, [this, r] {
        r->group = r->process->processId();
        m_toldCannotStart = false; // a program that comes back is said again when it goes
        r->timer->start(timeout);
    });
    p.start();
}

void AlertCommand::readOutput(Run& run) {
    const QByteArray bytes = run.process->readAll();
    const qint64 room = std::max<qint64>(0, kMostOutput - run.output.size());
    run.output += bytes.left(room);
    run.outputDropped += std::max<qint64>(0, bytes.size() - room);
}

void AlertCommand::overdue(Run& run) {
    if (!run.ended) {
        run.ended = true;
        signalGroup(*run.process, SIGTERM);
        run.timer->start(grace);
    } else {
        signalGroup(*run.process, SIGKILL);
    }
}

void AlertCommand::finished(Run& run, int exitCode, bool crashed) {
    readOutput(run);
    const std::string output = run.output.trimmed().toStdString();
    if (run.outputDropped > 0)
        record(run, EventKind::AlertCommandOutput,
               QT_TRANSLATE_NOOP("AlertCommand", "%1 [%2 more bytes not kept]"),
               {output, std::to_string(run.outputDropped)}, false);
    else if (!output.empty())
        record(run, EventKind::AlertCommandOutput, "%1", {output}, false);
    if (run.ended) {
        record(run, EventKind::AlertCommandFailed,
               QT_TRANSLATE_NOOP("AlertCommand", "still running after %1: ended"),
               {seconds(timeout)}, true);
        // What it started may ignore SIGTERM and outlive it: the SIGKILL still comes.
        killGroupLater(run.group);
    } else if (crashed)
        record(run, EventKind::AlertCommandFailed,
               QT_TRANSLATE_NOOP("AlertCommand", "ended by a signal"), {}, true);
    else if (exitCode != 0)
        record(run, EventKind::AlertCommandFailed,
               QT_TRANSLATE_NOOP("AlertCommand", "exit code %1"), {std::to_string(exitCode)}, true);
    forget(run);
}

void AlertCommand::cannotStart(Run& run) {
    const std::string why = run.process->errorString().toStdString();
    const bool tell = !m_toldCannotStart;
    m_toldCannotStart = true;
    if (tell)
        record(run, EventKind::AlertCommandFailed,
               QT_TRANSLATE_NOOP("AlertCommand", "cannot start %1: %2"), {m_program, why}, true);
    forget(run);
    if (tell && m_tell)
        m_tell(QCoreApplication::translate("AlertCommand",
                                           "The alert command %1 cannot be started: %2. Later "
                                           "events try it again without saying so.")
                   .arg(QString::fromStdString(m_program), QString::fromStdString(why))
                   .toStdString());
}

void AlertCommand::killGroupLater(qint64 group) {
    if (group <= 0)
        return;
    m_lingering.push_back(group);
    QTimer::singleShot(grace, &m_context, [this, group] {
        ::kill(-pid_t(group), SIGKILL);
        m_lingering.remove(group);
    });
}

void AlertCommand::forget(Run& run) {
    run.process->disconnect();
    run.timer->stop();
    run.process->deleteLater();
    m_runs.remove_if([&run](const Run& x) { return &x == &run; });
    if (!m_waiting.empty() && !m_startQueued) {
        m_startQueued = true;
        QMetaObject::invokeMethod(
            &m_context, [this] { startWaiting(); }, Qt::QueuedConnection);
    }
}

void AlertCommand::record(const Run& run, EventKind kind, const char* form,
                          std::initializer_list<std::string_view> args, bool warning) {
    // Which event ran it leads, by its word or its name in the window.
    const char* cause = InfoOf(run.cause.kind).word;
    const std::string detail = Filled(form, args);
    m_log.record(
        {.kind = kind,
         .item = run.cause.item,
         .caption = run.cause.caption,
         .detail = EventWord(run.cause.kind) + ": " + detail,
         .warning = warning,
         .detailForPeople = Filled(
             said("AlertCommand", QT_TRANSLATE_NOOP("AlertCommand", "%1: %2")),
             {said("hmdx::EventLogModel", cause), Filled(said("AlertCommand", form), args)})});
}

} // namespace hmdx
