// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace hmdx {

enum class Model { HMA, HMB, HMC, HMDF };

// Everything that differs between the chip models, in one place. Code that behaves
// differently per model asks this table rather than testing chip IDs itself.
struct ChipModel {
    Model model;
    std::string_view name;     // "HMB"
    std::string_view dataFile; // settings file name in the data folder
    uint16_t absentItems;      // bit i set: the model has no input for item i
    uint16_t noBeepItems;      // bit i set: no beep-enable bit for item i (besides absent ones)
    bool monitorBit5D;         // register 0x5D bit 0 follows start/stop of monitoring
    bool bank4Beep;            // beep enable 3 at bank 4, register 0x53 (Vsb, Vbat)
    bool convertedNegRails;    // -12V/-5V read through the offset divider, not negated
    bool pwmFans;              // fans 1 and 2 hang on PWM channels 1 and 2 (full speed at exit)
    uint8_t pwmRegister[3];    // PWM channel 1, 2 output register; index 0 unused; 0 = none
    bool singleCoreVoltage;    // one core voltage: item 0 is "Vcore", item 1 is absent
    bool standbyLimits;        // 5Vsb and Vbat have limit registers
    bool fan3PinVia5C;         // fan 3's input pin is switched through 0x5C, not 0x4D

    // The PWM channel that drives fan 1..3; 0 for none.
    int pwmChannelOfFan(int fan) const { return pwmFans && (fan == 1 || fan == 2) ? fan : 0; }
};

// How a voltage item's reading relates to its register count on a model.
enum class VoltageRail {
    Plain,     // the count, times the item's factor
    Converted, // -12V/-5V through the offset divider
    Negated,   // -12V/-5V read negated; limits go negated into the crossed registers
    None,      // a chip no model describes: the negative rails have no conversion
};
VoltageRail RailOf(const ChipModel* model, int item);

// The model for a chip ID, or nullptr for a chip no model describes.
const ChipModel* FindChipModel(uint8_t chipId);

inline bool HasBit(uint16_t mask, int item) {
    return (mask >> item) & 1U;
}

} // namespace hmdx
