// SPDX-License-Identifier: GPL-3.0-or-later
#include "chip/ChipBus.h"

#include "chip/SuperIo.h"
#include "support/SimRig.h"

#include <deque>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

TEST(ChipBus, SelectBankKeepsOnlyTheVendorByteSelect) {
    struct Case {
        uint8_t before;
        int bank;
        uint8_t written;
    };
    for (const Case& c : {Case{0x85, 4, 0x84}, Case{0x03, 4, 0x04}, Case{0x80, 0, 0x80},
                          Case{0x07, 0, 0x00}, Case{0x00, 7, 0x07}}) {
        SimRig rig(ScenarioFor("hmb"));
        rig.chip.poke(0, 0x4E, c.before);
        rig.m.chip.selectBank(c.bank);
        EXPECT_EQ(rig.io.portAccesses().back(), PortLine("out", 0x296, c.written))
            << "0x4E held " << int(c.before) << ", bank " << c.bank;
    }
}

// Answers reads from a script, then 0xFF, and counts the accesses; for what the simulator
// cannot be made to answer.
struct ScriptedPortIo : PortIo {
    std::deque<uint8_t> reads;
    int accesses = 0;
    int16_t openPorts() override { return 0; }
    uint8_t inByte(uint16_t) override {
        ++accesses;
        const uint8_t value = reads.empty() ? 0xFF : reads.front();
        if (!reads.empty())
            reads.pop_front();
        return value;
    }
    void outByte(uint16_t, uint8_t) override { ++accesses; }
    int16_t initBus(int, uint8_t, uint8_t, uint8_t) override { return 0; }
    int16_t acquirePowerOffPrivilege() override { return 0; }
    void releasePowerOffPrivilege() override {}
};

TEST(SuperIo, DetectionNeedsDeviceIdAndRevisionBit) {
    struct Case {
        uint8_t deviceId;
        uint8_t revision;
        bool found;
        int accesses;
    };
    for (const Case& c : {Case{0x52, 0x11, true, 6}, Case{0x52, 0x01, false, 6},
                          Case{0x53, 0x11, false, 4}, Case{0xFF, 0xFF, false, 4}}) {
        ScriptedPortIo script;
        script.reads = {c.deviceId, c.revision};
        SuperIo sio(script);
        EXPECT_EQ(sio.detect(0x4E), c.found) << int(c.deviceId) << " " << int(c.revision);
        EXPECT_EQ(script.accesses, c.accesses) << int(c.deviceId) << " " << int(c.revision);
    }
}

} // namespace
} // namespace hmdx::test
