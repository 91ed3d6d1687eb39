#include "WindowChecks.h"

#include "ui/main/FanRows.h"
#include "ui/main/ScaleSlider.h"
#include "ui/main/TemperatureRows.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <QLabel>
#include <fstream>

namespace hmdx::test {
namespace {

struct LimitRegisters {
    int bank, high, low;
};

// The chip's voltage limit registers, items 0..8.
constexpr LimitRegisters kVoltLimits[9] = {
    {0, 0x2B, 0x2C}, {0, 0x2D, 0x2E}, {0, 0x2F, 0x30}, {0, 0x31, 0x32}, {0, 0x33, 0x34},
    {0, 0x35, 0x36}, {0, 0x37, 0x38}, {5, 0x54, 0x55}, {5, 0x56, 0x57},
};

std::string name(const QObject* object) {
    return object->objectName().toStdString();
}

std::string onScale(const UpDown* updown, const ScaleSlider* scale) {
    const int lo = std::min(scale->minimum(), scale->maximum());
    const int hi = std::max(scale->minimum(), scale->maximum());
    if (updown->value() >= lo && updown->value() <= hi)
        return {};
    return name(updown) + " " + std::to_string(updown->value()) + " off the scale " +
           std::to_string(lo) + ".." + std::to_string(hi);
}

std::string holds(Machine& machine, int bank, int reg, int expected, const QObject* control) {
    const int actual = machine.chip.peek(bank, reg);
    if (actual == expected)
        return {};
    return name(control) + ": register " + std::to_string(bank) + ":" + std::to_string(reg) +
           " holds " + std::to_string(actual) + ", the row says " + std::to_string(expected);
}

void add(std::vector<std::string>& faults, std::string fault) {
    if (!fault.empty())
        faults.push_back(std::move(fault));
}

void voltageFaults(Machine& machine, std::vector<std::string>& faults) {
    VoltageRows& rows = machine.w().voltageRows();
    for (int i = 0; i < kVoltItems; ++i) {
        if (!machine.m.chip.hasItem(i))
            continue;
        const VoltageRows::Row& r = rows.row[i];
        const LimitRegisters regs = kVoltLimits[i];
        // HMA reads its negative rails as negated counts, limits crossed over.
        const bool negated = RailOf(machine.m.chip.model(), i) == VoltageRail::Negated;
        const int sign = negated ? -1 : 1;
        add(faults, holds(machine, regs.bank, negated ? regs.low : regs.high,
                          sign * r.updHiLimit->value(), r.updHiLimit));
        add(faults, holds(machine, regs.bank, negated ? regs.high : regs.low,
                          sign * r.updLoLimit->value(), r.updLoLimit));
        add(faults, onScale(r.updHiLimit, r.SldVoltage));
        add(faults, onScale(r.updLoLimit, r.SldVoltage));
    }
}

void fanFaults(Machine& machine, std::vector<std::string>& faults) {
    for (int f = 0; f < 3; ++f) {
        if (!machine.m.chip.hasItem(kFirstFanItem + f))
            continue;
        const UpDown* limit = machine.w().fanRows().row[f].updFanLoLimit;
        // A fan that stood still at start is left unwatched: count limit 255.
        const int count = limit->isEnabled() ? 255 - limit->value() : 255;
        add(faults, holds(machine, 0, 0x3B + f, count, limit));
    }
}

void temperatureFaults(Machine& machine, std::vector<std::string>& faults) {
    for (int t = 0; t < 3; ++t) {
        if (!machine.m.chip.hasItem(kFirstTempItem + t))
            continue;
        const TemperatureRows::Row& r = machine.w().temperatureRows().row[t];
        const int step = Limits::step(t);
        const int high = r.updTempHiLimit->value() - 40 * step;
        add(faults, onScale(r.updTempHiLimit, r.sldTemp));
        if (t == 0) {
            add(faults, holds(machine, 0, 0x39, high & 0xFF, r.updTempHiLimit));
            continue;
        }
        // Half degrees: bits 1..8 in 0x55, the half in bit 7 of 0x56.
        add(faults, holds(machine, t, 0x55, (high & 0x1FE) / 2, r.updTempHiLimit));
        add(faults, holds(machine, t, 0x56, (high & 1) ? 0x80 : 0, r.updTempHiLimit));
    }
}

} // namespace

std::vector<std::string> BrokenNumbers(QWidget& window) {
    std::vector<std::string> faults;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = label->text().toLower();
        if (text.contains(QStringLiteral("nan")) || text.contains(QStringLiteral("inf")))
            faults.push_back(name(label) + " shows \"" + label->text().toStdString() + "\"");
    }
    return faults;
}

std::vector<std::string> UpDownsOutOfRange(QWidget& window) {
    std::vector<std::string> faults;
    for (const UpDown* updown : window.findChildren<UpDown*>()) {
        if (updown->value() < updown->minimum() || updown->value() > updown->maximum())
            faults.push_back(name(updown) + " holds " + std::to_string(updown->value()) +
                             " outside " + std::to_string(updown->minimum()) + ".." +
                             std::to_string(updown->maximum()));
    }
    return faults;
}

std::vector<std::string> LimitRegisterFaults(Machine& machine) {
    std::vector<std::string> faults;
    voltageFaults(machine, faults);
    fanFaults(machine, faults);
    temperatureFaults(machine, faults);
    return faults;
}

std::vector<std::string> WindowFaults(Machine& machine) {
    std::vector<std::string> faults;
    for (const auto& found :
         {BrokenNumbers(machine.w()), UpDownsOutOfRange(machine.w()), LimitRegisterFaults(machine)})
        faults.insert(faults.end(), found.begin(), found.end());
    return faults;
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:" && status >> value)
            return value;
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

long MemoryInUseKiB() {
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
}
const char* const kMemoryMeasure = "live heap";
#else
long MemoryInUseKiB() {
    return ResidentKiB();
}
const char* const kMemoryMeasure = "resident memory (VmRSS)";
#endif

} // namespace hmdx::test
