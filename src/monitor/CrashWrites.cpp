// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrashWrites.h"

#include <atomic>
#include <csignal>
#include <iterator>

namespace hmdx {
namespace {

constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

struct Armed {
    PortWrites writes;
    RawPorts to;
};

// Two slots: arming fills the one the handler is not using, then points the handler at it in
// one atomic store. A handler would have to outlast two re-armings to see a slot change.
Armed g_slots[2];
std::atomic<int> g_current{-1}; // the slot the handler uses; -1: disarmed
static_assert(std::atomic<int>::is_always_lock_free);

struct sigaction g_previous[std::size(kCrashSignals)];
stack_t g_previousStack{};
bool g_installed = false;
// A stack overflow is a crash too: the handler then needs a stack of its own.
alignas(16) char g_stack[64 * 1024];

void restorePrevious(int sig) {
    for (size_t i = 0; i < std::size(kCrashSignals); ++i)
        if (kCrashSignals[i] == sig)
            ::sigaction(sig, &g_previous[i], nullptr);
}

extern "C" void onCrash(int sig) {
    const int slot = g_current.load(std::memory_order_acquire);
    // Every thread has the chip's ports: they were granted before the first thread started.
    if (slot >= 0)
        PerformPortWrites(g_slots[slot].writes, g_slots[slot].to);
    // Whatever handled the signal before (the default: end the process) takes it from here.
    restorePrevious(sig);
    ::raise(sig);
}

void install() {
    stack_t stack{};
    stack.ss_sp = g_stack;
    stack.ss_size = sizeof g_stack;
    ::sigaltstack(&stack, &g_previousStack);
    struct sigaction action {};
    action.sa_handler = onCrash;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_ONSTACK;
    for (size_t i = 0; i < std::size(kCrashSignals); ++i)
        ::sigaction(kCrashSignals[i], &action, &g_previous[i]);
    g_installed = true;
}

} // namespace

void ArmCrashWrites(const PortWrites& writes, RawPorts to) {
    const int slot = g_current.load(std::memory_order_relaxed) == 0 ? 1 : 0;
    g_slots[slot] = {writes, to};
    g_current.store(slot, std::memory_order_release);
    if (!g_installed)
        install();
}

void DisarmCrashWrites() {
    g_current.store(-1, std::memory_order_release);
    if (!g_installed)
        return;
    for (size_t i = 0; i < std::size(kCrashSignals); ++i)
        ::sigaction(kCrashSignals[i], &g_previous[i], nullptr);
    ::sigaltstack(&g_previousStack, nullptr);
    g_installed = false;
}

} // namespace hmdx
