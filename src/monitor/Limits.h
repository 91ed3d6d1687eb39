// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoundedValue.h"
#include "Machine.h"
#include "NumberFormat.h"

#include <array>
#include <functional>
#include <string>

namespace hmdx {

// The part of an item's scale its limits mark: [start, start + length].
struct Band {
    int start = 0;
    int length = 0;
};

// A voltage item's limits, held on its scale: register counts, negated on a negated rail. Each
// limit fences the other.
struct VoltageLimits {
    BoundedValue low, high;
    int scaleMin = 0, scaleMax = 10;
    Band band;
    Shown lowText, highText;     // the limits in volts
    QString lowBound, highBound; // the scale's ends in volts
};

// A fan's limit as a setting 1..254: 255 minus the count limit, so higher is faster.
struct FanLimit {
    BoundedValue setting;
    Shown text;           // the limit speed in RPM
    bool editable = true; // a fan standing at start-up is not watched until the next load
};

// A temperature's high limit on its TemperatureScale. The hysteresis follows the high limit and
// is never shown.
struct TemperatureLimits {
    BoundedValue hysteresis, high;
    int scaleMin = 0, scaleMax = 10;
    Band band;
    Shown lowText, highText;
};

// Every item's limits: set up from the settings, moved by the user, and written into the
// chip's limit registers at once. A moved limit goes into the settings too.
class Limits {
public:
    explicit Limits(Machine& machine);
    Limits(const Limits&) = delete;
    Limits& operator=(const Limits&) = delete;

    VoltageLimits& voltage(int item) { return m_voltage[size_t(item)]; }
    FanLimit& fan(int fan) { return m_fan[size_t(fan)]; }
    TemperatureLimits& temperature(int sensor) { return m_temperature[size_t(sensor)]; }
    const VoltageLimits& voltage(int item) const { return m_voltage[size_t(item)]; }
    const FanLimit& fan(int fan) const { return m_fan[size_t(fan)]; }
    const TemperatureLimits& temperature(int sensor) const { return m_temperature[size_t(sensor)]; }

    // The limits an item's row shows: voltages both, fans the low one, temperatures the high
    // one, the case none (nullptr where none is shown).
    struct ShownLimits {
        const Shown* low = nullptr;
        const Shown* high = nullptr;
    };
    ShownLimits shownFor(int item) const;

    // From the settings, writing every limit register. A fan standing still now gets the
    // lowest limit and `onStandingFan`.
    void loadVoltages();
    void loadFans();
    void loadTemperatures();

    // A limit the user moved: the item and "high 5.51 -> 5.45 V", with a decimal point for the
    // log and with the user's decimal character for the window.
    std::function<void(int item, const std::string& change, const std::string& changeForPeople)>
        onChanged;
    std::function<void(int fan)> onStandingFan;

private:
    VoltageRail rail(int item) const { return RailOf(m_machine.chip.model(), item); }
    int toScale(int item, float volts) const;
    float toVolts(int item, int scale) const;
    float shownVolts(int item, float stored, int held) const;
    bool handlesLimits(int item) const;
    void loadVoltage(int item);
    void voltageHighMoved(int item);
    void voltageLowMoved(int item);
    void storeVoltage(int item, bool high, int scale);
    void loadTemperature(int sensor);
    void temperatureMoved(int sensor);
    void fanMoved(int fan);
    void tellMoved(int item, const char* which, const Shown& before, const Shown& after);

    Machine& m_machine;
    std::array<VoltageLimits, kVoltItems> m_voltage;
    std::array<FanLimit, 3> m_fan;
    std::array<TemperatureLimits, 3> m_temperature;
};

} // namespace hmdx
