// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EmergencyPorts.h"
#include "GuardianProcess.h"
#include "chip/Chip.h"
#include "monitor/EventLog.h"
#include "monitor/FanControl.h"

#include <filesystem>
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
    const GuardianProcess& guardian() const { return m_guardian; }

private:
    void startGuardian();
    void disarm();

    const Chip& m_chip;
    EventLog& m_events;
    EmergencyPorts m_ports;
    std::filesystem::path m_program;
    std::vector<int> m_outputs;
    PortWrites m_writes;
    GuardianProcess m_guardian;
    bool m_toldStartFailure = false;
};

// The outputs fan control controls now, 1-based.
std::vector<int> ControlledOutputs(const FanControl& fans);

} // namespace hmdx
