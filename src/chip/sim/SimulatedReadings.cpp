// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatedReadings.h"

#include "chip/Items.h"
#include "chip/RegisterMap.h"

#include <algorithm>

namespace hmdx::sim {
namespace {

constexpr int kStopped = -1;

struct KindTraits {
    int min;
    int max;
    int unit;   // one count of the register in value units
    int spread; // how far the walk may stray from the centre, value units
};

// Indexed by Kind. Fans count at divisor 1, so one count at divisor 8 is 8 units; their
// upper bound keeps a turning fan from reading 255 (stopped) at that divisor.
constexpr KindTraits kTraits[] = {
    {0, 255, 1, 3},         // voltage count
    {-128, 127, 1, 2},      // Temp1, two's complement degrees
    {-256, 255, 1, 4},      // Temp2/3, 9-bit two's complement half degrees
    {0, 254 * 8, 8, 3 * 8}, // fan count
};

bool Absent(const ModelProfile& profile, int item) {
    return (profile.absentInputs >> item) & 1U;
}

// 0x47 bits 4-5 and 6-7 divide fans 1 and 2, 0x4B bits 6-7 fan 3: 1, 2, 4 or 8.
int fanDivisor(const RegisterFile& regs, int fan) {
    const int bits =
        fan == 2 ? regs.at(0, reg::kFanDiv3) >> 6 : regs.at(0, reg::kVidFanDiv) >> (4 + 2 * fan);
    return 1 << (bits & 3);
}

// A fan turns at a quarter of its speed at duty 0 and at its full speed at 255: the count
// (at divisor 1) grows as the speed falls.
int DrivenCount(int count, int duty) {
    return count * 255 * 255 / (64 * 255 + 191 * duty);
}

} // namespace

SimulatedReadings::SimulatedReadings(const ModelProfile& p, bool fansFollowDuty) {
    for (int item = 0; item < kVoltItems; ++item)
        if (!Absent(p, item))
            add(Kind::Count, reg::kVoltage[size_t(item)].bank, reg::kVoltage[size_t(item)].reading,
                p.volts[item]);
    for (int fan = 0; fan < 3; ++fan) {
        const bool turns = !Absent(p, FanItem(fan)) && p.fans[fan] != 255;
        const int pwm = fansFollowDuty && fan < 2 ? p.pwm[fan] : 0;
        add(Kind::Fan, 0, reg::kFanCount + fan, turns ? p.fans[fan] * 8 : kStopped, fan, pwm);
    }
    if (!Absent(p, TemperatureItem(0)))
        add(Kind::WholeDegrees, reg::kTemperature[0].bank, reg::kTemperature[0].reading, p.temp1);
    for (int sensor = 0; sensor < 2; ++sensor)
        if (!Absent(p, TemperatureItem(1 + sensor)))
            add(Kind::HalfDegrees, reg::kTemperature[size_t(1 + sensor)].bank,
                reg::kTemperature[size_t(1 + sensor)].reading, p.tempHalves[sensor]);
}

void SimulatedReadings::add(Kind kind, int bank, int reg, int value, int fan, int pwm) {
    m_inputs.push_back(
        {kind, uint8_t(bank), uint8_t(reg), uint8_t(fan), uint8_t(pwm), value, value});
}

bool SimulatedReadings::drivesFans(int bank, int reg) const {
    return bank == 0 && std::any_of(m_inputs.begin(), m_inputs.end(), [reg](const Input& input) {
               return input.pwm != 0 && input.pwm == reg;
           });
}

void SimulatedReadings::writeAll(RegisterFile& regs) const {
    for (const auto& input : m_inputs)
        write(input, regs);
}

void SimulatedReadings::writeFans(RegisterFile& regs) const {
    for (const auto& input : m_inputs)
        if (input.kind == Kind::Fan)
            write(input, regs);
}

void SimulatedReadings::drift(RegisterFile& regs) {
    for (auto& input : m_inputs) {
        if (input.value < 0 && input.kind == Kind::Fan)
            continue;
        const KindTraits& t = kTraits[int(input.kind)];
        const int lo = std::max(t.min, input.centre - t.spread);
        const int hi = std::min(t.max, input.centre + t.spread);
        const int step = nextStep() * t.unit;
        int next = input.value + step;
        if (next < lo || next > hi)
            next = input.value - step;
        input.value = std::clamp(next, lo, hi);
        write(input, regs);
    }
}

void SimulatedReadings::follow(const RegisterFile& regs, int bank, int reg) {
    for (auto& input : m_inputs) {
        const bool halfRegister = input.kind == Kind::HalfDegrees && reg == input.reg + 1;
        if (input.bank == bank && (reg == input.reg || halfRegister)) {
            input.value = read(input, regs);
            input.centre = input.value;
        }
    }
}

void SimulatedReadings::write(const Input& input, RegisterFile& regs) {
    uint8_t& cell = regs.at(input.bank, input.reg);
    switch (input.kind) {
    case Kind::Count:
    case Kind::WholeDegrees:
        cell = uint8_t(input.value & 0xFF);
        break;
    case Kind::HalfDegrees:
        cell = uint8_t((input.value >> 1) & 0xFF);
        regs.at(input.bank, input.reg + 1) = uint8_t((input.value & 1) ? reg::kHalfDegreeBit : 0);
        break;
    case Kind::Fan: {
        // A slow fan overflows the counter and reads 255, like one standing still.
        const int divisor = fanDivisor(regs, input.fan);
        const int value = input.pwm ? DrivenCount(input.value, regs.at(0, input.pwm)) : input.value;
        const int count = input.value < 0 ? 255 : (value + divisor / 2) / divisor;
        cell = uint8_t(std::min(count, 255));
        break;
    }
    }
}

int SimulatedReadings::read(const Input& input, const RegisterFile& regs) {
    const uint8_t cell = regs.at(input.bank, input.reg);
    switch (input.kind) {
    case Kind::Count:
        return cell;
    case Kind::WholeDegrees:
        return int8_t(cell);
    case Kind::HalfDegrees: {
        const int halves =
            2 * cell + ((regs.at(input.bank, input.reg + 1) & reg::kHalfDegreeBit) ? 1 : 0);
        return halves >= 256 ? halves - 512 : halves;
    }
    case Kind::Fan:
        return cell == 255 ? kStopped : cell * fanDivisor(regs, input.fan);
    }
    return 0;
}

// -2..+2, from a fixed-seed xorshift so every run of a scenario sees the same readings.
int SimulatedReadings::nextStep() {
    m_random ^= m_random << 13;
    m_random ^= m_random >> 17;
    m_random ^= m_random << 5;
    return int(m_random % 5U) - 2;
}

} // namespace hmdx::sim
