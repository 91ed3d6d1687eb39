// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonLinesSink.h"

#include "platform/Filled.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

namespace hmdx {
namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("hmdx::JsonLinesSink", text).toStdString();
}

// A FIFO whose reader has gone raises SIGPIPE, which would end hmdx: held back for the write,
// and taken away when it came, so that the write fails with EPIPE like any other failure.
ssize_t WriteWithoutSigpipe(int fd, const char* data, std::size_t size) {
    sigset_t pipe, before;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &before);
    const ssize_t n = ::write(fd, data, size);
    const int error = errno;
    if (n < 0 && error == EPIPE && !sigismember(&before, SIGPIPE)) {
        const timespec none{};
        while (sigtimedwait(&pipe, nullptr, &none) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    errno = error;
    return n;
}

} // namespace

std::unique_ptr<JsonLinesSink> JsonLinesSink::Open(const std::filesystem::path& path,
                                                   std::string& error) {
    // O_NONBLOCK for good: a FIFO with no reader fails the open at once instead of hanging the
    // start-up, and one whose reader stalls makes a write return instead of stopping the tick.
    int fd;
    do
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const std::string why = std::strerror(errno); // before translating moves errno
        error = Filled(translated(QT_TRANSLATE_NOOP("hmdx::JsonLinesSink",
                                                    "Cannot open the event log %1: %2")),
                       {path.string(), why});
        return nullptr;
    }
    return std::unique_ptr<JsonLinesSink>(new JsonLinesSink(path, fd));
}

JsonLinesSink::JsonLinesSink(std::filesystem::path path, int fd)
    : m_path(std::move(path)), m_fd(fd) {}

JsonLinesSink::~JsonLinesSink() {
    m_writable.reset();
    onFailure = nullptr; // too late for a message box: standard error says what is lost
    if (m_failed)
        return;
    // A second for the reader to take what waits, rather than a line cut short.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    flush();
    while (!m_failed && !m_backlog.empty()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        pollfd writable{m_fd, POLLOUT, 0};
        const int ready = left > 0 ? ::poll(&writable, 1, static_cast<int>(left)) : 0;
        if (ready == 0 || (ready < 0 && errno != EINTR))
            break;
        flush();
    }
    const auto lost = m_dropped + std::count(m_backlog.begin(), m_backlog.end(), '\n');
    if (lost > 0)
        std::cerr << "hmdx: "
                  << Filled(translated(QT_TRANSLATE_NOOP(
                                "hmdx::JsonLinesSink",
                                "%1 events not written to the event log %2: the reader did "
                                "not keep up.")),
                            {std::to_string(lost), m_path.string()})
                  << std::endl;
    if (m_fd >= 0)
        ::close(m_fd);
}

void JsonLinesSink::write(const Event& e) {
    if (m_failed)
        return;
    flush(); // what the reader took since the last event makes room
    if (m_failed)
        return;
    std::string line = ToJsonLine(e);
    line += '\n';
    if (!m_backlog.empty() && m_backlog.size() + line.size() > kBacklog) {
        ++m_dropped;
        if (m_droppedTotal++ == 0 && onFailure)
            onFailure(Filled(translated(QT_TRANSLATE_NOOP(
                                 "hmdx::JsonLinesSink",
                                 "The event log %1 is not read as fast as events come: events "
                                 "are dropped, and the file will say how many once its reader "
                                 "catches up. Monitoring goes on.")),
                             {m_path.string()}));
        return;
    }
    m_backlog += line;
    flush();
    if (!m_failed)
        watchWritable();
}

// Writes what waits as far as the reader takes it now; once all of it is written, says in the
// file how many events were dropped meanwhile.
void JsonLinesSink::flush() {
    drain();
    if (!m_failed && m_backlog.empty() && m_dropped > 0) {
        m_backlog = ToJsonLine({.time = std::chrono::system_clock::now(),
                                .kind = EventKind::EventsNotWritten,
                                .detail = std::to_string(m_dropped) +
                                          " events not written: the reader did not keep up"}) +
                    '\n';
        m_dropped = 0;
        drain();
    }
}

void JsonLinesSink::drain() {
    while (!m_backlog.empty()) {
        const ssize_t n = WriteWithoutSigpipe(m_fd, m_backlog.data(), m_backlog.size());
        const int error = errno;
        if (n < 0 && error == EINTR)
            continue;
        if (n < 0 && (error == EAGAIN || error == EWOULDBLOCK))
            return; // a regular file never says so; a FIFO or socket whose reader is behind does
        if (n <= 0) {
            fail(n < 0 ? error : EIO);
            return;
        }
        m_backlog.erase(0, static_cast<std::size_t>(n));
    }
}

void JsonLinesSink::fail(int error) {
    m_failed = true;
    if (m_writable) { // perhaps in the middle of its own signal
        m_writable->setEnabled(false);
        m_writable.release()->deleteLater();
    }
    ::close(m_fd);
    m_fd = -1;
    if (onFailure)
        onFailure(Filled(
            translated(QT_TRANSLATE_NOOP("hmdx::JsonLinesSink",
                                         "Cannot write the event log %1: %2. Events are no longer "
                                         "written to it; monitoring goes on.")),
            {m_path.string(), std::strerror(error)}));
}

// With an event loop, what waits goes as soon as the reader takes more; without one (tests)
// the next event or the end takes it.
void JsonLinesSink::watchWritable() {
    const bool waiting = !m_backlog.empty();
    if (!m_writable) {
        if (!waiting || !QCoreApplication::instance())
            return;
        m_writable = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Write);
        QObject::connect(m_writable.get(), &QSocketNotifier::activated, m_writable.get(), [this] {
            flush();
            if (!m_failed)
                watchWritable();
        });
    }
    m_writable->setEnabled(waiting);
}

} // namespace hmdx
