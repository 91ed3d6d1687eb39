// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace hmdx {
namespace {

int g_signalPipe[2] = {-1, -1};
bool g_requested = false;

// Only async-signal-safe work here: the loop picks the byte up.
extern "C" void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

QuitOnSignal::QuitOnSignal(QObject* parent) : QObject(parent) {
    g_requested = false;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t ignored = ::read(g_signalPipe[1], &byte, 1);
        g_requested = true;
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal() {
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        std::signal(sig, SIG_DFL);
    for (int& fd : g_signalPipe)
        if (fd >= 0)
            ::close(std::exchange(fd, -1));
    g_requested = false;
}

bool QuitOnSignal::requested() {
    return g_requested;
}

} // namespace hmdx
