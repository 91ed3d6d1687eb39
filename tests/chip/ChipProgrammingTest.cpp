#include "chip/ChipProgramming.h"

#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

SimRig* makeRig(std::unique_ptr<SimRig>& holder, const char* model) {
    holder = std::make_unique<SimRig>(ScenarioFor(model));
    holder->m.chip.chipId = holder->chip.peek(0, 0x58);
    return holder.get();
}

TEST(SetVcoreLimitsFromVid, NominalPlusMinusTwoTenths) {
    struct Case {
        int code;
        float lo;
        float hi;
    };
    for (const Case& c : {Case{0, 1.85f, 2.25f}, Case{6, 1.55f, 1.95f}, Case{15, 1.10f, 1.50f},
                          Case{16, 3.3f, 3.7f}, Case{30, 1.9f, 2.3f}, Case{31, 1.2f, 3.9f}}) {
        std::unique_ptr<SimRig> holder;
        SimRig& rig = *makeRig(holder, "hmb");
        // Upper VID bits of 0x47 are fan divisor bits and must not leak into the code.
        rig.chip.poke(0, 0x47, uint8_t(0xA0 | (c.code & 0x0F)));
        rig.chip.poke(0, 0x49, uint8_t(0xFE | (c.code >> 4)));
        rig.m.settings.VoltLoLimit[1] = 7.0f;
        SetVcoreLimitsFromVid(rig.m.chip, rig.m.settings);
        EXPECT_NEAR(rig.m.settings.VoltLoLimit[0], c.lo, 1e-6) << "code " << c.code;
        EXPECT_NEAR(rig.m.settings.VoltHiLimit[0], c.hi, 1e-6) << "code " << c.code;
        EXPECT_EQ(rig.m.settings.VoltLoLimit[1], 7.0f);
    }
}

struct BeepCase {
    const char* name;
    const char* model;
    uint8_t enabled; // for every item
    uint8_t beep;
    uint8_t beep1;
    uint8_t beep2;
    uint8_t bank4Before;
    uint8_t bank4After;
};

TEST(ProgramBeepMasks, MasksFromSwitches) {
    for (const BeepCase& c : {
             BeepCase{"all beeping", "hmb", 1, 1, 0xFF, 0xBF, 0xA4, 0xA7},
             BeepCase{"none beeping", "hmb", 1, 0, 0x00, 0x80, 0xA7, 0xA4},
             BeepCase{"beep without monitoring", "hmb", 0, 1, 0x00, 0x80, 0x03, 0x00},
             BeepCase{"hmc all", "hmc", 1, 1, 0xFF, 0xBF, 0x00, 0x03},
             BeepCase{"hmdf none", "hmdf", 1, 0, 0x00, 0x80, 0xFF, 0xFC},
             BeepCase{"hma leaves bank 4 alone", "hma", 1, 1, 0xFF, 0xBF, 0x5A, 0x5A},
         }) {
        std::unique_ptr<SimRig> holder;
        SimRig& rig = *makeRig(holder, c.model);
        rig.m.settings.ItemEnabled.fill(c.enabled);
        rig.m.settings.ItemBeep.fill(c.beep);
        rig.chip.poke(4, 0x53, c.bank4Before);
        ProgramBeepMasks(rig.m.chip, rig.m.settings);
        EXPECT_EQ(rig.chip.peek(0, 0x56), c.beep1) << c.name;
        EXPECT_EQ(rig.chip.peek(0, 0x57), c.beep2) << c.name;
        EXPECT_EQ(rig.chip.peek(4, 0x53), c.bank4After) << c.name;
    }
}

TEST(ProgramBeepMasks, SingleItemsSetTheirOwnBit) {
    struct Case {
        int item;
        int reg;
        uint8_t bit;
    };
    for (const Case& c :
         {Case{0, 0x56, 0x01}, Case{4, 0x57, 0x01}, Case{9, 0x56, 0x40}, Case{11, 0x57, 0x08},
          Case{12, 0x56, 0x10}, Case{14, 0x57, 0x20}, Case{15, 0x57, 0x10}}) {
        std::unique_ptr<SimRig> holder;
        SimRig& rig = *makeRig(holder, "hmb");
        rig.m.settings.ItemEnabled.fill(1);
        rig.m.settings.ItemBeep[c.item] = 1;
        ProgramBeepMasks(rig.m.chip, rig.m.settings);
        const uint8_t global = c.reg == 0x57 ? 0x80 : 0x00;
        EXPECT_EQ(rig.chip.peek(0, c.reg), c.bit | global) << "item " << c.item;
    }
}

TEST(FanOutputs, PwmRegistersPerModelAndOnlyForMonitoredFans) {
    struct Case {
        const char* model;
        int fan;
        bool monitored;
        int reg; // 0: nothing may be written
    };
    for (const Case& c :
         {Case{"hmc", 1, true, 0x5A}, Case{"hmc", 2, true, 0x5B}, Case{"hmdf", 1, true, 0x5A},
          Case{"hmb", 1, true, 0x5B}, Case{"hmb", 2, true, 0}, Case{"hma", 1, true, 0},
          Case{"hmc", 1, false, 0}}) {
        std::unique_ptr<SimRig> holder;
        SimRig& rig = *makeRig(holder, c.model);
        rig.m.settings.ItemEnabled.fill(1);
        rig.m.settings.ItemEnabled[8 + c.fan] = c.monitored ? 1 : 0;
        rig.chip.poke(0, 0x5A, 0x11);
        rig.chip.poke(0, 0x5B, 0x11);
        SetFanPwm(rig.m.chip, rig.m.settings, c.fan, 255);
        for (int reg : {0x5A, 0x5B})
            EXPECT_EQ(rig.chip.peek(0, reg), reg == c.reg ? 0xFF : 0x11)
                << c.model << " fan " << c.fan << " reg " << reg;
    }
}

} // namespace
} // namespace hmdx::test
