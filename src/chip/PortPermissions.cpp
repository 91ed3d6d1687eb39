// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortPermissions.h"

#include <array>
#include <pthread.h>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define HMDX_HAVE_PORT_IO 1
#endif

namespace hmdx {

bool KernelPortPermissions::grant(unsigned first, unsigned count) noexcept {
#ifdef HMDX_HAVE_PORT_IO
    return ::ioperm(first, count, 1) == 0;
#else
    (void)first;
    (void)count;
    return false;
#endif
}

void KernelPortPermissions::revoke(unsigned first, unsigned count) noexcept {
#ifdef HMDX_HAVE_PORT_IO
    (void)::ioperm(first, count, 0);
#else
    (void)first;
    (void)count;
#endif
}

void KernelPortPermissions::lowerLevel() noexcept {
#ifdef HMDX_HAVE_PORT_IO
    (void)::iopl(0);
#endif
}

void RevokeAllBut(PortPermissions& ports, const uint16_t* keep, size_t count) noexcept {
    std::array<uint16_t, 32> sorted{};
    size_t n = 0;
    for (size_t i = 0; i < count && n < sorted.size(); ++i) {
        size_t at = n++;
        for (; at > 0 && sorted[at - 1] > keep[i]; --at)
            sorted[at] = sorted[at - 1];
        sorted[at] = keep[i];
    }
    unsigned from = 0;
    for (size_t i = 0; i < n; ++i) {
        if (sorted[i] > from)
            ports.revoke(from, sorted[i] - from);
        if (sorted[i] + 1U > from)
            from = sorted[i] + 1U;
    }
    if (from < kPortSpace)
        ports.revoke(from, kPortSpace - from);
}

void GiveUpEveryPort(PortPermissions& ports) noexcept {
    ports.revoke(0, kPortSpace);
    ports.lowerLevel();
}

void KeepOnlyPortsOf(PortPermissions& ports, const PortWrites& writes) noexcept {
    std::array<uint16_t, PortWrites::kCapacity> used{};
    size_t n = 0;
    for (const PortWrite& w : writes)
        used[n++] = w.port;
    RevokeAllBut(ports, used.data(), n);
    ports.lowerLevel();
}

namespace {

PortPermissions* g_forkPorts = nullptr;
thread_local bool t_keepPorts = false;

extern "C" void giveUpInChild() {
    if (g_forkPorts && !t_keepPorts)
        GiveUpEveryPort(*g_forkPorts);
}

} // namespace

void GiveUpPortsInEveryFork(PortPermissions& ports) {
    if (!std::exchange(g_forkPorts, &ports))
        ::pthread_atfork(nullptr, nullptr, giveUpInChild);
}

KeepPortsInFork::KeepPortsInFork() {
    t_keepPorts = true;
}

KeepPortsInFork::~KeepPortsInFork() {
    t_keepPorts = false;
}

} // namespace hmdx
