#include "chip/ChipBus.h"

#include "chip/SuperIo.h"
#include "support/SimRig.h"

#include <deque>
#include <gtest/gtest.h>
#include <map>

namespace hmdx::test {
namespace {

using Lines = std::vector<std::string>;

TEST(ChipBus, RegisterAccessUsesIndexThenDataPort) {
    SimRig rig(ScenarioFor("hmb"));
    rig.chip.poke(0, 0x23, 203);
    EXPECT_EQ(rig.m.ReadChipReg(0x23), 203);
    rig.m.WriteChipReg(0x31, 0x99);
    EXPECT_EQ(rig.io.portAccesses(),
              (Lines{"out 0x295 0x23", "in 0x296 0xcb", "out 0x295 0x31", "out 0x296 0x99"}));
    EXPECT_EQ(rig.chip.peek(0, 0x31), 0x99);
}

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
        rig.m.SelectBank(c.bank);
        EXPECT_EQ(rig.io.portAccesses().back(), PortLine("out", 0x296, c.written))
            << "0x4E held " << int(c.before) << ", bank " << c.bank;
    }
}

TEST(ChipBus, VendorIdReadsHighThenLowByte) {
    SimRig rig(ScenarioFor("hmb"));
    rig.chip.poke(0, 0x4E, 0x02);
    EXPECT_EQ(rig.m.bus.ReadVendorID(), 23715);
    EXPECT_EQ(rig.io.portAccesses(), (Lines{
                                         "out 0x295 0x4e",
                                         "in 0x296 0x02", // select bank 0
                                         "out 0x295 0x4e",
                                         "out 0x296 0x00",
                                         "out 0x295 0x4e",
                                         "in 0x296 0x00", // high byte
                                         "out 0x295 0x4e",
                                         "out 0x296 0x80",
                                         "out 0x295 0x4f",
                                         "in 0x296 0x5c",
                                         "out 0x295 0x4e",
                                         "in 0x296 0x80", // low byte
                                         "out 0x295 0x4e",
                                         "out 0x296 0x00",
                                         "out 0x295 0x4f",
                                         "in 0x296 0xa3",
                                     }));
}

// Answers reads from a per-port script; for probing what the simulator cannot be made to do.
class ScriptedPortIo : public PortIo {
public:
    std::map<uint16_t, std::deque<uint8_t>> reads;
    int16_t LoadPortGateVxD() override { return 0; }
    uint8_t InPortB(uint16_t port) override {
        auto& queue = reads[port];
        if (queue.empty())
            return 0xFF;
        const uint8_t value = queue.front();
        queue.pop_front();
        return value;
    }
    void OutPortB(uint16_t, uint8_t) override {}
    int16_t InitialBus(int, uint8_t, uint8_t, uint8_t) override { return 0; }
    int16_t EnablePri() override { return 0; }
    void DisablePri() override {}
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
        EXPECT_EQ(sio.DetectSuperIO(0x4E), c.found) << int(c.deviceId) << " " << int(c.revision);
        ASSERT_EQ(io.calls.size(), c.accesses);
        // The entry key is written whatever answers.
        EXPECT_EQ(io.calls[0], "out 0x4e 0x87");
        EXPECT_EQ(io.calls[1], "out 0x4e 0x87");
        EXPECT_EQ(io.calls[2], "out 0x4e 0x20");
    }
}

TEST(SuperIo, RegisterAccessSelectsTheMonitorDeviceEveryTime) {
    sim::Scenario s = ScenarioFor("hmdf");
    s.base = 0x0A37;
    SimRig rig(s);
    ASSERT_TRUE(rig.m.sio.DetectSuperIO(0x2E));
    rig.m.sio.SioConfigPort = 0x2E;
    rig.io.clear();
    EXPECT_EQ(rig.m.sio.SioReadReg(0x60), 0x0A);
    rig.m.sio.SioWriteReg(0x30, 1);
    EXPECT_EQ(rig.io.portAccesses(),
              (Lines{"out 0x2e 0x07", "out 0x2f 0x0b", "out 0x2e 0x60", "in 0x2f 0x0a",
                     "out 0x2e 0x07", "out 0x2f 0x0b", "out 0x2e 0x30", "out 0x2f 0x01"}));
}

TEST(MonitorControl, StartAndStopTouch5DOnlyWhereTheModelHasIt) {
    struct Case {
        const char* model;
        bool touches5D;
    };
    for (const Case& c :
         {Case{"hma", false}, Case{"hmb", true}, Case{"hmc", false}, Case{"hmdf", true}}) {
        SimRig rig(ScenarioFor(c.model));
        rig.m.ChipID = rig.chip.peek(0, 0x58);
        rig.chip.poke(0, 0x40, 0x08);
        rig.chip.poke(0, 0x5D, 0x10);
        StartMonitor(rig.m);
        EXPECT_EQ(rig.chip.peek(0, 0x40), 0x09) << c.model;
        EXPECT_EQ(rig.chip.peek(0, 0x5D), c.touches5D ? 0x11 : 0x10) << c.model;
        int pumped = 0;
        rig.m.pumpEvents = [&] { ++pumped; };
        StopMonitor(rig.m);
        EXPECT_EQ(rig.chip.peek(0, 0x40), 0x08) << c.model;
        EXPECT_EQ(rig.chip.peek(0, 0x5D), 0x10) << c.model;
        EXPECT_EQ(pumped, 1);
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
        rig.m.ChipID = c.chipId;
        InitChipItems(rig.m);
        std::string present, beep;
        for (int i = 0; i < kItemCount; ++i) {
            present += char('0' + rig.m.ItemPresent[i]);
            beep += char('0' + rig.m.ItemBeepCapable[i]);
        }
        EXPECT_EQ(present, c.present) << int(c.chipId);
        EXPECT_EQ(beep, c.beep) << int(c.chipId);
    }
}

} // namespace
} // namespace hmdx::test
