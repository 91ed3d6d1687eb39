// SPDX-License-Identifier: GPL-3.0-or-later
#include "ItemActions.h"

#include "ItemTable.h"
#include "MachineControl.h"
#include "Monitor.h"
#include "chip/Shutdown.h"
#include "platform/Filled.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>

namespace hmdx {
namespace {

using Field = ItemBytes ItemActions::Snapshot::*;
struct SwitchName {
    Field field;
    const char* name; // as the configuration event names it
};
constexpr SwitchName kSwitches[] = {
    {&ItemActions::Snapshot::monitored, QT_TRANSLATE_NOOP("hmdx::ItemActions", "monitor")},
    {&ItemActions::Snapshot::warnAtOnce, QT_TRANSLATE_NOOP("hmdx::ItemActions", "warn at once")},
    {&ItemActions::Snapshot::warnAfterThree,
     QT_TRANSLATE_NOOP("hmdx::ItemActions", "warn after 3")},
    {&ItemActions::Snapshot::beep, QT_TRANSLATE_NOOP("hmdx::ItemActions", "beep")},
};

// An event's detail in the user's language; the log keeps the English.
std::string Said(const char* text) {
    return QCoreApplication::translate("hmdx::ItemActions", text).toStdString();
}

} // namespace

ItemActions::ItemActions(Monitor& monitor) : m_monitor(monitor) {}

Machine& ItemActions::machine() const {
    return m_monitor.machine();
}

ItemActions::Snapshot ItemActions::now() const {
    const SettingsModel& s = machine().settings;
    return {s.monitored, s.warnAtOnce, s.warnAfterThree, s.beep};
}

void ItemActions::setMonitored(int item, bool on) {
    if (!on)
        m_monitor.dispatch().reportInRange(item);
    machine().settings.monitored[size_t(item)] = on ? 1 : 0;
    ProgramBeeps(machine());
    // The first two fans' limits are read again from the chip; the third's never were.
    if (KindOf(item) == ItemKind::Fan && FanIndex(item) < 2)
        m_monitor.reloadFans();
}

void ItemActions::setWarnAfterThree(int item, bool threeFaults) {
    SettingsModel& s = machine().settings;
    const auto i = size_t(item);
    if (threeFaults)
        m_rememberedBeep[i] = Beeps(s, item);
    s.warnAtOnce[i] = threeFaults ? 0 : 1;
    s.warnAfterThree[i] = threeFaults ? 1 : 0;
    s.beep[i] = !threeFaults && m_rememberedBeep[i] ? 1 : 0;
    ProgramBeeps(machine());
}

void ItemActions::setBeep(int item, bool on) {
    machine().settings.beep[size_t(item)] = on ? 1 : 0;
    ProgramBeeps(machine());
}

void ItemActions::rememberBeep(int item) {
    m_rememberedBeep[size_t(item)] = Beeps(machine().settings, item);
}

void ItemActions::restore(const Snapshot& before) {
    SettingsModel& s = machine().settings;
    s.monitored = before.monitored;
    s.warnAtOnce = before.warnAtOnce;
    s.warnAfterThree = before.warnAfterThree;
    s.beep = before.beep;
    ProgramBeeps(machine());
}

void ItemActions::recordChanges(const Snapshot& before) {
    const Snapshot after = now();
    if (after == before)
        return;
    std::string detail, forPeople;
    for (int i = 0; i < kItemCount; ++i)
        for (const SwitchName& s : kSwitches) {
            const int was = (before.*s.field)[size_t(i)], is = (after.*s.field)[size_t(i)];
            if (was == is)
                continue;
            const std::string_view item = kItems[size_t(i)].configCaption;
            const char* form = is ? QT_TRANSLATE_NOOP("hmdx::ItemActions", "%1: %2 off -> on")
                                  : QT_TRANSLATE_NOOP("hmdx::ItemActions", "%1: %2 on -> off");
            const char* separator = detail.empty() ? "" : "; ";
            detail += separator + Filled(form, {item, s.name});
            forPeople += separator + Filled(Said(form), {item, Said(s.name)});
        }
    machine().events.record(
        {.kind = EventKind::ConfigurationChanged, .detail = detail, .detailForPeople = forPeople});
}

void ItemActions::ignore(int item) {
    machine().events.record(m_monitor.itemEvent(item, EventKind::Ignore));
    machine().state.faultCounts[size_t(item)] = 0;
}

void ItemActions::disable(int item) {
    machine().events.record(m_monitor.itemEvent(item, EventKind::Disable));
    machine().settings.monitored[size_t(item)] = 0;
}

bool ItemActions::confirmCaseAction(bool ignore, const QString& password) {
    const char* action = ignore ? QT_TRANSLATE_NOOP("hmdx::ItemActions", "ignore")
                                : QT_TRANSLATE_NOOP("hmdx::ItemActions", "disable");
    Event e = m_monitor.itemEvent(kCaseOpenItem, EventKind::PasswordAccepted);
    e.detail = action;
    e.detailForPeople = Said(action);
    if (!PasswordMatches(machine().settings.password, password)) {
        e.kind = EventKind::PasswordRefused;
        e.warning = true;
        machine().events.record(std::move(e));
        return false;
    }
    machine().events.record(std::move(e));
    ClearCaseOpened(machine());
    ignore ? this->ignore(kCaseOpenItem) : disable(kCaseOpenItem);
    return true;
}

void ItemActions::shutDown(int item, MessageBoxes& boxes, PowerOff& power) {
    static constexpr const char* kOutcome[] = {QT_TRANSLATE_NOOP("hmdx::ItemActions", "declined"),
                                               QT_TRANSLATE_NOOP("hmdx::ItemActions", "refused"),
                                               QT_TRANSLATE_NOOP("hmdx::ItemActions", "requested")};
    const ShutdownOutcome outcome = ShutdownSystem(boxes, machine().chip.io, power);
    Event e = m_monitor.itemEvent(item, EventKind::ShutDown);
    e.detail = kOutcome[int(outcome)];
    e.detailForPeople = Said(kOutcome[int(outcome)]);
    e.warning = outcome == ShutdownOutcome::Refused;
    machine().events.record(std::move(e));
}

bool PasswordMatches(const std::array<char, 8>& stored, const QString& typed) {
    // The data file holds single-byte text. toLatin1 turns any other character into '?',
    // which would let it stand for a stored '?'; such a character is therefore a mismatch.
    const QString fitted = typed.left(kPasswordLength);
    unsigned diff = 0;
    for (const QChar c : fitted)
        diff |= c.unicode() > 0xFF ? 1u : 0u;
    std::array<char, 8> entry;
    entry.fill(' ');
    const QByteArray bytes = fitted.toLatin1();
    std::copy_n(bytes.constData(), bytes.size(), entry.begin());
    // No early exit: the time taken must not tell how many leading characters were right.
    for (std::size_t i = 0; i < entry.size(); ++i)
        diff |=
            static_cast<unsigned>(static_cast<uint8_t>(stored[i]) ^ static_cast<uint8_t>(entry[i]));
    return diff == 0;
}

} // namespace hmdx
