#include "chip/sim/SimulatedChip.h"

#include "chip/sim/SimulatedPortIo.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

namespace hmdx::sim {
namespace {

Scenario Make(std::string_view text) {
    ScenarioParse parse = ParseScenario(text);
    EXPECT_FALSE(parse.error) << parse.error->message;
    return parse.scenario.value_or(Scenario{});
}

// The program's side of an index/data port pair: the monitor's, or the Super I/O's
// configuration ports (0x2E or 0x4E).
struct Bus {
    SimulatedChip& chip;
    uint16_t index = 0x295;

    uint8_t read(int reg) {
        chip.out(index, uint8_t(reg));
        return chip.in(uint16_t(index + 1));
    }
    void write(int reg, int value) {
        chip.out(index, uint8_t(reg));
        chip.out(uint16_t(index + 1), uint8_t(value));
    }
    void bank(int b) { write(0x4E, (read(0x4E) & 0x80) | b); }
    void enterConfig() {
        chip.out(index, 0x87);
        chip.out(index, 0x87);
    }
    void writeMonitorDevice(int reg, int value) {
        write(0x07, 0x0B);
        write(reg, value);
    }
};

TEST(SimulatedChipTest, BanksKeepBit7AndOnlyRegisters50To5FAreBanked) {
    SimulatedChip chip(Make("model hmb\nvendor 0x1234"));
    Bus bus{chip};
    EXPECT_EQ(bus.read(0x4F), 0x12); // power-on: high byte
    for (int value : {0x85, 0x03, 0x80, 0x00}) {
        bus.write(0x4E, value);
        EXPECT_EQ(bus.read(0x4E), value);
        EXPECT_EQ(bus.read(0x4F), (value & 0x80) ? 0x12 : 0x34) << value;
    }
    bus.write(0x4F, 0x99);
    EXPECT_EQ(bus.read(0x4F), 0x34);

    bus.bank(1);
    bus.write(0x56, 0x11);
    bus.write(0x39, 0x2A);
    bus.bank(2);
    bus.write(0x56, 0x22);
    EXPECT_EQ(bus.read(0x39), 0x2A);
    EXPECT_EQ(bus.read(0x58), 0x00);
    bus.bank(1);
    EXPECT_EQ(bus.read(0x56), 0x11);
    bus.bank(0);
    EXPECT_EQ(bus.read(0x58), 0x30);
    bus.write(0x58, 0x99); // chip ID is read-only
    EXPECT_EQ(bus.read(0x58), 0x30);
}

TEST(SimulatedChipTest, SuperIoAnswersOnlyAfterTheEntryKey) {
    for (uint16_t port : {uint16_t(0x2E), uint16_t(0x4E)}) {
        SimulatedChip chip(Make(port == 0x2E ? "superio 2e" : "superio 4e"));
        Bus sio{chip, port}, other{chip, uint16_t(port ^ 0x60)};
        EXPECT_EQ(sio.read(0x20), 0xFF);
        chip.out(port, 0x87);
        EXPECT_EQ(sio.read(0x20), 0xFF) << "one key byte is not enough";
        other.enterConfig();
        EXPECT_EQ(other.read(0x20), 0xFF);
        sio.enterConfig();
        EXPECT_EQ(sio.read(0x20), 0x52);
        EXPECT_EQ(sio.read(0x21), 0x11);
        chip.out(port, 0xAA);
        EXPECT_EQ(sio.read(0x20), 0xFF);
    }
    SimulatedChip none(Make("model hmdf\nsuperio none"));
    Bus{none, 0x2E}.enterConfig();
    EXPECT_EQ((Bus{none, 0x2E}.read(0x20)), 0xFF);
    EXPECT_EQ(Bus{none}.read(0x58), 0x21);
}

TEST(SimulatedChipTest, SuperIoPlacesAndActivatesTheMonitor) {
    SimulatedChip moved(Make("model hmdf\nbase 0x0A37"));
    Bus sio{moved, 0x2E};
    EXPECT_EQ((Bus{moved, 0x0A35}.read(0x58)), 0x21);
    EXPECT_EQ(Bus{moved}.read(0x58), 0xFF);
    sio.enterConfig();
    sio.writeMonitorDevice(0x60, 0x02);
    sio.writeMonitorDevice(0x61, 0x90);
    EXPECT_EQ(Bus{moved}.read(0x58), 0x21);
    EXPECT_EQ(moved.peekSio(0x60), 0x02);

    SimulatedChip inactive(Make("model hmdf\nactivate 0"));
    Bus bus{inactive}, config{inactive, 0x2E};
    bus.write(0x39, 0x2A); // floats: goes nowhere
    EXPECT_EQ(bus.read(0x58), 0xFF);
    config.enterConfig();
    config.writeMonitorDevice(0x30, 0x01);
    EXPECT_EQ(inactive.peekSio(0x30), 0x01);
    EXPECT_EQ(bus.read(0x58), 0x21);
    EXPECT_EQ(bus.read(0x39), 0x00);
}

TEST(SimulatedChipTest, CaseLatchHoldsUntilCleared) {
    SimulatedChip chip(Make("hold\nat 3 set 0:0x42 0x10"));
    Bus bus{chip};
    chip.advanceTo(2);
    EXPECT_EQ(bus.read(0x42) & 0x10, 0);
    chip.advanceTo(3);
    bus.write(0x42, 0x00);
    bus.write(0x46, 0x01);
    EXPECT_EQ(bus.read(0x42) & 0x10, 0x10);
    EXPECT_EQ(bus.read(0x42) & 0x10, 0x10);
    bus.write(0x46, 0x81);
    EXPECT_EQ(bus.read(0x42) & 0x10, 0);
}

TEST(SimulatedChipTest, ScheduledWritesHoldAndStoppedMonitoring) {
    SimulatedChip chip(Make("hold\nat 2 set 0:0x23 150\nat 5 set 0:0x24 10\nat 2 set 0:0x23 160"));
    chip.advanceTo(1);
    EXPECT_EQ(chip.peek(0, 0x23), 186);
    chip.advanceTo(2);
    EXPECT_EQ(chip.peek(0, 0x23), 160); // in file order
    EXPECT_EQ(chip.peek(0, 0x24), 197);
    chip.advanceTo(9);
    chip.advanceTo(4); // time never runs back
    EXPECT_EQ(chip.peek(0, 0x24), 10);
    const std::string held = chip.dump(0);
    chip.advanceTo(300);
    EXPECT_EQ(chip.dump(0), held);

    SimulatedChip stopped(Make("model hmb"));
    Bus{stopped}.write(0x40, 0x00);
    const std::string before = stopped.dump(0);
    stopped.advanceTo(100);
    EXPECT_EQ(stopped.dump(0), before);

    SimulatedChip moving(Make("set 0:0x23 100")); // moves the centre of the drift
    std::set<int> seen;
    for (int s = 1; s <= 300; ++s) {
        moving.advanceTo(s);
        seen.insert(moving.peek(0, 0x23));
    }
    EXPECT_GE(*seen.begin(), 97);
    EXPECT_LE(*seen.rbegin(), 103);
    EXPECT_GT(seen.size(), 3U);
}

TEST(SimulatedChipTest, VidPinsAndFanDivisors) {
    SimulatedChip chip(Make("hold\nset 0:0x28 60"));
    Bus bus{chip};
    EXPECT_EQ(bus.read(0x47) & 0x0F, 6); // VID code 6: 1.75 V
    EXPECT_EQ(bus.read(0x49) & 0x01, 0);
    bus.write(0x47, 0x50); // fans 1 and 2 to divisor 2; VID bits are pins
    EXPECT_EQ(bus.read(0x47), 0x56);
    EXPECT_EQ(bus.read(0x28), 240);
    EXPECT_EQ(bus.read(0x29), 255); // 64 counts at divisor 8 overflow at divisor 2
    bus.write(0x47, 0xF0);
    EXPECT_EQ(bus.read(0x28), 60);
}

// Counts the factory limits allow (Vcore: the VID-derived 1.55..1.95 V), fans at divisor 8,
// Temp1 in degrees, Temp2/3 in half degrees.
struct Band {
    int item, bank, reg, lo, hi;
};
constexpr Band kBands[] = {
    {0, 0, 0x20, 97, 122},  {1, 0, 0x21, 194, 237}, {2, 0, 0x22, 194, 237}, {3, 0, 0x23, 167, 205},
    {4, 0, 0x24, 181, 214}, {7, 5, 0x50, 186, 227}, {8, 5, 0x51, 156, 219}, {9, 0, 0x28, 1, 160},
    {10, 0, 0x29, 1, 128},  {11, 0, 0x2A, 1, 160},  {12, 0, 0x27, 10, 40},  {13, 1, 0x50, 20, 120},
    {14, 2, 0x50, 20, 120},
};

int Reading(const SimulatedChip& chip, const Band& b) {
    if (b.item == 12)
        return int8_t(chip.peek(0, 0x27));
    if (b.item >= 13)
        return 2 * chip.peek(b.bank, 0x50) + (chip.peek(b.bank, 0x51) == 0x80 ? 1 : 0);
    return chip.peek(b.bank, b.reg);
}

TEST(SimulatedChipTest, DemoReadingsStayInRangeForEveryModel) {
    struct Model {
        const char* name;
        std::vector<int> absent;
        Band minus12, minus5;
    };
    const Model models[] = {
        {"hma", {7, 8}, {5, 0, 0x25, 197, 233}, {6, 0, 0x26, 187, 228}},
        {"hmb", {}, {5, 0, 0x25, 23, 47}, {6, 0, 0x26, 44, 64}},
        {"hmc", {1, 6, 7, 8, 11, 14, 15}, {5, 0, 0x25, 23, 47}, {6, 0, 0x26, 44, 64}},
        {"hmdf", {1, 11, 14, 15}, {5, 0, 0x25, 23, 47}, {6, 0, 0x26, 44, 64}},
    };
    for (const Model& m : models) {
        SimulatedChip chip(Make(std::string("model ") + m.name));
        std::vector<Band> bands(std::begin(kBands), std::end(kBands));
        bands.push_back(m.minus12);
        bands.push_back(m.minus5);
        std::erase_if(bands, [&](const Band& b) { return std::ranges::count(m.absent, b.item); });
        std::map<int, std::set<int>> seen;
        for (int s = 0; s <= 600; ++s) {
            chip.advanceTo(s);
            for (const Band& b : bands) {
                const int value = Reading(chip, b);
                ASSERT_TRUE(value >= b.lo && value <= b.hi)
                    << m.name << " item " << b.item << " second " << s << ": " << value;
                seen[b.item].insert(value);
            }
            ASSERT_EQ(chip.peek(0, 0x42) & 0x10, 0);
        }
        for (const Band& b : bands)
            EXPECT_GT(seen[b.item].size(), 1U) << m.name << " item " << b.item << " never drifts";
        if (std::ranges::count(m.absent, 11)) {
            EXPECT_EQ(chip.peek(0, 0x2A), 255) << m.name;
        }
    }
}

TEST(SimulatedChipTest, DumpListsEveryRegisterThenTheSuperIoAndCounts) {
    SimulatedChip chip(Make("model hmdf\nhold"));
    chip.countPowerOff();
    chip.countPowerOff();
    const std::string dump = chip.dump(17);
    EXPECT_EQ(std::ranges::count(dump, '\n'), 8 * 256 + 3 + 2);
    EXPECT_EQ(dump.substr(0, 8), "0:00 00\n");
    for (const char* line : {"\n0:58 21\n", "\n0:4e 80\n", "\n0:4f 5c\n", "\n1:55 50\n"})
        EXPECT_NE(dump.find(line), std::string::npos) << line;
    EXPECT_TRUE(
        dump.ends_with("\n7:ff 00\nsio:30 01\nsio:60 02\nsio:61 90\nshutdown 2\nports 17\n"));
    EXPECT_TRUE(
        SimulatedChip(Make("model hmb")).dump(0).ends_with("\n7:ff 00\nshutdown 0\nports 0\n"));
}

TEST(SimulatedPortIoTest, TracesEveryAccessAndDrivesTheClock) {
    SimulatedChip chip(Make("hold\nat 5 set 0:0x23 1"));
    int now = 4;
    SimulatedPortIo io(chip, [&] { return now; });
    std::FILE* trace = std::tmpfile();
    ASSERT_NE(trace, nullptr);
    io.setTrace(trace);
    io.outByte(0x295, 0x23);
    EXPECT_EQ(io.inByte(0x296), 186);
    now = 5;
    io.outByte(0x295, 0x23);
    EXPECT_EQ(io.inByte(0x296), 1);
    EXPECT_EQ(io.portAccesses(), 4);
    std::rewind(trace);
    char text[256] = {};
    const size_t length = std::fread(text, 1, sizeof text - 1, trace);
    std::fclose(trace);
    EXPECT_EQ(std::string(text, length),
              "out 0x295 0x23\nin 0x296 0xba\nout 0x295 0x23\nin 0x296 0x01\n");
}

TEST(SimulatedPortIoTest, DriverBusAndPrivilegeAnswerAsScripted) {
    struct Case {
        const char* text;
        int16_t load, bus, privilege;
    };
    for (const Case c : {Case{"", 0, 0, 1}, Case{"driver fail", 1, 0, 1}, Case{"bus fail", 0, 1, 1},
                         Case{"privilege no", 0, 0, 0}}) {
        SimulatedChip chip(Make(c.text));
        SimulatedPortIo io(chip, [] { return 0; });
        EXPECT_EQ(io.openPorts(), c.load) << c.text;
        EXPECT_EQ(io.initBus(1, 0x5A, 0x92, 0x90), c.bus) << c.text;
        EXPECT_EQ(io.acquirePowerOffPrivilege(), c.privilege) << c.text;
        io.releasePowerOffPrivilege();
        EXPECT_EQ(io.portAccesses(), 0) << c.text;
    }
}

} // namespace
} // namespace hmdx::sim
