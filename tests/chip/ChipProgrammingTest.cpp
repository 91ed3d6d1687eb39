// SPDX-License-Identifier: GPL-3.0-or-later
#include "chip/ChipProgramming.h"

#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// A model's chip as start-up leaves it identified.
struct ChipRig : SimRig {
    explicit ChipRig(const char* model) : SimRig(ScenarioFor(model)) {
        m.chip.chipId = chip.peek(0, 0x58);
    }
};

TEST(SetVcoreLimitsFromVid, NominalPlusMinusTwoTenths) {
    struct Case {
        int code;
        float lo;
        float hi;
    };
    for (const Case& c : {Case{0, 1.85f, 2.25f}, Case{6, 1.55f, 1.95f}, Case{15, 1.10f, 1.50f},
                          Case{16, 3.3f, 3.7f}, Case{30, 1.9f, 2.3f}, Case{31, 1.2f, 3.9f}}) {
        ChipRig rig("hmb");
        // Upper VID bits of 0x47 are fan divisor bits and must not leak into the code.
        rig.chip.poke(0, 0x47, uint8_t(0xA0 | (c.code & 0x0F)));
        rig.chip.poke(0, 0x49, uint8_t(0xFE | (c.code >> 4)));
        rig.m.settings.voltageLow[1] = 7.0f;
        SetVcoreLimitsFromVid(rig.m.chip, rig.m.settings);
        EXPECT_NEAR(rig.m.settings.voltageLow[0], c.lo, 1e-6) << "code " << c.code;
        EXPECT_NEAR(rig.m.settings.voltageHigh[0], c.hi, 1e-6) << "code " << c.code;
        EXPECT_EQ(rig.m.settings.voltageLow[1], 7.0f);
    }
}

// The beep masks from every item's switches (item -1) or from one item beeping alone; bank 4
// holds Vsb and Vbat where the model has them, its other bits untouched.
TEST(ProgramBeepMasks, MasksPerModelAndPerItem) {
    struct Case {
        const char* model;
        int item;
        uint8_t enabled, beep, bank4Before;
        uint8_t beep1, beep2, bank4;
    };
    for (const Case& c : {
             Case{"hmb", -1, 1, 1, 0xA4, 0xFF, 0xBF, 0xA7},
             Case{"hmb", -1, 1, 0, 0xA7, 0x00, 0x80, 0xA4},
             Case{"hmb", -1, 0, 1, 0x03, 0x00, 0x80, 0x00}, // beep without monitoring
             Case{"hmc", -1, 1, 1, 0x00, 0xFF, 0xBF, 0x03},
             Case{"hmdf", -1, 1, 0, 0xFF, 0x00, 0x80, 0xFC},
             Case{"hma", -1, 1, 1, 0x5A, 0xFF, 0xBF, 0x5A},
             Case{"hmb", 0, 1, 0, 0, 0x01, 0x80, 0},
             Case{"hmb", 4, 1, 0, 0, 0x00, 0x81, 0},
             Case{"hmb", 7, 1, 0, 0, 0x00, 0x80, 0x01},
             Case{"hmb", 9, 1, 0, 0, 0x40, 0x80, 0},
             Case{"hmb", 11, 1, 0, 0, 0x00, 0x88, 0},
             Case{"hmb", 12, 1, 0, 0, 0x10, 0x80, 0},
             Case{"hmb", 14, 1, 0, 0, 0x00, 0xA0, 0},
             Case{"hmb", 15, 1, 0, 0, 0x00, 0x90, 0},
         }) {
        ChipRig rig(c.model);
        rig.m.settings.monitored.fill(c.enabled);
        rig.m.settings.beep.fill(c.beep);
        if (c.item >= 0)
            rig.m.settings.beep[size_t(c.item)] = 1;
        rig.chip.poke(4, 0x53, c.bank4Before);
        ProgramBeepMasks(rig.m.chip, rig.m.settings);
        EXPECT_EQ(rig.chip.peek(0, 0x56), c.beep1) << c.model << " item " << c.item;
        EXPECT_EQ(rig.chip.peek(0, 0x57), c.beep2) << c.model << " item " << c.item;
        EXPECT_EQ(rig.chip.peek(4, 0x53), c.bank4) << c.model << " item " << c.item;
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
        ChipRig rig(c.model);
        rig.m.settings.monitored.fill(1);
        rig.m.settings.monitored[size_t(8 + c.fan)] = c.monitored ? 1 : 0;
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
