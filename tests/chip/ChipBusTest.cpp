#include "chip/ChipBus.h"

#include "chip/SuperIo.h"
#include "support/SimRig.h"

#include <deque>
#include <gtest/gtest.h>
#include <map>

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

// Answers reads from a per-port script; for probing what the simulator cannot be made to do.
class ScriptedPortIo : public PortIo {
public:
    std::map<uint16_t, std::deque<uint8_t>> reads;
    int16_t openPorts() override { return 0; }
    uint8_t inByte(uint16_t port) override {
        auto& queue = reads[port];
        if (queue.empty())
            return 0xFF;
        const uint8_t value = queue.front();
        queue.pop_front();
        return value;
    }
    void outByte(uint16_t, uint8_t) override {}
    int16_t initBus(int, uint8_t, uint8_t, uint8_t) override { return 0; }
    int16_t acquirePowerOffPrivilege() override { return 0; }
    void releasePowerOffPrivilege() override {}
};

TEST(SuperIo, DetectionNeedsDeviceIdAndRevisionBit) {
    struct Case {
        uint8_t deviceId;
        uint8_t revision;
        bool found;
        size_t accesses;
    };
    for (const Case& c : {Case{0x52, 0x11, true, 6}, Case{0x52, 0x01, false, 6},
                          Case{0x53, 0x11, false, 4}, Case{0xFF, 0xFF, false, 4}}) {
        ScriptedPortIo script;
        script.reads[0x4F] = {c.deviceId, c.revision};
        RecordingPortIo io(script);
        SuperIo sio(io);
        EXPECT_EQ(sio.detect(0x4E), c.found) << int(c.deviceId) << " " << int(c.revision);
        ASSERT_EQ(io.calls.size(), c.accesses);
        // The entry key is written whatever answers.
        EXPECT_EQ(io.calls[0], "out 0x4e 0x87");
        EXPECT_EQ(io.calls[1], "out 0x4e 0x87");
        EXPECT_EQ(io.calls[2], "out 0x4e 0x20");
    }
}

TEST(ChipModels, ItemsPerModel) {
    struct Case {
        uint8_t chipId;
        const char* present;
        const char* beep;
    };
    for (const Case& c : {
             Case{0x10, "1111111001111111", "1111111001110001"},
             Case{0x11, "1111111001111111", "1111111001110001"},
             Case{0x30, "1111111111111111", "1111111111111111"},
             Case{0x40, "1011110001101100", "1011110001101100"},
             Case{0x21, "1011111111101100", "1011111111101100"},
             Case{0x55, "1111111111111111", "1111111111111111"},
         }) {
        SimRig rig(ScenarioFor("hmb"));
        rig.m.chip.chipId = c.chipId;
        std::string present, beep;
        for (int i = 0; i < kItemCount; ++i) {
            present += rig.m.chip.hasItem(i) ? '1' : '0';
            beep += rig.m.chip.canBeep(i) ? '1' : '0';
        }
        EXPECT_EQ(present, c.present) << int(c.chipId);
        EXPECT_EQ(beep, c.beep) << int(c.chipId);
    }
}

} // namespace
} // namespace hmdx::test
