// SPDX-License-Identifier: GPL-3.0-or-later
#include "Watch.h"

#include "platform/GuardianProtocol.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <unistd.h>

namespace hmdx::guardian {
namespace {

// Stops while the system sleeps, as hmdx's ticks do.
long long nowMs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000LL + t.tv_nsec / 1000000;
}

enum class Read { Nothing, Heartbeat, Quit, Closed };

// Waits up to `ms` for bytes from hmdx.
Read readPipe(int pipe, long long ms) {
    pollfd ready{pipe, POLLIN, 0};
    const int n = ::poll(&ready, 1, int(ms));
    if (n <= 0)
        return Read::Nothing;
    char bytes[64];
    const ssize_t got = ::read(pipe, bytes, sizeof bytes);
    if (got < 0)
        return errno == EINTR || errno == EAGAIN ? Read::Nothing : Read::Closed;
    if (got == 0)
        return Read::Closed;
    return std::memchr(bytes, kQuit, size_t(got)) ? Read::Quit : Read::Heartbeat;
}

// Poll wakes at least this often to see whether hmdx is still the parent: a backstop for a
// pipe whose other end outlived it.
constexpr long long kLookMs = 1000;

} // namespace

Ending Watch(int pipe, pid_t parent) {
    long long last = nowMs();
    for (;;) {
        const long long left = kHangSeconds * 1000LL - (nowMs() - last);
        if (left <= 0)
            return Ending::Hung;
        switch (readPipe(pipe, left < kLookMs ? left : kLookMs)) {
        case Read::Quit:
            return Ending::Quit;
        case Read::Closed:
            return Ending::Gone;
        case Read::Heartbeat:
            last = nowMs();
            break;
        case Read::Nothing:
            break;
        }
        if (::getppid() != parent)
            return Ending::Gone;
    }
}

bool KillAndWait(int pipe, pid_t parent) {
    // Only while it is still our parent: its pid cannot have gone to another process.
    if (::getppid() == parent)
        ::kill(parent, SIGKILL);
    constexpr long long kWaitMs = 10000;
    const long long start = nowMs();
    for (long long left = kWaitMs; left > 0; left = kWaitMs - (nowMs() - start)) {
        if (readPipe(pipe, left < kLookMs ? left : kLookMs) == Read::Closed ||
            ::getppid() != parent)
            return true;
    }
    return false;
}

} // namespace hmdx::guardian
