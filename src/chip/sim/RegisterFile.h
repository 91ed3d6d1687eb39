// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/RegisterMap.h"

#include <array>
#include <cstdint>

namespace hmdx::sim {

// The monitor's register storage. Like the real chip family, only 0x50..0x5F exist once per
// bank; every other register is one cell seen from all eight banks (0x4E, the bank select,
// among them).
class RegisterFile {
public:
    static constexpr int kBanks = 8;
    static constexpr bool isBanked(int reg) {
        return reg >= reg::kFirstBanked && reg <= reg::kLastBanked;
    }
    static constexpr bool isValid(int bank, int reg) {
        return bank >= 0 && bank < kBanks && reg >= 0 && reg <= 0xFF;
    }

    // Callers pass a valid bank and register.
    uint8_t& at(int bank, int reg) {
        return isBanked(reg) ? m_banked[bank][reg - reg::kFirstBanked] : m_shared[reg];
    }
    uint8_t at(int bank, int reg) const {
        return isBanked(reg) ? m_banked[bank][reg - reg::kFirstBanked] : m_shared[reg];
    }
    int selectedBank() const { return m_shared[reg::kBankSelect] & reg::kBankMask; }

private:
    std::array<uint8_t, 256> m_shared{};
    std::array<std::array<uint8_t, reg::kLastBanked - reg::kFirstBanked + 1>, kBanks> m_banked{};
};

} // namespace hmdx::sim
