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
