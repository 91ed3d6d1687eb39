#include "chip/sim/Scenario.h"

#include <gtest/gtest.h>
#include <tuple>

namespace hmdx::sim {
namespace {

Scenario Parsed(std::string_view text, Scenario base = {}) {
    ScenarioParse parse = ParseScenario(text, std::move(base));
    EXPECT_FALSE(parse.error) << parse.error->message;
    return parse.scenario.value_or(Scenario{});
}

// What a write does, when, and where: comparable in one go.
std::tuple<ScheduledWrite::Action, int, int, int, int> Parts(const ScheduledWrite& w) {
    return {w.action, w.atSecond, w.bank, w.reg, w.value};
}

TEST(ScenarioTest, ReadsEveryStatement) {
    const Scenario s = Parsed("# a machine with trouble\n"
                              "model hmdf   # the Super I/O one\n"
                              "\n"
                              "chipid 0x55\n"
                              "vendor 0XA35C\n"
                              "superio 4e\n"
                              "base 2608\n"
                              "activate 0\n"
                              "driver fail\n"
                              "bus fail\n"
                              "privilege no\n"
                              "claimed it87\n"
                              "\thold\r\n"
                              "at 3 set 0:0x42 0x10\n"
                              "set 5:80 203\n"
                              "at 5 resume\n"
                              "at 3 reset");
    EXPECT_EQ(s.model, "hmdf");
    EXPECT_EQ(s.effectiveChipId(), 0x55);
    EXPECT_EQ(s.vendor, 0xA35C);
    EXPECT_EQ(s.effectiveSuperIoPort(), 0x4E);
    EXPECT_EQ(s.base, 0x0A30);
    EXPECT_EQ(s.activate, 0);
    EXPECT_TRUE(s.driverFails && s.busFails && s.hold);
    EXPECT_FALSE(s.privilege);
    EXPECT_EQ(s.claimedBy, "it87");
    using A = ScheduledWrite::Action;
    ASSERT_EQ(s.writes.size(), 4U); // in file order
    EXPECT_EQ(Parts(s.writes[0]), std::tuple(A::Set, 3, 0, 0x42, 0x10));
    EXPECT_EQ(Parts(s.writes[1]), std::tuple(A::Set, 0, 5, 0x50, 203));
    EXPECT_EQ(Parts(s.writes[2]), std::tuple(A::Resume, 5, 0, 0, 0));
    EXPECT_EQ(Parts(s.writes[3]), std::tuple(A::Reset, 3, 0, 0, 0));
}

TEST(ScenarioTest, DefaultsComeFromTheModelAndTheBase) {
    struct Case {
        const char* text;
        uint8_t chipId;
        uint16_t superIo;
    };
    for (const Case c : {Case{"model hma", 0x10, 0}, Case{"model HMA11", 0x11, 0},
                         Case{"model hmb", 0x30, 0}, Case{"model hmc", 0x40, 0},
                         Case{"model hmdf", 0x21, 0x2E}, Case{"model hmdf\nsuperio none", 0x21, 0},
                         Case{"superio 2e", 0x30, 0x2E}, Case{"superio 0x2e", 0x30, 0x2E},
                         Case{"superio 4e", 0x30, 0x4E}, Case{"superio 0x4E", 0x30, 0x4E}}) {
        const Scenario s = Parsed(c.text);
        EXPECT_EQ(s.effectiveChipId(), c.chipId) << c.text;
        EXPECT_EQ(s.effectiveSuperIoPort(), c.superIo) << c.text;
    }
    for (const char* name : {"hma", "HMA11", "hmb", "hmc", "hmdf"})
        EXPECT_TRUE(IsKnownModelName(name)) << name;
    EXPECT_FALSE(IsKnownModelName("hmz"));
    Scenario base;
    base.model = "hmc";
    const Scenario s = Parsed("driver fail\ndriver ok\nbus ok\nprivilege yes", base);
    EXPECT_EQ(s.model, "hmc");
    EXPECT_EQ(s.vendor, 0x5CA3);
    EXPECT_FALSE(s.driverFails || s.busFails);
    EXPECT_TRUE(s.privilege);
}

TEST(ScenarioTest, ErrorsNameTheLine) {
    struct Case {
        const char* text;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"model hmb\n\n# x\nfrobnicate 3", 4, "unknown statement 'frobnicate'"},
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
        {"claimed", 1, "missing argument"},
        {"set 0x20 1", 1, "expected bank:register, got '0x20' in 'set 0x20 1'"},
        {"set 8:0x20 1", 1, "number '8' out of range 0..7 in 'set 8:0x20 1'"},
        {"set 0:0x100 1", 1, "number '0x100' out of range 0..255"},
        {"set 0:0x20 256", 1, "number '256' out of range 0..255"},
        {"set 0:0x20", 1, "missing argument"},
        {"at 86401 set 0:1 2", 1, "number '86401' out of range 0..86400"},
        {"at 3 put 0:1 2", 1, "expected 'set', 'reset' or 'resume' after '3' in 'at 3 put 0:1 2'"},
        {"at 3 set 0:1", 1, "missing argument"},
        {"at 3 reset now", 1, "extra argument 'now' in 'at 3 reset now'"},
        {"at 3", 1, "missing argument in 'at 3'"},
        {"at -1 resume", 1, "bad number '-1'"},
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

} // namespace
} // namespace hmdx::sim
