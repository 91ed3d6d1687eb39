// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include "MachineControl.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>

namespace hmdx {

Session::Session(Machine& machine, WarningDialogs& warnings)
    : m_machine(machine), m_monitor(machine, warnings) {
    m_clock.setInterval(kTickMs);
    connect(&m_clock, &QTimer::timeout, this, &Session::tick);
}

void Session::setDuty(Duty duty, std::function<void()> work) {
    m_duties[size_t(duty)] = std::move(work);
}

void Session::guardFans(EmergencyPorts ports, std::filesystem::path guardian,
                        std::function<void(const std::string& why)> tell) {
    m_safety.emplace(m_machine.chip, m_machine.events, std::move(ports), std::move(guardian));
    FanControl& fans = m_monitor.fans();
    fans.onControlChanged = [this, &fans, before = std::move(fans.onControlChanged)] {
        if (before)
            before();
        m_safety->follow(ControlledOutputs(fans));
    };
    m_safety->onGuardian = [&fans, tell = std::move(tell)](bool standing, const std::string& why) {
        fans.setGuarded(standing);
        if (!standing && tell)
            tell(why);
    };
    setDuty(Duty::GuardianHeartbeat, [this] { m_safety->tick(); });
}

void Session::publishMetrics(std::filesystem::path file, int seconds) {
    m_metrics.emplace(m_monitor, std::move(file), seconds);
    m_metrics->publish();
    setDuty(Duty::Metrics, [this] { m_metrics->tick(); });
}

void Session::start() {
    m_monitor.load();
    m_clock.start();
}

void Session::tick() {
    m_monitor.poll();
    for (const auto& duty : m_duties)
        if (duty)
            duty();
    emit ticked();
}

void Session::restoreDefaults() {
    m_clock.stop();
    m_monitor.restoreDefaults();
    emit reloaded();
    m_clock.start();
}

std::optional<std::string> Session::save() {
    if (!m_machine.settingsFile)
        return std::nullopt;
    const std::string file = m_machine.settingsFile->path().string();
    if (auto error = m_machine.settingsFile->save(m_machine.settings)) {
        std::string told = error->text(
            QCoreApplication::translate(kSettingsMessageContext, error->form).toStdString());
        m_machine.events.record({.kind = EventKind::SaveFailed,
                                 .detail = error->text(),
                                 .warning = true,
                                 .detailForPeople = told});
        return told;
    }
    m_machine.events.record({.kind = EventKind::Save, .detail = file});
    return std::nullopt;
}

void Session::end(Way way) {
    m_clock.stop();
    if (way == Way::Exit) {
        LeaveChipForExit(m_machine, m_monitor.fans());
    } else {
        SilenceChip(m_machine);
        m_monitor.fans().goFull(FanFailsafe::Ending);
    }
    if (onEnd)
        onEnd();
}

} // namespace hmdx
