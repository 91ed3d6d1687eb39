// SPDX-License-Identifier: GPL-3.0-or-later
#include "Limits.h"

#include "Conversions.h"
#include "ItemTable.h"
#include "chip/ChipKeeping.h"
#include "chip/ChipProgramming.h"
#include "chip/ChipReading.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <utility>

namespace hmdx {
namespace {

// Fan settings: 1 is the lowest limit (count 254); 254 the highest (count 1), because a count
// limit of 0 would have no speed at all.
constexpr int kLowestSetting = 1;
constexpr int kHighestSetting = 254;

// Which limit moved, in the log's words; people read them in their language.
const char* const kLow = QT_TRANSLATE_NOOP("hmdx::Limits", "low");
const char* const kHigh = QT_TRANSLATE_NOOP("hmdx::Limits", "high");

} // namespace

Limits::Limits(Machine& machine) : m_machine(machine) {
    for (int i = 0; i < kVoltItems; ++i) {
        m_voltage[size_t(i)].high.onChanged = [this, i] { voltageHighMoved(i); };
        m_voltage[size_t(i)].low.onChanged = [this, i] { voltageLowMoved(i); };
    }
    for (int f = 0; f < 3; ++f) {
        BoundedValue& setting = m_fan[size_t(f)].setting;
        setting.setMaximum(kHighestSetting);
        setting.setMinimum(kLowestSetting);
        setting.onChanged = [this, f] { fanMoved(f); };
    }
    for (int t = 0; t < 3; ++t)
        m_temperature[size_t(t)].high.onChanged = [this, t] { temperatureMoved(t); };
}

Limits::ShownLimits Limits::shownFor(int item) const {
    switch (KindOf(item)) {
    case ItemKind::Voltage:
        return {&voltage(item).lowText, &voltage(item).highText};
    case ItemKind::Fan:
        return {&fan(FanIndex(item)).text, nullptr};
    case ItemKind::Temperature:
        return {nullptr, &temperature(TemperatureIndex(item)).highText};
    case ItemKind::CaseOpen:
        break;
    }
    return {};
}

// A setting in volts as a scale value, held within what the limit registers can take.
int Limits::toScale(int i, float volts) const {
    const float factor = m_machine.settings.voltageFactor[size_t(i)];
    switch (rail(i)) {
    case VoltageRail::Converted:
        return std::clamp<int>(NegativeRailCount(i, volts), 0, 255);
    case VoltageRail::Negated:
        return std::clamp(VoltsToScale(volts, factor), -255, 0);
    default:
        return std::clamp(VoltsToScale(volts, factor), 0, 255);
    }
}

float Limits::toVolts(int i, int scale) const {
    if (rail(i) == VoltageRail::Converted)
        return NegativeRailVolts(i, scale);
    return ScaleToVolts(scale, m_machine.settings.voltageFactor[size_t(i)]);
}

// A loaded limit as its label shows it. Converted rails show the stored volts while they are
// what the register holds; a limit held on the scale or in the register shows (and is judged
// by) the held value, never the file's. The other rails always show the register's volts.
float Limits::shownVolts(int i, float stored, int held) const {
    if (rail(i) == VoltageRail::Converted && !std::isnan(stored) &&
        NegativeRailCount(i, stored) == held)
        return stored;
    return toVolts(i, held);
}

// A model without 5Vsb and Vbat limit registers ignores moves of their limits.
bool Limits::handlesLimits(int i) const {
    const ChipModel* model = m_machine.chip.model();
    return model && (model->standbyLimits || i <= 6);
}

void Limits::loadVoltages() {
    for (int i = 0; i < kVoltItems; ++i)
        if (rail(i) != VoltageRail::None)
            loadVoltage(i);
}

void Limits::loadVoltage(int i) {
    const SettingsModel& s = m_machine.settings;
    VoltageLimits& v = m_voltage[size_t(i)];
    int top = toScale(i, s.voltageScaleHigh[size_t(i)]);
    int bottom = toScale(i, s.voltageScaleLow[size_t(i)]);
    if (bottom > top)
        std::swap(bottom, top); // a scale the wrong way round in the file
    // Limits are held on the scale, so that neither limit is left with an empty range.
    const int hi = std::clamp(toScale(i, s.voltageHigh[size_t(i)]), bottom, top);
    const int lo = std::clamp(toScale(i, s.voltageLow[size_t(i)]), bottom, top);
    v.scaleMax = top;
    v.scaleMin = bottom;
    v.low.setMaximum(hi);
    v.low.setMinimum(bottom);
    v.high.setMaximum(top);
    v.high.setMinimum(lo);
    // Each limit is fenced by the other.
    v.low.setValue(v.high.minimum());
    v.high.setValue(v.low.maximum());
    v.band = {v.low.value(), v.high.value() - v.low.value()};
    v.lowBound = FormatTwoDecimals(s.voltageScaleLow[size_t(i)]);
    v.highBound = FormatTwoDecimals(s.voltageScaleHigh[size_t(i)]);
    v.lowText = ShowTwoDecimals(shownVolts(i, s.voltageLow[size_t(i)], v.low.value()));
    v.highText = ShowTwoDecimals(shownVolts(i, s.voltageHigh[size_t(i)], v.high.value()));
    WriteVoltageLimits(m_machine.chip, i, v.low.value(), v.high.value());
}

void Limits::voltageHighMoved(int i) {
    if (!m_machine.state.limitEditsLive || !handlesLimits(i))
        return;
    VoltageLimits& v = m_voltage[size_t(i)];
    const int h = v.high.value();
    v.band.length = h - v.low.value();
    v.low.setMaximum(h);
    storeVoltage(i, true, h);
}

void Limits::voltageLowMoved(int i) {
    if (!m_machine.state.limitEditsLive || !handlesLimits(i))
        return;
    VoltageLimits& v = m_voltage[size_t(i)];
    const int l = v.low.value();
    v.band = {l, v.high.value() - l};
    v.high.setMinimum(l);
    storeVoltage(i, false, l);
}

// A limit the user moved: shown in volts, kept in the settings, and in the chip at once.
void Limits::storeVoltage(int i, bool high, int scale) {
    VoltageLimits& v = m_voltage[size_t(i)];
    const float volts = toVolts(i, scale);
    Shown& shown = high ? v.highText : v.lowText;
    const Shown before = shown;
    shown = ShowTwoDecimals(volts);
    tellMoved(i, high ? kHigh : kLow, before, shown);
    (high ? m_machine.settings.voltageHigh : m_machine.settings.voltageLow)[size_t(i)] = volts;
    WriteVoltageLimit(m_machine.chip, i, high, scale);
}

void Limits::tellMoved(int item, const char* which, const Shown& before, const Shown& after) {
    if (!onChanged)
        return;
    const std::string unit(PlainUnitOf(KindOf(item)));
    const std::string machine =
        std::string(which) + " " + MachineText(before) + " -> " + MachineText(after) + " " + unit;
    const QString people =
        QStringLiteral("%1 %2 -> %3 %4")
            .arg(QCoreApplication::translate("hmdx::Limits", which), before.text.trimmed(),
                 after.text.trimmed(), ShownUnit(KindOf(item), true));
    onChanged(item, machine, people.toStdString());
}

void Limits::loadFans() {
    SetFanDivisorBits(m_machine.chip);
    const SettingsModel& s = m_machine.settings;
    for (int f = 0; f < 3; ++f) {
        FanLimit& fan = m_fan[size_t(f)];
        fan.editable = true;
        if (ReadFanCount(m_machine.chip, f) != kFanStoppedCount) {
            fan.setting.setValueQuietly(255 - s.fanCountLimit[size_t(f)]);
            fan.text =
                ShowLimitSpeed(FanLimitSpeed(s.fanCountLimit[size_t(f)], s.fanDivisor[size_t(f)]));
            WriteFanCountLimit(m_machine.chip, f, uint8_t(s.fanCountLimit[size_t(f)]));
            continue;
        }
        fan.setting.setValueQuietly(kLowestSetting);
        fan.text = ShowLimitSpeed(FanLimitSpeed(kFanStoppedCount, s.fanDivisor[size_t(f)]));
        fan.editable = false;
        if (onStandingFan)
            onStandingFan(f);
        WriteFanCountLimit(m_machine.chip, f, kFanStoppedCount);
    }
}

void Limits::fanMoved(int f) {
    FanLimit& fan = m_fan[size_t(f)];
    const auto count = int16_t(255 - fan.setting.value());
    m_machine.settings.fanCountLimit[size_t(f)] = count;
    const Shown before = fan.text;
    fan.text = ShowLimitSpeed(FanLimitSpeed(count, m_machine.settings.fanDivisor[size_t(f)]));
    tellMoved(FanItem(f), kLow, before, fan.text);
    WriteFanCountLimit(m_machine.chip, f, uint8_t(count));
}

void Limits::loadTemperatures() {
    for (int t = 0; t < 3; ++t)
        if (m_machine.chip.hasItem(TemperatureItem(t)))
            loadTemperature(t);
}

void Limits::loadTemperature(int t) {
    const SettingsModel& s = m_machine.settings;
    TemperatureLimits& l = m_temperature[size_t(t)];
    const TemperatureScale scale(t);
    // Limits beyond the scale are held at its ends rather than wrapped into the register.
    const auto held = [&scale](float degrees) {
        return std::clamp(scale.stepsNear(degrees), scale.stepsOf(scale.lowest()),
                          scale.stepsOf(scale.highest()));
    };
    const int a = held(s.temperatureHigh[size_t(t)]);
    const int b = held(s.temperatureLow[size_t(t)]);
    l.scaleMax = scale.highest();
    l.scaleMin = scale.lowest();
    l.hysteresis.setMaximum(scale.scaleOf(a));
    l.hysteresis.setMinimum(l.scaleMin);
    l.high.setMaximum(l.scaleMax);
    l.high.setMinimum(l.scaleMin);
    l.hysteresis.setValue(l.high.minimum());
    l.high.setValue(l.hysteresis.maximum());
    l.band = {scale.scaleOf(b), 0};
    l.lowText = ShowTwoDecimals(s.temperatureLow[size_t(t)]);
    l.highText = ShowTwoDecimals(s.temperatureHigh[size_t(t)]);
    WriteTemperatureLimits(m_machine.chip, t, a, b);
}

void Limits::temperatureMoved(int t) {
    if (!m_machine.state.limitEditsLive)
        return;
    TemperatureLimits& l = m_temperature[size_t(t)];
    const TemperatureScale scale(t);
    const int v = l.high.value();
    const int h = scale.stepsOf(v);
    l.band = {v, 0};
    const auto degrees = float(scale.degreesOf(h));
    const Shown before = l.highText;
    l.lowText = ShowOneDecimal(degrees);
    l.highText = ShowOneDecimal(degrees);
    tellMoved(TemperatureItem(t), kHigh, before, l.highText);
    m_machine.settings.temperatureHigh[size_t(t)] = degrees;
    m_machine.settings.temperatureLow[size_t(t)] = degrees;
    WriteTemperatureLimits(m_machine.chip, t, h, h);
}

} // namespace hmdx
