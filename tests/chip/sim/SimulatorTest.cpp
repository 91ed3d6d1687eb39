// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated chip and the scenario language that scripts it.
#include "chip/sim/SimulatedChip.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace hmdx::sim {
namespace {

Scenario Make(std::string_view text, Scenario base = {}) {
    ScenarioParse parse = ParseScenario(text, std::move(base));
    EXPECT_FALSE(parse.error) << parse.error->message;
    return parse.scenario.value_or(Scenario{});
}

// What a write does, when, and where: comparable in one go.
std::tuple<ScheduledWrite::Action, int, int, int, int> Parts(const ScheduledWrite& w) {
    return {w.action, w.atSecond, w.bank, w.reg, w.value};
}

// The golden runs read every statement in its usual form; these are the other forms, and the
// defaults (e.g. from --simulate) that a file leaves as they are or turns back.
TEST(ScenarioTest, ReadsTheFormsTheGoldenRunsDoNotUse) {
    Scenario base;
    base.model = "hmc";
    base.driverFails = base.busFails = true;
    base.privilege = false;
    const Scenario s = Make("\tbase 2608   # decimal\r\n"
                            "vendor 0XA35C\n"
                            "superio none\n"
                            "driver ok\n"
                            "bus ok\n"
                            "privilege yes\n"
                            "set 5:80 203\n"
                            "at 5 resume\n"
                            "at 3 reset",
                            base);
    EXPECT_EQ(s.model, "hmc");
    EXPECT_EQ(s.base, 0x0A30);
    EXPECT_EQ(s.vendor, 0xA35C);
    EXPECT_EQ(s.effectiveSuperIoPort(), 0);
    EXPECT_FALSE(s.driverFails || s.busFails);
    EXPECT_TRUE(s.privilege);
    using A = ScheduledWrite::Action;
    ASSERT_EQ(s.writes.size(), 3U); // in file order
    EXPECT_EQ(Parts(s.writes[0]), std::tuple(A::Set, 0, 5, 0x50, 203));
    EXPECT_EQ(Parts(s.writes[1]), std::tuple(A::Resume, 5, 0, 0, 0));
    EXPECT_EQ(Parts(s.writes[2]), std::tuple(A::Reset, 3, 0, 0, 0));
    for (const auto& [text, chipId, superIo] :
         {std::tuple{"model HMA11", 0x11, 0}, std::tuple{"model HmDf\nsuperio 0x4E", 0x21, 0x4E},
          std::tuple{"superio 0x2e", 0x30, 0x2E}}) {
        EXPECT_EQ(Make(text).effectiveChipId(), chipId) << text;
        EXPECT_EQ(Make(text).effectiveSuperIoPort(), superIo) << text;
    }
}

// The golden runs have an unknown statement and a bad number in `set`; these are the rest.
TEST(ScenarioTest, ErrorsNameTheLine) {
    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"\nchipid zz", 2, "bad number 'zz' in 'chipid zz'"},
        {"chipid -1", 1, "bad number '-1' in 'chipid -1'"},
        {"chipid 0x", 1, "bad number '0x' in 'chipid 0x'"},
        {"chipid 256", 1, "number '256' out of range 0..255 in 'chipid 256'"},
        {"chipid 99999999999999999999999", 1, "number '99999999999999999999999' out of range"},
        {"vendor 0x10000", 1, "out of range 0..65535"},
        {"base 65536", 1, "out of range 0..65535"},
        {"activate 0x100", 1, "out of range 0..255"},
        {"chipid", 1, "missing argument in 'chipid'"},
        {"hold now # really", 1, "extra argument 'now' in 'hold now'"},
        {"model hmz", 1, "unknown model 'hmz'"},
        {"superio 3e", 1, "expected none, 2e or 4e, got '3e'"},
        {"driver maybe", 1, "expected ok or fail, got 'maybe' in 'driver maybe'"},
        {"privilege ok", 1, "expected yes or no, got 'ok'"},
        {"set 0x20 1", 1, "expected bank:register, got '0x20' in 'set 0x20 1'"},
        {"set 8:0x20 1", 1, "number '8' out of range 0..7 in 'set 8:0x20 1'"},
        {"set 0:0x100 1", 1, "number '0x100' out of range 0..255"},
        {"set 0:0x20 256", 1, "number '256' out of range 0..255"},
        {"at 86401 set 0:1 2", 1, "number '86401' out of range 0..86400"},
        {"at 3 put 0:1 2", 1,
         "expected 'set', 'reset', 'resume' or 'sleep' after '3' in 'at 3 put 0:1 2'"},
        {"at 3 set 0:1", 1, "missing argument"},
        {"at 3 reset now", 1, "extra argument 'now' in 'at 3 reset now'"},
        {"at 3", 1, "missing argument in 'at 3'"},
    };
    for (const Case& c : cases) {
        const ScenarioParse parse = ParseScenario(c.text);
        ASSERT_TRUE(parse.error) << c.text;
        EXPECT_FALSE(parse.scenario) << c.text;
        EXPECT_EQ(parse.error->line, c.line) << c.text;
        const std::string prefix = "scenario line " + std::to_string(c.line) + ": ";
        EXPECT_EQ(parse.error->message.rfind(prefix, 0), 0U) << parse.error->message;
        EXPECT_NE(parse.error->message.find(c.message), std::string::npos) << parse.error->message;
    }
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
};

// The golden runs pin the registers as the program uses them; these are the accesses it never
// makes.

TEST(SimulatedChipTest, OnlyRegisters50To5FAreBankedAndTheIdentityIsReadOnly) {
    SimulatedChip chip(Make("model hmb"));
    Bus bus{chip};
    bus.write(0x58, 0x99);
    bus.write(0x4F, 0x99);
    EXPECT_EQ(bus.read(0x58), 0x30);
    EXPECT_EQ(bus.read(0x4F), 0x5C);
    bus.bank(2); // banks 1 and 2 keep their own 0x50..0x5F: the golden runs' temperature limits
    bus.write(0x39, 0x2A);
    EXPECT_EQ(bus.read(0x58), 0x00); // the chip ID is bank 0's
    bus.bank(0);
    EXPECT_EQ(bus.read(0x39), 0x2A);
}

// The Super I/O's entry key at 2E and 4E is the golden runs'; a chip without one answers only
// at the monitor's ports.
TEST(SimulatedChipTest, WithoutASuperIoOnlyTheMonitorAnswers) {
    SimulatedChip none(Make("model hmdf\nsuperio none"));
    Bus{none, 0x2E}.enterConfig();
    EXPECT_EQ((Bus{none, 0x2E}.read(0x20)), 0xFF);
    EXPECT_EQ(Bus{none}.read(0x58), 0x21);
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

TEST(SimulatedChipTest, WritesDueTogetherInFileOrderAndStoppedMonitoring) {
    SimulatedChip chip(Make("hold\nat 2 set 0:0x23 150\nat 2 set 0:0x23 160"));
    chip.advanceTo(2);
    EXPECT_EQ(chip.peek(0, 0x23), 160);

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

TEST(SimulatedChipTest, FanCountsFollowTheDivisorAndVidBitsArePins) {
    SimulatedChip chip(Make("hold\nset 0:0x28 60"));
    Bus bus{chip};
    bus.write(0x47, 0x50); // fans 1 and 2 to divisor 2
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
    }
}

} // namespace
} // namespace hmdx::sim
