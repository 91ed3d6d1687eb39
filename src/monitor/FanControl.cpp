// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanControl.h"

#include "Conversions.h"
#include "Monitor.h"
#include "chip/ChipProgramming.h"
#include "chip/ChipReading.h"
#include "platform/Filled.h"

#include <QCoreApplication>
#include <cmath>

namespace hmdx {
namespace {

bool controls(const FanOutputSettings& s) {
    return s.mode == FanMode::Fixed || s.mode == FanMode::Curve;
}

// Why it stays full is a fault worth a warning; sleep and ending are not.
bool isWarning(FanFailsafe why) {
    return why != FanFailsafe::Sleep && why != FanFailsafe::Ending;
}

// A failsafe's fixed text in the user's language.
std::string said(const char* text) {
    return QCoreApplication::translate("hmdx::FanFailsafe", text).toStdString();
}

std::string outputName(int output) {
    return "output " + std::to_string(output);
}

// An output's settings as the log has them (`text` keeps the English) or as people read them.
template <typename Text> std::string describeSettings(const FanOutputSettings& s, Text text) {
    switch (s.mode) {
    case FanMode::Full:
        return text(QT_TRANSLATE_NOOP("hmdx::FanControl", "full"));
    case FanMode::Fixed:
        return Filled(text(QT_TRANSLATE_NOOP("hmdx::FanControl", "fixed %1%")),
                      {std::to_string(s.duty)});
    case FanMode::Curve:
        return Filled(text(QT_TRANSLATE_NOOP("hmdx::FanControl", "curve on sensor %1")),
                      {std::to_string(s.sensor)});
    }
    return {};
}

template <typename Text>
std::string describeOutputs(const FanOutputSettings* outputs, int count, Text text) {
    std::string all;
    for (int o = 1; o <= count; ++o)
        all += (o > 1 ? ", " : "") +
               Filled(text(QT_TRANSLATE_NOOP("hmdx::FanControl", "output %1 %2")),
                      {std::to_string(o), describeSettings(outputs[o - 1], text)});
    return all;
}

} // namespace

// English for the event log; the Fan Control window translates them.
std::string_view Describe(FanFailsafe why) {
    switch (why) {
    case FanFailsafe::None:
        return QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "under control");
    case FanFailsafe::NotMonitored:
        return QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "sensor not monitored");
    case FanFailsafe::BadReading:
        return QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "sensor reads outside -40..125 C");
    case FanFailsafe::AboveLimit:
        return QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "sensor above its high limit");
    case FanFailsafe::Stalled:
        return QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "fan stalled below full speed");
    case FanFailsafe::Sleep:
        return QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "system going to sleep");
    case FanFailsafe::Ending:
        return QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "hmdx ending");
    case FanFailsafe::NoGuardian:
        return QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "no fan guardian");
    }
    return {};
}

FanControl::FanControl(Monitor& monitor) : m_monitor(monitor) {
    for (int o = 1; o <= kMaxFanOutputs; ++o) {
        m_state[size_t(o - 1)].output = o;
        m_state[size_t(o - 1)].fanItem = FanItem(o - 1);
    }
}

int FanControl::outputCount() const {
    const ChipModel* model = m_monitor.machine().chip.model();
    int count = 0;
    for (int o = 1; model && o <= kMaxFanOutputs; ++o)
        count += model->pwmRegister[o] != 0;
    return count;
}

bool FanControl::anyControlled() const {
    for (const FanOutputState& st : m_state)
        if (st.controlled)
            return true;
    return false;
}

std::string FanControl::load(const std::filesystem::path& file) {
    m_file = file;
    FanControlFile loaded = LoadFanControl(file, outputCount());
    take(loaded.settings);
    return loaded.problem;
}

std::optional<std::string> FanControl::apply(const FanControlSettings& settings) {
    take(settings);
    const auto english = [](const char* s) { return std::string(s); };
    const auto people = [](const char* s) {
        return QCoreApplication::translate("hmdx::FanControl", s).toStdString();
    };
    const FanOutputSettings* outputs = m_settings.outputs.data();
    m_monitor.machine().events.record(
        {.kind = EventKind::FanSettingsChanged,
         .detail = describeOutputs(outputs, outputCount(), english),
         .detailForPeople = describeOutputs(outputs, outputCount(), people)});
    if (m_file.empty())
        return std::nullopt;
    return SaveFanControl(m_file, m_settings, outputCount());
}

// An output whose settings changed starts afresh; one that is no longer controlled gets back
// the chip's own full speed.
void FanControl::take(const FanControlSettings& settings) {
    bool changed = false;
    for (int o = 1; o <= kMaxFanOutputs; ++o) {
        const size_t i = size_t(o - 1);
        const FanOutputSettings wanted =
            o <= outputCount() ? settings.outputs[i] : FanOutputSettings{};
        if (wanted == m_settings.outputs[i])
            continue;
        m_settings.outputs[i] = wanted;
        m_stallHeld[i] = false;
        m_temperature[i].reset();
        FanOutputState& st = m_state[i];
        st.controlTemperature.reset();
        st.duty = 100;
        if (st.controlled != controls(wanted))
            changed = true;
        if (st.controlled && !controls(wanted)) {
            write(st, kFullDuty);
            st.failsafe = FanFailsafe::None;
        }
        st.controlled = controls(wanted);
    }
    if (changed && onControlChanged)
        onControlChanged();
}

void FanControl::tick() {
    if (m_paused != FanFailsafe::None)
        return;
    if (m_unguarded) {
        holdUnguarded();
        return;
    }
    const bool rewrite = m_rewrite;
    m_rewrite = false;
    for (FanOutputState& st : m_state) {
        if (!st.controlled)
            continue;
        const size_t i = size_t(st.output - 1);
        const FanOutputSettings& s = m_settings.outputs[i];
        FanFailsafe why = sensorFault(s);
        if (why == FanFailsafe::None && s.mode == FanMode::Curve) {
            const double reading = m_monitor.reading(TemperatureItem(s.sensor - 1)).value;
            st.controlTemperature = m_temperature[i].update(reading, s.hysteresis);
            st.duty = CurveDuty(s, *st.controlTemperature);
        } else if (why == FanFailsafe::None) {
            st.duty = s.duty;
        }
        if (why == FanFailsafe::None && stalled(st))
            m_stallHeld[i] = true;
        if (why == FanFailsafe::None && m_stallHeld[i])
            why = FanFailsafe::Stalled;
        enter(st, why);
        write(st, why == FanFailsafe::None ? DutyRegister(st.duty) : kFullDuty, rewrite);
    }
}

FanFailsafe FanControl::sensorFault(const FanOutputSettings& s) const {
    const int item = TemperatureItem(s.sensor - 1);
    const Machine& m = m_monitor.machine();
    const ItemReading& r = m_monitor.reading(item);
    if (!m.chip.hasItem(item) || !IsMonitored(m.settings, item) || !r.read)
        return FanFailsafe::NotMonitored;
    const double degrees = r.value;
    if (std::isnan(degrees) || degrees < kColdestSensorReading || degrees > kHottestSensorReading)
        return FanFailsafe::BadReading;
    return degrees > failsafeAbove(s.sensor) ? FanFailsafe::AboveLimit : FanFailsafe::None;
}

double FanControl::failsafeAbove(int sensor) const {
    const int s = sensor - 1;
    return TemperatureScale(s).degreesAt(m_monitor.limits().temperature(s).high.value());
}

// A fan that stands while driven below full speed may not start again by itself.
bool FanControl::stalled(const FanOutputState& st) const {
    const ItemReading& fan = m_monitor.reading(st.fanItem);
    return IsMonitored(m_monitor.machine().settings, st.fanItem) && fan.read &&
           fan.raw == kFanStoppedCount && st.written != kFullDuty;
}

void FanControl::enter(FanOutputState& st, FanFailsafe why) {
    if (st.failsafe == why)
        return;
    st.failsafe = why;
    const bool resumed = why == FanFailsafe::None;
    Event e = m_monitor.itemEvent(st.fanItem,
                                  resumed ? EventKind::FanControlResumed : EventKind::FanFailsafe);
    e.detail = outputName(st.output) + ": " + std::string(Describe(why));
    e.detailForPeople = Filled(said(QT_TRANSLATE_NOOP("hmdx::FanFailsafe", "output %1: %2")),
                               {std::to_string(st.output), said(Describe(why).data())});
    e.warning = !resumed && isWarning(why);
    m_monitor.machine().events.record(std::move(e));
}

void FanControl::write(FanOutputState& st, uint8_t value, bool always) {
    if (value == st.written && !always)
        return;
    SetPwmOutput(m_monitor.machine().chip, st.output, value);
    st.written = value;
}

void FanControl::goFull(FanFailsafe why) {
    // After the last write of the way out, the Super I/O may be given back: no more writes.
    if (m_paused == FanFailsafe::Ending)
        return;
    m_paused = why;
    for (FanOutputState& st : m_state) {
        if (!st.controlled)
            continue;
        write(st, kFullDuty, true);
        enter(st, why);
    }
}

void FanControl::setGuarded(bool guarded) {
    m_unguarded = !guarded;
    if (m_unguarded && m_paused == FanFailsafe::None)
        holdUnguarded();
}

void FanControl::holdUnguarded() {
    for (FanOutputState& st : m_state) {
        if (!st.controlled)
            continue;
        write(st, kFullDuty);
        enter(st, FanFailsafe::NoGuardian);
    }
}

void FanControl::resume() {
    if (m_paused == FanFailsafe::Ending)
        return;
    m_paused = FanFailsafe::None;
    m_rewrite = true;
}

} // namespace hmdx
