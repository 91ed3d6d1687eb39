// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EmergencyPorts.h"
#include "GuardianProcess.h"
#include "chip/Chip.h"
#include "monitor/EventLog.h"
#include "monitor/FanControl.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace hmdx {

// Puts the controlled fan outputs to full speed when hmdx's own code cannot: a crash handler
// and the guardian process, both there only while some output is controlled.
class FanSafety {
public:
    FanSafety(const Chip& chip, EventLog& events, EmergencyPorts ports,
              std::filesystem::path guardian);
    FanSafety(const FanSafety&) = delete;
    FanSafety& operator=(const FanSafety&) = delete;
    // hmdx ends in order: the guardian quits without writing.
    ~FanSafety();

    // The outputs (1-based) controlled now; none disarms everything.
    void follow(const std::vector<int>& outputs);
    // After every tick: the guardian's heartbeat. A guardian that ended is recorded once and
    // started again on the next tick.
    void tick();

    bool armed() const { return !m_outputs.empty(); }
    // Whether a guardian stands by for the controlled outputs: false, with why, when none
    // could be started (fan control then holds them full), true once one is again.
    std::function<void(bool standing, const std::string& why)> onGuardian;
    const GuardianProcess& guardian() const { return m_guardian; }

private:
    void startGuardian();
    void guarded(bool standing, const std::string& why);
    void disarm();

    const Chip& m_chip;
    EventLog& m_events;
    EmergencyPorts m_ports;
    std::filesystem::path m_program;
    std::vector<int> m_outputs;
    PortWrites m_writes;
    GuardianProcess m_guardian;
    bool m_toldStartFailure = false;
    bool m_unguarded = false;
};

// The outputs fan control controls now, 1-based.
std::vector<int> ControlledOutputs(const FanControl& fans);

} // namespace hmdx
