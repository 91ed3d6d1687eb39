// SPDX-License-Identifier: GPL-3.0-or-later
#include "chip/PortPermissions.h"

#include "chip/HardwarePortIo.h"

#include <array>
#include <bitset>
#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace hmdx::test {
namespace {

// The kernel's grant as a bit per port.
struct RecordingPermissions : PortPermissions {
    std::bitset<kPortSpace> granted;
    bool lowered = false;
    bool capable = true;

    bool grant(unsigned first, unsigned count) noexcept override {
        for (unsigned port = first; capable && port < first + count; ++port)
            granted.set(port);
        return capable;
    }
    void revoke(unsigned first, unsigned count) noexcept override {
        EXPECT_LE(first + count, kPortSpace);
        for (unsigned port = first; port < first + count; ++port)
            granted.reset(port);
    }
    void lowerLevel() noexcept override { lowered = true; }
};

TEST(PortPermissions, AChildKeepsNoPortAndTheGuardianOnlyThoseOfItsWrites) {
    RecordingPermissions all;
    all.granted.set();
    GiveUpEveryPort(all);
    EXPECT_TRUE(all.granted.none());
    EXPECT_TRUE(all.lowered);

    RecordingPermissions guardian;
    guardian.granted.set();
    PortWrites writes;
    for (const PortWrite w : {PortWrite{0x295, 0x5b},
                              {0x296, 0xff},
                              {0x2e, 0x07},
                              {0xffff, 1},
                              {0x295, 0x5a},
                              {0x296, 0xff}})
        writes.add(w.port, w.value);
    KeepOnlyPortsOf(guardian, writes);
    EXPECT_EQ(guardian.granted.count(), 4U);
    for (const unsigned port : {0x2eU, 0x295U, 0x296U, 0xffffU})
        EXPECT_TRUE(guardian.granted[port]) << port;
    EXPECT_TRUE(guardian.lowered);
}

TEST(PortPermissions, StartUpTakesPortsAsItGoesAndKeepsOnlyThoseItUses) {
    RecordingPermissions kernel;
    HardwarePortIo io(kernel);
    ASSERT_EQ(io.openPorts(), 0);
    EXPECT_EQ(kernel.granted.count(), 4U); // both places a Super I/O may answer
    const std::array<uint16_t, 2> kept{0x4F, 0x4E};
    io.keepOnly(kept);
    EXPECT_EQ(kernel.granted.count(), 2U);
    EXPECT_TRUE(kernel.granted[0x4E] && kernel.granted[0x4F]);

    RecordingPermissions without;
    without.capable = false;
    EXPECT_NE(HardwarePortIo(without).openPorts(), 0);
}

// A library's fork (D-Bus starting a bus) must not hand its child the chip's ports; the
// guardian's fork keeps them for its own set-up to narrow.
TEST(PortPermissions, AForkedChildGivesUpEveryPortUnlessKeptForTheGuardian) {
    static RecordingPermissions process;
    GiveUpPortsInEveryFork(process);
    for (const bool kept : {false, true}) {
        process.granted.set(0x295);
        const pid_t child = [kept] {
            std::optional<KeepPortsInFork> keep;
            if (kept)
                keep.emplace();
            return ::fork();
        }();
        if (child == 0)
            ::_exit(process.granted[0x295] == kept ? 0 : 1);
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(status, 0) << "kept " << kept;
    }
}

} // namespace
} // namespace hmdx::test
