// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortWrites.h"

#include <cstddef>
#include <cstdint>

namespace hmdx {

inline constexpr unsigned kPortSpace = 0x10000;

// The kernel's grant of I/O ports to the calling thread, as ioperm() and iopl() set it. A
// grant is inherited by threads created after it and by fork, and kept across execve. A seam,
// so that what a process keeps can be checked without the capability.
class PortPermissions {
public:
    virtual ~PortPermissions() = default;
    // Needs CAP_SYS_RAWIO; false without it.
    virtual bool grant(unsigned first, unsigned count) noexcept = 0;
    // Giving up needs no privilege.
    virtual void revoke(unsigned first, unsigned count) noexcept = 0;
    virtual void lowerLevel() noexcept = 0;
};

// ioperm() and iopl(0) themselves. Stateless, so a forked child may make one on its stack.
class KernelPortPermissions final : public PortPermissions {
public:
    bool grant(unsigned first, unsigned count) noexcept override;
    void revoke(unsigned first, unsigned count) noexcept override;
    void lowerLevel() noexcept override;
};

// Every port but `keep` (at most 32) is given up. Async-signal-safe.
void RevokeAllBut(PortPermissions& ports, const uint16_t* keep, size_t count) noexcept;

// For a child between fork and exec: a program hmdx starts reaches no port. Async-signal-safe.
void GiveUpEveryPort(PortPermissions& ports) noexcept;

// For the guardian between fork and exec: only the ports of its writes. Async-signal-safe.
void KeepOnlyPortsOf(PortPermissions& ports, const PortWrites& writes) noexcept;

// From now on every child made with fork() (by hmdx or a library: D-Bus starting a bus, say)
// gives up every port at once, unless the thread that forks holds a KeepPortsInFork. Children
// made without fork's handlers (posix_spawn, Qt's QProcess) give them up themselves. Call it
// once, before any thread starts; `ports` must outlive the process.
void GiveUpPortsInEveryFork(PortPermissions& ports);

// While one exists, a fork by this thread keeps its ports: the guardian's needs its writes'.
class KeepPortsInFork {
public:
    KeepPortsInFork();
    ~KeepPortsInFork();
    KeepPortsInFork(const KeepPortsInFork&) = delete;
    KeepPortsInFork& operator=(const KeepPortsInFork&) = delete;
};

} // namespace hmdx
