// SPDX-License-Identifier: GPL-3.0-or-later
#include "chip/PortClaims.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace hmdx {
namespace {

constexpr const char* kIoports = "0000-0cf7 : PCI Bus 0000:00\n"
                                 "  0000-001f : dma1\n"
                                 "  0020-0021 : pic1\n"
                                 "  0290-029f : pnp 00:06\n"
                                 "    0295-0296 : hwmon-chip\n"
                                 "  0a30-0a3f : pnp 00:07\n"
                                 "0cf8-0cff : PCI conf1\n"
                                 "0d00-ffff : PCI Bus 0000:00\n";

// A driver is found inside bus and firmware regions, which claim nothing themselves; hidden
// addresses (an unprivileged reader sees every range zeroed) and junk tell nothing.
TEST(PortClaims, FindsTheDriverInsideBusAndFirmwareRegions) {
    struct Case {
        const char* ioports;
        uint16_t first;
        uint16_t last;
        const char* claimant; // nullptr: nobody
    };
    for (const Case& c : {
             Case{kIoports, 0x295, 0x296, "hwmon-chip"},
             Case{kIoports, 0x296, 0x297, "hwmon-chip"},
             Case{kIoports, 0x290, 0x291, nullptr},
             Case{kIoports, 0xA35, 0xA36, nullptr},
             Case{kIoports, 0x20, 0x20, "pic1"},
             Case{kIoports, 0xCF8, 0xCF9, nullptr},
             Case{"0000-0000 : PCI Bus 0000:00\n  0000-0000 : hwmon-chip\n", 0x295, 0x296, nullptr},
             Case{"", 0x295, 0x296, nullptr},
             Case{"garbage\n zz-yy : x\n0295 : y\n", 0x295, 0x296, nullptr},
         }) {
        const auto expected =
            c.claimant ? std::optional<std::string>(c.claimant) : std::optional<std::string>();
        EXPECT_EQ(FindPortClaimant(c.ioports, c.first, c.last), expected) << std::hex << c.first;
    }
}

// Where the listing hides its addresses the bound devices tell; where neither can be read,
// nothing can tell and the check says why.
TEST(PortClaims, SysfsTellsWhereTheListingHidesItsAddresses) {
    const std::string hidden = "0000-0000 : PCI Bus 0000:00\n  0000-0000 : hwmon-chip\n";
    const std::vector<BoundDevice> bound{{"serial8250", "serial"},
                                         {"hwmon-chip.656", "hwmon-chip"}};
    const std::vector<BoundDevice> elsewhere{{"hwmon-chip.2608", "hwmon-chip"}};
    struct Case {
        std::optional<std::string> ioports;
        std::optional<std::vector<BoundDevice>> devices;
        const char* driver; // nullptr: none
        bool told;
    };
    for (const Case& c : {
             Case{hidden, bound, "hwmon-chip", true},
             Case{hidden, elsewhere, nullptr, true},
             Case{std::nullopt, bound, "hwmon-chip", true},
             Case{std::string(kIoports), std::nullopt, "hwmon-chip", true},
             Case{"0290-029f : pnp 00:06\n", bound, nullptr, true}, // a shown listing decides
             Case{hidden, std::nullopt, nullptr, false},
             Case{std::nullopt, std::nullopt, nullptr, false},
         }) {
        const PortClaim claim = FindPortClaim(c.ioports, c.devices, 0x295, 0x296);
        EXPECT_EQ(claim.driver, c.driver ? std::optional<std::string>(c.driver) : std::nullopt);
        EXPECT_EQ(claim.unknown.empty(), c.told) << claim.unknown;
    }
}

// The real sources, read below a root of the test's own.
TEST(PortClaims, ReadsProcAndSysBelowItsRoot) {
    test::TempDir root;
    EXPECT_FALSE(SystemPortClaims(root.path()).check(0x295, 0x296).unknown.empty());
    std::filesystem::create_directories(root / "proc");
    std::ofstream(root / "proc" / "ioports") << "0000-0000 : hwmon-chip\n";
    const auto device = root / "sys/bus/platform/devices/hwmon-chip.656";
    std::filesystem::create_directories(device);
    std::filesystem::create_symlink("../../../bus/platform/drivers/hwmon-chip", device / "driver");
    EXPECT_EQ(SystemPortClaims(root.path()).check(0x295, 0x296).driver, "hwmon-chip");
}

} // namespace
} // namespace hmdx
