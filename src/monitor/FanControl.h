// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FanControlSettings.h"
#include "chip/ChipProgramming.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace hmdx {

class Monitor;

// Why a controlled output runs at full speed.
enum class FanFailsafe {
    None,
    NotMonitored, // its sensor is not monitored
    BadReading,   // its sensor reads outside -40..125 degrees
    AboveLimit,   // its sensor is above its high limit
    Stalled,      // its fan read a stall below 100 %: held until the output's settings change
    Sleep,        // the system is going to sleep
    Ending,       // hmdx is ending
    NoGuardian,   // no fan guardian stands by: a crash or a kill could leave the fan slow
};
// A short reason for events and the window, e.g. "sensor above its high limit".
std::string_view Describe(FanFailsafe why);

struct FanOutputState {
    int output = 0;                           // 1-based
    int fanItem = -1;                         // the fan item the output drives (9 or 10)
    bool controlled = false;                  // mode fixed or curve with good settings
    std::optional<double> controlTemperature; // curve mode, once read
    double duty = 100;                        // percent control asks for, before any failsafe
    uint8_t written = kFullDuty;              // the value the output register holds now
    FanFailsafe failsafe = FanFailsafe::None;
};

// Temperature curves on the chip's PWM outputs. Nothing is written to an output that is not
// controlled; a controlled output is written only when its value changes, and goes to full
// duty whenever control cannot be trusted.
class FanControl {
public:
    explicit FanControl(Monitor& monitor);
    FanControl(const FanControl&) = delete;
    FanControl& operator=(const FanControl&) = delete;

    int outputCount() const; // the model's PWM outputs: 0 on HMA
    // Reads the file and takes its settings; the problem's message, or empty.
    std::string load(const std::filesystem::path& file);
    const FanControlSettings& settings() const { return m_settings; }
    const std::filesystem::path& file() const { return m_file; }
    // New settings from the window: taken at once (an output whose settings changed loses
    // its stall hold and its control temperature), and the file replaced; the save error's
    // text, or nothing.
    std::optional<std::string> apply(const FanControlSettings& settings);

    // Once a tick, after the readings.
    void tick();
    // Every controlled output to full duty now (sleep, ending).
    void goFull(FanFailsafe why);
    // Back from sleep: control goes on from the next tick.
    void resume();
    // Without a guardian every controlled output is held full (at once, and at each tick);
    // with one again, control goes on from the next tick.
    void setGuarded(bool guarded);

    const FanOutputState& state(int output) const { return m_state[size_t(output - 1)]; }
    // The sensor's (1..3) high limit in degrees: a reading above it runs its outputs full.
    double failsafeAbove(int sensor) const;
    bool anyControlled() const;
    // Called when which outputs are controlled, or their registers, change.
    std::function<void()> onControlChanged;

private:
    void take(const FanControlSettings& settings);
    FanFailsafe sensorFault(const FanOutputSettings& s) const;
    bool stalled(const FanOutputState& st) const;
    void enter(FanOutputState& st, FanFailsafe why);
    void write(FanOutputState& st, uint8_t value, bool always = false);
    void holdUnguarded();

    Monitor& m_monitor;
    FanControlSettings m_settings;
    std::filesystem::path m_file;
    std::array<FanOutputState, kMaxFanOutputs> m_state{};
    std::array<ControlTemperature, kMaxFanOutputs> m_temperature{};
    std::array<bool, kMaxFanOutputs> m_stallHeld{};
    FanFailsafe m_paused = FanFailsafe::None; // Sleep or Ending: ticks leave the outputs full
    bool m_rewrite = false; // the chip was programmed again: write even an unchanged value
    bool m_unguarded = false;
};

} // namespace hmdx
