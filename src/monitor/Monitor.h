// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FanControl.h"
#include "ItemActions.h"
#include "Limits.h"
#include "Machine.h"
#include "NumberFormat.h"
#include "WarningDispatch.h"

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

namespace hmdx {

// An item's latest reading as the window shows it.
struct ItemReading {
    uint8_t raw = 0; // register count; 1 or 0 for the case switch
    // In the row's unit, as Monitor::valueOf converts it; NaN for none (a fan standing).
    double value = std::numeric_limits<double>::quiet_NaN();
    Shown shown;    // the status text and the number it stands for
    int marker = 0; // where the reading stands on the item's scale; fans: 255 minus the count
    bool inRange = true;
    bool read = false; // read in the latest tick; skipped when not monitored
};

// The monitoring itself, with no window in it: prepares the chip and the limits from the
// settings, reads every monitored item once a tick, converts and judges each reading, counts
// faults and raises or takes away warnings; records events and the history as it goes.
class Monitor {
public:
    Monitor(Machine& machine, WarningDialogs& dialogs);
    Monitor(const Monitor&) = delete;
    Monitor& operator=(const Monitor&) = delete;

    Machine& machine() { return m_machine; }
    const Machine& machine() const { return m_machine; }
    Limits& limits() { return m_limits; }
    const Limits& limits() const { return m_limits; }
    WarningDispatch& dispatch() { return m_dispatch; }
    FanControl& fans() { return m_fans; }
    ItemActions& actions() { return m_actions; }
    const FanControl& fans() const { return m_fans; }
    const ItemReading& reading(int item) const { return m_readings[size_t(item)]; }

    // Chip and limits from the settings, before the first tick.
    void load();
    // Factory settings (not saved), the Vcore limits from the CPU, and the chip programmed
    // for them.
    void restoreDefaults();
    // The first two fans' limits read again from the chip (a fan switched on or off).
    void reloadFans();
    // One tick; the fans are controlled from its readings at its end.
    void poll();

    // Runs while monitoring is stopped for a load or Default: the program lets pending
    // window events through here; tests leave it empty.
    std::function<void()> whileStopped;

    // The case-open warning tells the case line the case is open for as long as it is up.
    void showCaseOpen(bool open);

    std::string caption(int item) const;
    // An event of one item, with its caption, reading and limits as shown now.
    Event itemEvent(int item, EventKind kind) const;
    // A raw reading in its row's unit, with the settings in force now; NaN for none. `half`:
    // the half degree of temperatures 1 and 2. The rows, fan control and the history all take
    // their numbers from here.
    double valueOf(int item, uint8_t raw, bool half) const;

private:
    void loadLimits();
    void keepLimits(int item);
    uint16_t itemsToRead() const;
    void judgeVoltage(int item, uint8_t raw);
    void judgeFan(int item, uint8_t count);
    void judgeTemperature(int item, uint8_t whole, bool half);
    void judgeCase(bool open);
    void report(int item, bool outOfRange);

    Machine& m_machine;
    Limits m_limits;
    WarningDispatch m_dispatch;
    std::array<ItemReading, kItemCount> m_readings{};
    std::array<uint8_t, kItemCount> m_raw{}; // every item's latest raw byte, for the history
    FanControl m_fans{*this};
    ItemActions m_actions{*this};
};

} // namespace hmdx
