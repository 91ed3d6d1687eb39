// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanSafety.h"

#include "CrashWrites.h"
#include "chip/FullSpeed.h"
#include "platform/Filled.h"

#include <QCoreApplication>
#include <utility>

namespace hmdx {

FanSafety::FanSafety(const Chip& chip, EventLog& events, EmergencyPorts ports,
                     std::filesystem::path guardian)
    : m_chip(chip), m_events(events), m_ports(std::move(ports)), m_program(std::move(guardian)) {}

FanSafety::~FanSafety() {
    disarm();
}

void FanSafety::follow(const std::vector<int>& outputs) {
    const PortWrites writes = FullSpeedWrites(m_chip, outputs);
    // A simulation without a trace has nowhere to write.
    if (writes.count == 0 || m_ports.raw.kind == RawPorts::Kind::None) {
        disarm();
        return;
    }
    if (outputs == m_outputs)
        return;
    m_outputs = outputs;
    m_writes = writes;
    ArmCrashWrites(m_writes, m_ports.raw);
    startGuardian();
}

void FanSafety::tick() {
    if (!armed())
        return;
    if (!m_guardian.running()) {
        startGuardian();
        return;
    }
    if (std::optional<std::string> ended = m_guardian.reap()) {
        const char* form =
            QT_TRANSLATE_NOOP("hmdx::FanSafety", "%1; started again on the next tick");
        m_events.record(
            {.kind = EventKind::FanGuardianEnded,
             .detail = Filled(form, {*ended}),
             .warning = true,
             .detailForPeople = Filled(
                 QCoreApplication::translate("hmdx::FanSafety", form).toStdString(), {*ended})});
        return;
    }
    m_guardian.heartbeat();
}

void FanSafety::startGuardian() {
    const std::string error =
        m_guardian.start({m_program, m_writes, m_ports.raw, m_ports.traceFile, m_ports.claim});
    guarded(error.empty(), error);
    if (error.empty()) {
        m_toldStartFailure = false;
        return;
    }
    if (std::exchange(m_toldStartFailure, true))
        return;
    m_events.record({.kind = EventKind::FanGuardianNotStarted, .detail = error, .warning = true});
}

std::vector<int> ControlledOutputs(const FanControl& fans) {
    std::vector<int> outputs;
    for (int output = 1; output <= fans.outputCount(); ++output)
        if (fans.state(output).controlled)
            outputs.push_back(output);
    return outputs;
}

void FanSafety::guarded(bool standing, const std::string& why) {
    if (m_unguarded == !standing)
        return;
    m_unguarded = !standing;
    if (onGuardian)
        onGuardian(standing, why);
}

void FanSafety::disarm() {
    guarded(true, {}); // nothing left to guard
    DisarmCrashWrites();
    m_guardian.quit();
    m_outputs.clear();
    m_toldStartFailure = false;
}

} // namespace hmdx
