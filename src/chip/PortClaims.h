// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hmdx {

// Who else holds the chip's ports. A kernel hwmon driver moving the bank register while we
// do would corrupt both programs' readings and limits.
class PortClaims {
public:
    virtual ~PortClaims() = default;
    // The driver holding any port of [first, last], if one does.
    virtual std::optional<std::string> claimant(uint16_t first, uint16_t last) = 0;
};

// Reads /proc/ioports.
class ProcIoports : public PortClaims {
public:
    std::optional<std::string> claimant(uint16_t first, uint16_t last) override;
};

// The innermost region of an ioports listing that overlaps [first, last] and names a driver
// rather than a bus or a firmware reservation. Listings whose addresses are hidden (all
// zero, as unprivileged readers see them) tell nothing.
std::optional<std::string> FindPortClaimant(std::string_view ioports, uint16_t first,
                                            uint16_t last);

} // namespace hmdx
