// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/RegisterMap.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace hmdx::sim {

// What one chip model looks like on a healthy, closed machine: which inputs it has and what
// they read. Every demo reading sits near the middle of the band that the factory limits (and
// the Vcore limits the VID below gives) allow, so a fresh start shows all green.
struct ModelProfile {
    std::string_view name;
    uint8_t chipId;
    uint16_t superIoPort;  // configuration port of the Super I/O chip it sits in; 0 = none
    uint16_t absentInputs; // bit i: the model has no input for item i
    bool monitorBit5D;     // bank 0 register 0x5D bit 0 runs with monitoring
    uint8_t volts[9];      // counts of items 0..8
    uint8_t fans[3];       // counts at divisor 8; 255 = no fan
    int8_t temp1;          // whole degrees
    int16_t tempHalves[2]; // Temp2 and Temp3 in half degrees
    uint8_t pwm[2];        // bank 0 register of the PWM output driving fans 1 and 2; 0 = none
};

// CPU VID code 6 asks for 1.75 V; Vcore reads 109 counts (1.744 V) against it.
inline constexpr uint8_t kDemoVid = 6;

constexpr uint16_t Inputs(std::initializer_list<int> items) {
    uint16_t mask = 0;
    for (int item : items)
        mask = uint16_t(mask | (1U << item));
    return mask;
}

// The negative rails differ: HMA reads the magnitude (count 215 = 11.99 V, 207 = 4.99 V),
// the others read through an offset divider (35 = -12.03 V, 54 = -4.99 V).
// clang-format off
inline constexpr std::array<ModelProfile, 5> kModelProfiles{{
    // name   ID    Super I/O               absent inputs                     0x5D
    //        Vcore VcoreB +3.3 +5  +12  -12  -5  Vsb  Vbat    fans          Temp1 Temp2/3 (halves)
    //        PWM outputs of fans 1 and 2
    {"hma",   0x10, 0,                      Inputs({7, 8}),                   false,
              {109,  216,  206, 186, 197, 215, 207,   0,   0}, {56, 64,  60}, 34,   {90, 84},
              {0, 0}},
    {"hma11", 0x11, 0,                      Inputs({7, 8}),                   false,
              {109,  216,  206, 186, 197, 215, 207,   0,   0}, {56, 64,  60}, 34,   {90, 84},
              {0, 0}},
    {"hmb",   0x30, 0,                      0,                                true,
              {109,  216,  206, 186, 197,  35,  54, 206, 188}, {56, 64,  60}, 34,   {90, 84},
              {reg::kPwm2, 0}},
    {"hmc",   0x40, 0,                      Inputs({1, 6, 7, 8, 11, 14, 15}), false,
              {109,    0,  206, 186, 197,  35,   0,   0,   0}, {56, 64, 255}, 34,   {90,  0},
              {reg::kPwm1, reg::kPwm2}},
    {"hmdf",  0x21, sio::kFirstConfigPort,  Inputs({1, 11, 14, 15}),          true,
              {109,    0,  206, 186, 197,  35,  54, 206, 188}, {56, 64, 255}, 34,   {90,  0},
              {reg::kPwm1, reg::kPwm2}},
}};
// clang-format on

constexpr char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

constexpr bool SameModelName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

// Model names are matched without regard to case; nullptr for an unknown name.
constexpr const ModelProfile* FindModelProfile(std::string_view name) {
    for (const auto& profile : kModelProfiles)
        if (SameModelName(profile.name, name))
            return &profile;
    return nullptr;
}

// The model a chip is built as; an unknown name (only possible from code, the parser rejects
// it) gives HMB.
constexpr const ModelProfile& ProfileOrDefault(std::string_view name) {
    const ModelProfile* profile = FindModelProfile(name);
    return profile ? *profile : kModelProfiles[2];
}

} // namespace hmdx::sim
