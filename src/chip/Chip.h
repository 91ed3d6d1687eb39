// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChipBus.h"
#include "ChipModels.h"
#include "Items.h"
#include "SuperIo.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace hmdx {

// A register hmdx programs and keeps right: a limit, as last written.
struct KeptRegister {
    int bank;
    int reg;
    uint8_t value;
};

// The monitor chip: how it is reached, what it is, and the limit registers hmdx wrote.
class Chip {
public:
    explicit Chip(PortIo& port) : io(port), bus(port), superIo(port) {}
    Chip(const Chip&) = delete;
    Chip& operator=(const Chip&) = delete;

    PortIo& io;
    ChipBus bus;
    SuperIo superIo;

    // What start-up found.
    int32_t vendorId = 0;
    uint8_t chipId = 0;
    int savedActivate = 0; // the Super I/O's monitor activation before start-up set it

    // The model of chipId, or nullptr for a chip no model describes.
    const ChipModel* model() const { return FindChipModel(chipId); }
    // A chip no model describes is taken to have every input, each able to beep.
    bool hasItem(int item) const;
    bool canBeep(int item) const;
    ItemBytes presentItems() const;
    ItemBytes beepCapableItems() const;

    void selectBank(int bank) { bus.selectBank(bank); }
    uint8_t readRegister(int reg) { return bus.readRegister(reg); }
    void writeRegister(int reg, uint8_t value) { bus.writeRegister(reg, value); }
    // Writes a limit register of `bank`, already selected, and remembers it.
    void writeKept(int bank, int reg, uint8_t value);
    // Every limit register written since start with its last value, by bank and register:
    // what a chip that lost its programming gets back.
    const std::vector<KeptRegister>& kept() const { return m_kept; }

private:
    std::vector<KeptRegister> m_kept;
};

// Monitoring on the chip (register 0x40 bit 0, and 0x5D bit 0 where the model has it).
void StartMonitoring(Chip& chip);
void StopMonitoring(Chip& chip);

} // namespace hmdx
