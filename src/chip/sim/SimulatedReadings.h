// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModelProfiles.h"
#include "RegisterFile.h"

#include <cstdint>
#include <vector>

namespace hmdx::sim {

// The analog side of the chip: each input the model has, its current value and the centre it
// wanders around. Values reach the registers only through these encoders, the way a
// conversion cycle overwrites the reading registers on the real chip.
class SimulatedReadings {
public:
    // `fansFollowDuty`: a fan's speed follows its PWM output's duty; otherwise it stays as set.
    SimulatedReadings(const ModelProfile& profile, bool fansFollowDuty);

    // Puts every input's value into its registers.
    void writeAll(RegisterFile& regs) const;
    // One second of the random walk; each input stays within a few counts of its centre.
    void drift(RegisterFile& regs);
    // After a scripted write to bank:reg, the input there takes the registers' value as its
    // new value and centre. Registers of no input are left alone.
    void follow(const RegisterFile& regs, int bank, int reg);
    // Fan counts depend on the divisor bits and the PWM duty; call after either changed.
    void writeFans(RegisterFile& regs) const;
    bool drivesFans(int bank, int reg) const;

private:
    enum class Kind : uint8_t { Count, WholeDegrees, HalfDegrees, Fan };
    struct Input {
        Kind kind;
        uint8_t bank;
        uint8_t reg;
        uint8_t fan; // fan number 0..2 for Kind::Fan
        uint8_t pwm; // fans: the bank 0 register whose duty drives it; 0 for none
        int centre;
        int value; // fans: count at divisor 1, negative while the fan stands still
    };

    void add(Kind kind, int bank, int reg, int value, int fan = 0, int pwm = 0);
    static void write(const Input& input, RegisterFile& regs);
    static int read(const Input& input, const RegisterFile& regs);
    int nextStep();

    std::vector<Input> m_inputs;
    uint32_t m_random = 0x2545F491U;
};

} // namespace hmdx::sim
