// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hmdx {

// What the look for another user of the chip's ports found. A kernel hwmon driver moving the
// bank register while we do would corrupt both programs' readings and limits.
struct PortClaim {
    std::optional<std::string> driver; // the kernel driver holding them
    std::string unknown;               // why nothing could tell; empty when something could
};

// Who else holds the chip's ports.
class PortClaims {
public:
    virtual ~PortClaims() = default;
    virtual PortClaim check(uint16_t first, uint16_t last) = 0;
};

// A device of the platform or ISA bus as sysfs lists it, and the driver bound to it. Super I/O
// hwmon drivers name their device after themselves and its I/O address: "it87.656".
struct BoundDevice {
    std::string name;
    std::string driver;
};

// The innermost region of an ioports listing that overlaps [first, last] and names a driver
// rather than a bus or a firmware reservation. Listings whose addresses are hidden (all
// zero, as readers without CAP_SYS_ADMIN see them) tell nothing.
std::optional<std::string> FindPortClaimant(std::string_view ioports, uint16_t first,
                                            uint16_t last);

// The driver holding [first, last] by the ioports listing or, where it hides its addresses, by
// the bound devices; nullopt stands for a source that could not be read.
PortClaim FindPortClaim(const std::optional<std::string>& ioports,
                        const std::optional<std::vector<BoundDevice>>& devices, uint16_t first,
                        uint16_t last);

// Reads /proc/ioports and the bound devices under /sys/bus (below `root`, for tests).
class SystemPortClaims : public PortClaims {
public:
    explicit SystemPortClaims(std::filesystem::path root = "/") : m_root(std::move(root)) {}
    PortClaim check(uint16_t first, uint16_t last) override;

private:
    std::filesystem::path m_root;
};

} // namespace hmdx
