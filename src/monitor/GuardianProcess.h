// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/PortWrites.h"

#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

namespace hmdx {

// The guardian program: beside the running hmdx (a build tree), else where it is installed.
std::filesystem::path FindGuardian();

// The fan guardian as hmdx runs it: a child process given the writes that put the controlled
// outputs to full speed, fed a heartbeat after every tick and told to quit in order. Should
// hmdx vanish or hang, it makes the writes itself.
class GuardianProcess {
public:
    struct Launch {
        std::filesystem::path program;
        PortWrites writes;
        RawPorts to;           // the real ports (hmdx's own grant), or a trace
        std::string traceFile; // the trace's name, for a simulation
        int claim = -1;        // the machine's claim on the chip, which it inherits
    };

    GuardianProcess() = default;
    GuardianProcess(const GuardianProcess&) = delete;
    GuardianProcess& operator=(const GuardianProcess&) = delete;
    ~GuardianProcess() { quit(); }

    // Why it could not be started, or empty.
    std::string start(const Launch& launch);
    bool running() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    void heartbeat();
    // How it ended, once it has ended by itself; it is then no longer running.
    std::optional<std::string> reap();
    // Control stops or hmdx ends in order: the guardian ends without writing.
    void quit();

private:
    pid_t m_pid = -1;
    int m_pipe = -1;
};

} // namespace hmdx
