// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullSpeed.h"

#include "ChipProgramming.h"
#include "RegisterMap.h"

namespace hmdx {

void SetEveryPwmOutputFull(Chip& chip) {
    for (int output = 1; output <= 2; ++output)
        SetPwmOutput(chip, output, kFullDuty);
}

PortWrites FullSpeedWrites(const Chip& chip, std::span<const int> outputs) {
    PortWrites writes;
    const ChipModel* model = chip.model();
    const uint16_t index = chip.bus.indexPort;
    const auto data = uint16_t(index + 1);
    for (int output : outputs) {
        if (!model || output < 1 || output > 2 || model->pwmRegister[output] == 0)
            continue;
        // Bank 0 as selectBank writes it: the index write before its read of the bank
        // register, then the value with the vendor-byte select clear, as start-up leaves it.
        writes.add(index, reg::kBankSelect);
        writes.add(index, reg::kBankSelect);
        writes.add(data, 0);
        writes.add(index, model->pwmRegister[output]);
        writes.add(data, kFullDuty);
    }
    return writes;
}

} // namespace hmdx
