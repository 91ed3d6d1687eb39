// SPDX-License-Identifier: GPL-3.0-or-later
#include "chip/FullSpeed.h"

#include "chip/ChipProgramming.h"
#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

std::vector<std::string> TraceLines(const PortWrites& writes) {
    std::vector<std::string> lines;
    for (const PortWrite& w : writes) {
        char line[kTraceLineMax];
        lines.emplace_back(line, FormatTraceLine(line, w) - 1);
    }
    return lines;
}

// Made ready beforehand, the writes are the ones SetPwmOutput makes on a started chip.
TEST(FullSpeedWrites, SameWritesAsTheNormalRoutine) {
    struct Case {
        const char* model;
        std::vector<int> outputs;
        size_t writes; // 0: the model has none of these outputs
    };
    for (const Case& c : {Case{"hmb", {1}, 5}, Case{"hmc", {1, 2}, 10}, Case{"hmdf", {2}, 5},
                          Case{"hmb", {2}, 0}, Case{"hma", {1, 2}, 0}}) {
        StartedSim rig(ScenarioFor(c.model));
        ASSERT_TRUE(rig.ready);
        const PortWrites writes = FullSpeedWrites(rig.m().chip, c.outputs);
        rig.sim.io.clear();
        for (int output : c.outputs)
            SetPwmOutput(rig.m().chip, output, 0xFF);
        std::vector<std::string> outs;
        for (const std::string& line : rig.sim.io.portAccesses())
            if (line.rfind("out ", 0) == 0)
                outs.push_back(line);
        EXPECT_EQ(writes.count, c.writes) << c.model;
        EXPECT_EQ(TraceLines(writes), outs) << c.model;
    }
}

TEST(PortWrites, CommandLineFormRoundTripsAndRefusesMalformed) {
    PortWrites writes;
    writes.add(0x295, 0x4E);
    writes.add(0xFFFF, 0);
    char text[64];
    ASSERT_GT(FormatPortWrites(writes, text, sizeof text), 0U);
    EXPECT_STREQ(text, "0x295:0x4e,0xffff:0x00");
    PortWrites back;
    ASSERT_TRUE(ParsePortWrites(text, back));
    EXPECT_EQ(TraceLines(back), TraceLines(writes));
    for (const char* bad :
         {"", "0x295", "0x295:", "0x295:0x100", "0x10000:1", "1:2,", "1:2;3:4", "x:1"})
        EXPECT_FALSE(ParsePortWrites(bad, back)) << bad;
}

} // namespace
} // namespace hmdx::test
