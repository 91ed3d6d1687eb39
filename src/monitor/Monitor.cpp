// SPDX-License-Identifier: GPL-3.0-or-later
#include "Monitor.h"

#include "Conversions.h"
#include "ItemTable.h"
#include "chip/ChipKeeping.h"
#include "chip/ChipProgramming.h"
#include "chip/ChipReading.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <chrono>
#include <cmath>

namespace hmdx {
namespace {

std::chrono::system_clock::time_point now() {
    return std::chrono::system_clock::now();
}

std::string trimmed(const Shown& shown) {
    return shown.text.trimmed().toStdString();
}

const QString kCaseOpened = QStringLiteral(QT_TRANSLATE_NOOP("hmdx::Monitor", "PC Case is opened"));
const QString kCaseClosed = QStringLiteral(QT_TRANSLATE_NOOP("hmdx::Monitor", "PC Case is closed"));

} // namespace

Monitor::Monitor(Machine& machine, WarningDialogs& dialogs)
    : m_machine(machine), m_limits(machine), m_dispatch(machine, dialogs) {
    m_readings[kCaseOpenItem].shown = ShowWords(kCaseClosed, 0);
    m_limits.onChanged = [this](int item, const std::string& change,
                                const std::string& changeForPeople) {
        if (m_machine.state.quietLimits)
            return;
        Event e = itemEvent(item, EventKind::LimitChanged);
        e.detail = change;
        e.detailForPeople = changeForPeople;
        m_machine.events.record(std::move(e));
        keepLimits(item);
    };
    m_limits.onStandingFan = [this](int fan) {
        ItemReading& r = m_readings[size_t(FanItem(fan))];
        r.value = NAN;
        r.shown = ShowWords(QStringLiteral(QT_TRANSLATE_NOOP("hmdx::Monitor", "low speed")), 0);
    };
    m_dispatch.onChange = [this](int item, bool raised) {
        Event e = itemEvent(item, raised ? EventKind::WarningRaised : EventKind::WarningCleared);
        e.warning = raised;
        if (raised)
            ++m_machine.state.warningsRaised[size_t(item)];
        m_machine.history.warning(now(), item, raised);
        m_machine.events.record(std::move(e));
    };
}

void Monitor::load() {
    m_machine.state.limitEditsLive = false;
    StopMonitoring(m_machine.chip);
    if (whileStopped)
        whileStopped();
    SetFanInputBits(m_machine.chip);
    loadLimits();
    m_machine.state.limitEditsLive = true;
    StartMonitoring(m_machine.chip);
    ProgramBeepMasks(m_machine.chip, m_machine.settings);
}

void Monitor::restoreDefaults() {
    StopMonitoring(m_machine.chip);
    if (whileStopped)
        whileStopped();
    SetDefaultSettings(m_machine.settings, m_machine.chip.presentItems(),
                       m_machine.chip.beepCapableItems());
    const char* detail = QT_TRANSLATE_NOOP("hmdx::Monitor", "factory settings, not yet saved");
    m_machine.events.record(
        {.kind = EventKind::Default,
         .detail = detail,
         .detailForPeople = QCoreApplication::translate("hmdx::Monitor", detail).toStdString()});
    // The limits stay live: every limit the defaults move writes its register, quietly.
    m_machine.state.quietLimits = true;
    SetVcoreLimitsFromVid(m_machine.chip, m_machine.settings);
    loadLimits();
    m_machine.state.quietLimits = false;
    ProgramBeepMasks(m_machine.chip, m_machine.settings);
    StartMonitoring(m_machine.chip);
}

void Monitor::reloadFans() {
    m_limits.loadFans();
}

void Monitor::loadLimits() {
    m_limits.loadVoltages();
    m_limits.loadFans();
    m_limits.loadTemperatures();
    // Until the next reading each scale's marker stands at its low limit.
    for (int i = 0; i < kVoltItems; ++i)
        if (RailOf(m_machine.chip.model(), i) != VoltageRail::None)
            m_readings[size_t(i)].marker = m_limits.voltage(i).band.start;
    for (int t = 0; t < 3; ++t)
        if (m_machine.chip.hasItem(TemperatureItem(t)))
            m_readings[size_t(TemperatureItem(t))].marker = m_limits.temperature(t).band.start;
    for (int i = 0; i < kItemCount; ++i)
        keepLimits(i);
}

void Monitor::keepLimits(int item) {
    const Limits::ShownLimits shown = m_limits.shownFor(item);
    m_machine.history.limits(now(), item, shown.low ? shown.low->value() : NAN,
                             shown.high ? shown.high->value() : NAN);
}

uint16_t Monitor::itemsToRead() const {
    uint16_t items = 0;
    for (int i = 0; i < kItemCount; ++i) {
        const bool convertible = KindOf(i) != ItemKind::Voltage ||
                                 RailOf(m_machine.chip.model(), i) != VoltageRail::None;
        if (IsMonitored(m_machine.settings, i) && convertible)
            items = uint16_t(items | (1U << i));
    }
    return items;
}

void Monitor::poll() {
    const uint16_t items = itemsToRead();
    const InputReadings in = ReadInputs(m_machine.chip, items);
    uint16_t halves = 0;
    for (int i = 0; i < kItemCount; ++i) {
        m_readings[size_t(i)].read = (items >> i) & 1U;
        if (!m_readings[size_t(i)].read)
            continue;
        const uint8_t raw = in.raw[size_t(i)];
        m_raw[size_t(i)] = raw;
        switch (KindOf(i)) {
        case ItemKind::Voltage:
            judgeVoltage(i, raw);
            break;
        case ItemKind::Fan:
            judgeFan(i, raw);
            break;
        case ItemKind::Temperature: {
            const bool half = HasHalfDegree(in.halfDegrees[size_t(TemperatureIndex(i))]);
            halves = uint16_t(halves | (half ? 1U << i : 0U));
            judgeTemperature(i, raw, half);
            break;
        }
        case ItemKind::CaseOpen:
            judgeCase(raw != 0);
            break;
        }
    }
    ClearAlarmStatus(m_machine.chip);
    m_machine.history.record(now(), m_raw, items, halves);
    m_fans.tick();
}

void Monitor::judgeVoltage(int i, uint8_t raw) {
    const VoltageRail rail = RailOf(m_machine.chip.model(), i);
    const int scale = rail == VoltageRail::Negated ? -raw : raw;
    ItemReading& r = m_readings[size_t(i)];
    r.raw = raw;
    r.marker = scale;
    r.value = valueOf(i, raw, false);
    r.shown = ShowTwoDecimals(r.value);
    const Band band = m_limits.voltage(i).band;
    report(i, scale > band.start + band.length || scale < band.start);
}

void Monitor::judgeFan(int item, uint8_t count) {
    const int f = FanIndex(item);
    ItemReading& r = m_readings[size_t(item)];
    r.raw = count;
    r.marker = 255 - count;
    r.value = valueOf(item, count, false);
    const int setting = m_limits.fan(f).setting.value();
    if (count == kFanStoppedCount) {
        // At the lowest setting a standing fan is no fault: it was off at start.
        const bool fault = setting != 1;
        r.shown = ShowWords(fault ? QStringLiteral(QT_TRANSLATE_NOOP("hmdx::Monitor", "low_speed"))
                                  : QStringLiteral(QT_TRANSLATE_NOOP("hmdx::Monitor", "Fan off")),
                            0);
        report(item, fault);
        return;
    }
    const int counted = count == 0 ? 1 : count;
    r.shown = ShowRpm(r.value);
    report(item, counted > 255 - setting);
}

void Monitor::judgeTemperature(int item, uint8_t whole, bool half) {
    const int t = TemperatureIndex(item);
    const int scale = TemperatureScale(t).scaleOf(TemperatureSteps(t, whole, half));
    ItemReading& r = m_readings[size_t(item)];
    r.raw = whole;
    r.marker = scale;
    r.value = valueOf(item, whole, half);
    r.shown = ShowTwoDecimals(r.value);
    const Band band = m_limits.temperature(t).band;
    report(item, scale >= band.start && scale > band.start + band.length);
}

void Monitor::judgeCase(bool open) {
    ItemReading& r = m_readings[kCaseOpenItem];
    r.raw = open ? 1 : 0;
    r.value = valueOf(kCaseOpenItem, r.raw, false);
    r.inRange = !open;
    m_machine.state.everRead[kCaseOpenItem] = true;
    m_machine.state.alarm[kCaseOpenItem] = open;
    r.shown = ShowWords(open ? kCaseOpened : kCaseClosed, open ? 1 : 0);
    if (open)
        m_dispatch.reportOutOfRange(kCaseOpenItem);
    else
        m_dispatch.reportInRange(kCaseOpenItem);
}

void Monitor::report(int item, bool outOfRange) {
    m_readings[size_t(item)].inRange = !outOfRange;
    m_machine.state.everRead[size_t(item)] = true;
    m_machine.state.alarm[size_t(item)] = outOfRange;
    if (outOfRange)
        m_dispatch.reportOutOfRange(item);
    else
        m_dispatch.reportInRange(item);
}

void Monitor::showCaseOpen(bool open) {
    m_readings[kCaseOpenItem].shown.text = open ? kCaseOpened : kCaseClosed;
}

std::string Monitor::caption(int item) const {
    return std::string(item == kCaseOpenItem ? kCaseOpenCaption : kItems[size_t(item)].caption);
}

Event Monitor::itemEvent(int item, EventKind kind) const {
    Event e;
    e.kind = kind;
    e.item = item;
    e.caption = caption(item);
    const Shown& reading = m_readings[size_t(item)].shown;
    e.value = MachineText(reading);
    e.captionForPeople = ShownCaption(item).toStdString();
    // Words ("PC Case is opened") in the user's language; numbers have no translation.
    e.valueForPeople =
        QCoreApplication::translate("hmdx::Monitor", trimmed(reading).c_str()).toStdString();
    const Limits::ShownLimits shown = m_limits.shownFor(item);
    if (shown.low) {
        e.low = MachineText(*shown.low);
        e.lowForPeople = trimmed(*shown.low);
    }
    if (shown.high) {
        e.high = MachineText(*shown.high);
        e.highForPeople = trimmed(*shown.high);
    }
    return e;
}

double Monitor::valueOf(int item, uint8_t raw, bool half) const {
    switch (KindOf(item)) {
    case ItemKind::Voltage: {
        const VoltageRail rail = RailOf(m_machine.chip.model(), item);
        if (rail == VoltageRail::Converted)
            return NegativeRailVolts(item, raw);
        return ScaleToVolts(rail == VoltageRail::Negated ? -raw : raw,
                            m_machine.settings.voltageFactor[size_t(item)]);
    }
    case ItemKind::Fan: {
        if (raw == kFanStoppedCount)
            return NAN;
        const auto rpm =
            FanSpeed(raw ? raw : 1, m_machine.settings.fanDivisor[size_t(FanIndex(item))]);
        return rpm ? *rpm : NAN;
    }
    case ItemKind::Temperature: {
        const int t = TemperatureIndex(item);
        return TemperatureScale(t).degreesOf(TemperatureSteps(t, raw, half));
    }
    case ItemKind::CaseOpen:
        break;
    }
    return raw != 0;
}

} // namespace hmdx
