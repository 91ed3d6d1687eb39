// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace hmdx::sim {

// The monitor's register storage. Like the real chip family, only 0x50..0x5F exist once per
// bank; every other register is one cell seen from all eight banks (0x4E, the bank select,
// among them).
class RegisterFile {
public:
    static constexpr int kBanks = 8;
    static constexpr int kBankSelect = 0x4E;

    static constexpr bool isBanked(int reg) { return reg >= 0x50 && reg <= 0x5F; }
    static constexpr bool isValid(int bank, int reg) {
        return bank >= 0 && bank < kBanks && reg >= 0 && reg <= 0xFF;
    }

    // Callers pass a valid bank and register.
    uint8_t& at(int bank, int reg) {
        return isBanked(reg) ? m_banked[bank][reg - 0x50] : m_shared[reg];
    }
    uint8_t at(int bank, int reg) const {
        return isBanked(reg) ? m_banked[bank][reg - 0x50] : m_shared[reg];
    }
    int selectedBank() const { return m_shared[kBankSelect] & 0x07; }

private:
    std::array<uint8_t, 256> m_shared{};
    std::array<std::array<uint8_t, 16>, kBanks> m_banked{};
};

} // namespace hmdx::sim
