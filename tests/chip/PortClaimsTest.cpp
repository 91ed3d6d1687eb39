#include "chip/PortClaims.h"

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

TEST(PortClaims, FindsTheDriverInsideBusAndFirmwareRegions) {
    struct Case {
        uint16_t first;
        uint16_t last;
        const char* claimant; // nullptr: nobody
    };
    for (const Case& c : {Case{0x295, 0x296, "hwmon-chip"}, Case{0x296, 0x297, "hwmon-chip"},
                          Case{0x290, 0x291, nullptr}, Case{0xA35, 0xA36, nullptr},
                          Case{0x20, 0x20, "pic1"}, Case{0xCF8, 0xCF9, nullptr}}) {
        const auto found = FindPortClaimant(kIoports, c.first, c.last);
        const auto expected =
            c.claimant ? std::optional<std::string>(c.claimant) : std::optional<std::string>();
        EXPECT_EQ(found, expected) << std::hex << c.first;
    }
}

TEST(PortClaims, HiddenAddressesAndJunkTellNothing) {
    // What an unprivileged reader sees: every range zeroed.
    EXPECT_EQ(
        FindPortClaimant("0000-0000 : PCI Bus 0000:00\n  0000-0000 : hwmon-chip\n", 0x295, 0x296),
        std::nullopt);
    EXPECT_EQ(FindPortClaimant("", 0x295, 0x296), std::nullopt);
    EXPECT_EQ(FindPortClaimant("garbage\n zz-yy : x\n0295 : y\n", 0x295, 0x296), std::nullopt);
}

} // namespace
} // namespace hmdx
