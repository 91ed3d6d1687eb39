// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipModels.h"

#include "RegisterMap.h"

#include <array>

namespace hmdx {
namespace {

constexpr uint16_t items(std::initializer_list<int> list) {
    uint16_t mask = 0;
    for (int i : list)
        mask |= uint16_t(1U << i);
    return mask;
}

struct ModelEntry {
    uint8_t chipId;
    ChipModel model;
};

constexpr ChipModel kHma{
    .model = Model::HMA,
    .name = "HMA",
    .dataFile = "hma.dat",
    .absentItems = items({7, 8}),
    .noBeepItems = items({12, 13, 14}),
    .monitorBit5D = false,
    .bank4Beep = false,
    .convertedNegRails = false,
    .pwmFans = false,
    .pwmRegister = {0, 0, 0},
    .singleCoreVoltage = false,
    .standbyLimits = false,
    .fan3PinVia5C = false,
};
constexpr ChipModel kHmb{
    .model = Model::HMB,
    .name = "HMB",
    .dataFile = "hmb.dat",
    .absentItems = 0,
    .noBeepItems = 0,
    .monitorBit5D = true,
    .bank4Beep = true,
    .convertedNegRails = true,
    .pwmFans = true,
    .pwmRegister = {0, reg::kPwm2, 0}, // channel 2 has no output register on this model
    .singleCoreVoltage = false,
    .standbyLimits = true,
    .fan3PinVia5C = false,
};
constexpr ChipModel kHmc{
    .model = Model::HMC,
    .name = "HMC",
    .dataFile = "hmc.dat",
    .absentItems = items({1, 6, 7, 8, 11, 14, 15}),
    .noBeepItems = 0,
    .monitorBit5D = false,
    .bank4Beep = true,
    .convertedNegRails = true,
    .pwmFans = true,
    .pwmRegister = {0, reg::kPwm1, reg::kPwm2},
    .singleCoreVoltage = true,
    .standbyLimits = true,
    .fan3PinVia5C = true,
};
constexpr ChipModel kHmdf{
    .model = Model::HMDF,
    .name = "HMDF",
    .dataFile = "HmdF.dat",
    .absentItems = items({1, 11, 14, 15}),
    .noBeepItems = 0,
    .monitorBit5D = true,
    .bank4Beep = true,
    .convertedNegRails = true,
    .pwmFans = true,
    .pwmRegister = {0, reg::kPwm1, reg::kPwm2},
    .singleCoreVoltage = false,
    .standbyLimits = true,
    .fan3PinVia5C = false,
};

constexpr std::array<ModelEntry, 5> kModels{{
    {0x10, kHma},
    {0x11, kHma},
    {0x30, kHmb},
    {0x40, kHmc},
    {0x21, kHmdf},
}};

} // namespace

VoltageRail RailOf(const ChipModel* model, int item) {
    if (item != 5 && item != 6)
        return VoltageRail::Plain;
    if (!model)
        return VoltageRail::None;
    return model->convertedNegRails ? VoltageRail::Converted : VoltageRail::Negated;
}

const ChipModel* FindChipModel(uint8_t chipId) {
    for (const auto& entry : kModels)
        if (entry.chipId == chipId)
            return &entry.model;
    return nullptr;
}

} // namespace hmdx
