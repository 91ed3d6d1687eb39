// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace hmdx {

struct TextFile;

inline constexpr int kMaxFanOutputs = 2;
inline constexpr const char* kFanControlFileName = "fan-control.ini";

// full: hmdx never writes the output while it runs (the chip's own 0xFF stays).
enum class FanMode { Full, Fixed, Curve };

// Where a temperature sensor reads at all, in degrees: a reading outside is a fault, a curve
// point outside a typing error.
inline constexpr int kColdestSensorReading = -40;
inline constexpr int kHottestSensorReading = 125;

// What an output's settings may hold, the file and the window alike.
inline constexpr int kMinCurvePoints = 2;
inline constexpr int kMaxCurvePoints = 8;
inline constexpr int kMaxPercent = 100;   // duties and the curve's minimum, from 0
inline constexpr int kMaxHysteresis = 20; // degrees, from 0

struct CurvePoint {
    int celsius = 0;
    int percent = 0;
    bool operator==(const CurvePoint&) const = default;
};

// One PWM output's settings: a [outputN] section of fan-control.ini.
struct FanOutputSettings {
    FanMode mode = FanMode::Full;
    int duty = kMaxPercent;         // percent, for mode fixed
    int sensor = 1;                 // 1..3: temperature items 12..14
    std::vector<CurvePoint> points; // temperatures rising, duties not falling
    int hysteresis = 0;             // degrees
    int minimum = 0;                // percent, the curve's floor
    bool operator==(const FanOutputSettings&) const = default;
};

struct FanControlSettings {
    std::array<FanOutputSettings, kMaxFanOutputs> outputs{}; // [0] is output 1
    bool operator==(const FanControlSettings&) const = default;
};

// The curve's editing rules: points stay in order of temperature, at least a degree apart,
// from `coldest` up to the hottest reading, and their duties never fall. A position is
// rounded and fenced in by its neighbours; false (the curve unchanged) when the edit is not
// allowed or changes nothing.
bool MoveCurvePoint(std::vector<CurvePoint>& points, int index, double celsius, double percent,
                    int coldest);
// The new point's index, or -1: the curve is full, or a point stands at that temperature.
int AddCurvePoint(std::vector<CurvePoint>& points, double celsius, double percent, int coldest);
bool RemoveCurvePoint(std::vector<CurvePoint>& points, int index);

struct FanControlFile {
    FanControlSettings settings; // an output whose section has a fault is left Full
    // One message naming the file and every entry at fault; empty when there is none. An
    // absent file is no fault.
    std::string problem;
};

// Reads the file for a model with `outputs` PWM outputs (sections beyond them are ignored).
FanControlFile LoadFanControl(const std::filesystem::path& file, int outputs);
// Replaces the file in one step, through a link to where it leads; the error's text when that
// failed. A section whose settings are what the file holds now is left word for word, be it
// one that could not be read; a changed one gets its entries set in place, its comments kept.
std::optional<std::string> SaveFanControl(const std::filesystem::path& file,
                                          const FanControlSettings& settings, int outputs);

// Why a settings text cannot be read, translated: how reading it went, or its first malformed
// line (counting from 1; 0 for none). Empty when it can be read.
std::string TextFault(const TextFile& read, std::size_t malformedLine);

// The curve's duty in percent at a temperature: linear between points, flat before the first
// and after the last, never below `minimum`.
double CurveDuty(const FanOutputSettings& output, double celsius);
// A duty's register value: round(percent * 255 / 100), halves up, within 0..255.
uint8_t DutyRegister(double percent);

// The temperature the curve is read at. It starts at the first reading; a later reading
// replaces it when higher, or when at least `hysteresis` degrees below it.
class ControlTemperature {
public:
    double update(double reading, int hysteresis);
    void reset() { m_value.reset(); }
    std::optional<double> value() const { return m_value; }

private:
    std::optional<double> m_value;
};

} // namespace hmdx
