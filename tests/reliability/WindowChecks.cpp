// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowChecks.h"

#include "chip/RegisterMap.h"
#include "monitor/Conversions.h"
#include "ui/main/FanRows.h"
#include "ui/main/ScaleSlider.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QLabel>
#include <QLocale>

namespace hmdx::test {
namespace {

std::string name(const QObject* object) {
    return object->objectName().toStdString();
}

std::string range(int lo, int hi) {
    return std::to_string(lo) + ".." + std::to_string(hi);
}

} // namespace

std::vector<std::string> WindowFaults(Machine& machine, bool registers) {
    std::vector<std::string> faults;
    MainWindow& w = machine.w();
    for (const QLabel* label : w.findChildren<QLabel*>()) {
        const QString text = label->text().toLower();
        if (text.contains(QStringLiteral("nan")) || text.contains(QStringLiteral("inf")))
            faults.push_back(name(label) + " shows \"" + label->text().toStdString() + "\"");
    }
    for (const UpDown* updown : w.findChildren<UpDown*>())
        if (updown->value() < updown->minimum() || updown->value() > updown->maximum())
            faults.push_back(name(updown) + " holds " + std::to_string(updown->value()) +
                             " outside " + range(updown->minimum(), updown->maximum()));
    const auto onScale = [&](const UpDown* updown, const ScaleSlider* scale) {
        const int lo = std::min(scale->minimum(), scale->maximum());
        const int hi = std::max(scale->minimum(), scale->maximum());
        if (updown->value() < lo || updown->value() > hi)
            faults.push_back(name(updown) + " " + std::to_string(updown->value()) +
                             " off the scale " + range(lo, hi));
    };
    const auto holds = [&](int bank, int reg, int expected, const QObject* control) {
        const int actual = machine.chip().peek(bank, reg);
        if (registers && actual != expected)
            faults.push_back(name(control) + ": register " + std::to_string(bank) + ":" +
                             std::to_string(reg) + " holds " + std::to_string(actual) +
                             ", the row says " + std::to_string(expected));
    };
    const Chip& chip = machine.m().chip;
    for (int i = 0; i < kVoltItems; ++i) {
        if (!chip.hasItem(i))
            continue;
        const VoltageRows::Row& r = w.voltageRows().row[i];
        const reg::VoltageRegisters regs = reg::kVoltage[size_t(i)];
        // HMA reads its negative rails as negated counts, limits crossed over.
        const bool negated = RailOf(chip.model(), i) == VoltageRail::Negated;
        const int sign = negated ? -1 : 1;
        holds(regs.bank, negated ? regs.low : regs.high, sign * r.highUpDown->value(),
              r.highUpDown);
        holds(regs.bank, negated ? regs.high : regs.low, sign * r.lowUpDown->value(), r.lowUpDown);
        onScale(r.highUpDown, r.scaleSlider);
        onScale(r.lowUpDown, r.scaleSlider);
        if (RailOf(chip.model(), i) != VoltageRail::Converted)
            continue;
        // What the label says is what the chip judges by.
        for (const auto& [label, limit] :
             {std::pair{r.lowLabel, r.lowUpDown}, std::pair{r.highLabel, r.highUpDown}})
            if (NegativeRailCount(i, QLocale().toFloat(label->text())) != limit->value())
                faults.push_back(name(label) + " shows " + label->text().toStdString() +
                                 ", the register holds " + std::to_string(limit->value()));
    }
    for (int f = 0; f < 3; ++f) {
        if (!chip.hasItem(kFirstFanItem + f))
            continue;
        const UpDown* limit = w.fanRows().row[f].lowUpDown;
        // A fan that stood still at start is left unwatched: count limit 255.
        holds(0, reg::kFanCountLimit + f, limit->isEnabled() ? 255 - limit->value() : 255, limit);
    }
    for (int t = 0; t < 3; ++t) {
        if (!chip.hasItem(kFirstTempItem + t))
            continue;
        const TemperatureRows::Row& r = w.temperatureRows().row[t];
        const reg::TemperatureRegisters regs = reg::kTemperature[size_t(t)];
        const int high = TemperatureScale(t).stepsOf(r.highUpDown->value());
        onScale(r.highUpDown, r.scaleSlider);
        if (regs.highHalf == reg::kNone) {
            holds(regs.bank, regs.high, high & 0xFF, r.highUpDown);
            continue;
        }
        // Half degrees: bits 1..8 in one register, the half in bit 7 of the other.
        holds(regs.bank, regs.high, (high & 0x1FE) / 2, r.highUpDown);
        holds(regs.bank, regs.highHalf, (high & 1) ? 0x80 : 0, r.highUpDown);
    }
    return faults;
}

} // namespace hmdx::test
