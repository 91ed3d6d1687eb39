// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/WarningDispatch.h"

#include "support/SimRig.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace hmdx::test {
namespace {

// Dialogs that only remember which are up and what was asked of them.
struct RecordingDialogs : WarningDialogs {
    std::set<int> visible;
    std::string calls;
    bool isShown(int item) override { return visible.count(item) != 0; }
    void show(int item) override {
        calls += "show " + std::to_string(item) + ";";
        visible.insert(item);
    }
    void takeDown(int item) override {
        calls += visible.erase(item) ? "unload " + std::to_string(item) + ";" : "";
    }
};

// One report per letter on item 4: o out of range, i in range, x the user closes the dialog,
// d the item switched off; O and I are out of and in range on item 9, which warns after three.
// After each letter: item 4's count; S shown, U unloaded; r raised, c cleared told.
struct Sequence {
    uint8_t warnFirst;
    std::string reports, counts, dialog, told;
};

TEST(WarningDispatch, Sequences) {
    for (const Sequence& seq : {
             Sequence{0, "ooioo", "12012", ".....", "....."},
             Sequence{0, "ooo", "120", "..S", "..r"},
             Sequence{0, "oooooooo", "12012012", "..S.....", "..r....."},
             Sequence{0, "oooxooo", "1200120", "..S...S", "..r...r"},
             Sequence{0, "oooooxo", "1201220", "..S...S", "..r...r"},
             Sequence{0, "ooOIo", "12220", "....S", "....r"},
             Sequence{0, "oodooi", "122220", "......", "......"},
             Sequence{1, "o", "0", "S", "r"},
             Sequence{1, "oooo", "0000", "S...", "r..."},
             Sequence{1, "oxo", "000", "S.S", "r.r"},
             Sequence{1, "oio", "000", "SUS", "rcr"},
             Sequence{1, "oxioi", "00000", "S..SU", "r.crc"},
             Sequence{1, "odi", "000", "S.U", "r.."},
         }) {
        SimRig rig(ScenarioFor("hmb"));
        RecordingDialogs dialogs;
        WarningDispatch dispatch(rig.m, dialogs);
        std::string told;
        dispatch.onChange = [&](int item, bool raised) {
            told += std::to_string(item) + (raised ? 'r' : 'c');
        };
        SettingsModel& set = rig.m.settings;
        set.monitored[4] = set.monitored[9] = 1;
        set.warnAtOnce[4] = seq.warnFirst;
        set.warnAtOnce[9] = 0;
        dispatch.reportOutOfRange(-1); // numbers that are no item change nothing
        dispatch.reportInRange(kItemCount);
        EXPECT_EQ(dialogs.calls + told, "");
        std::string counts, shown, changes;
        for (char report : seq.reports) {
            const std::string calls = dialogs.calls, before = told;
            if (report == 'o' || report == 'O')
                dispatch.reportOutOfRange(report == 'o' ? 4 : 9);
            else if (report == 'i' || report == 'I')
                dispatch.reportInRange(report == 'i' ? 4 : 9);
            else if (report == 'x')
                dialogs.visible.erase(4);
            else
                set.monitored[4] = 0;
            counts += std::to_string(rig.m.state.faultCounts[4]);
            const std::string call = dialogs.calls.substr(calls.size());
            shown += call == "show 4;" ? 'S' : call == "unload 4;" ? 'U' : call.empty() ? '.' : '?';
            const std::string change = told.substr(before.size());
            changes += change == "4r" ? 'r' : change == "4c" ? 'c' : change.empty() ? '.' : '?';
        }
        EXPECT_EQ(counts, seq.counts) << seq.reports;
        EXPECT_EQ(shown, seq.dialog) << seq.reports;
        EXPECT_EQ(changes, seq.told) << seq.reports;
    }
}

} // namespace
} // namespace hmdx::test
