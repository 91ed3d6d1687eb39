#include "monitor/WarningDispatch.h"

#include "support/SimRig.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace hmdx::test {
namespace {

// Dialogs that only remember what was asked of them; `dismiss` is the user closing one.
class RecordingDialogs : public WarningDialogs {
public:
    std::vector<std::string> calls;
    std::set<int> visible;

    bool isShown(int item) override { return visible.count(item) != 0; }
    void show(int item) override {
        calls.push_back("show " + std::to_string(item));
        visible.insert(item);
    }
    void unload(int item) override {
        calls.push_back("unload " + std::to_string(item));
        visible.erase(item);
    }
    void dismiss(int item) { visible.erase(item); }
};

struct Dispatch : ::testing::Test {
    SimRig rig{ScenarioFor("hmb")};
    RecordingDialogs dialogs;
    WarningDispatch dispatch{rig.m, dialogs};

    void setItem(std::size_t item, uint8_t enabled, uint8_t warnFirst) {
        rig.m.settings.ItemEnabled[item] = enabled;
        rig.m.settings.ItemWarnOpt1[item] = warnFirst;
    }
};

// One report per letter: o = out of range, i = in range, x = the user closes the dialog.
// `counts` is WarnCount after each letter, `shown` marks the letters that bring the dialog up.
struct Sequence {
    uint8_t warnFirst;
    std::string reports;
    std::string counts;
    std::string shown;
};

TEST_F(Dispatch, FaultRules) {
    for (const Sequence& s : {
             Sequence{0, "ooioo", "12012", "....."},
             Sequence{0, "ooo", "120", "..S"},
             Sequence{0, "oooooooo", "12012012", "..S....."}, // visible: never shown again
             Sequence{0, "oooxooo", "1200120", "..S...S"},
             Sequence{0, "oooooxo", "1201220", "..S...S"},
             Sequence{1, "o", "0", "S"},
             Sequence{1, "oooo", "0000", "S..."},
             Sequence{1, "oxo", "000", "S.S"},
             Sequence{1, "oio", "000", "S.S"},
         }) {
        constexpr int item = 4;
        dialogs = RecordingDialogs{};
        rig.m.state.faultCounts.fill(0);
        setItem(item, 1, s.warnFirst);
        std::string counts, shown;
        for (char report : s.reports) {
            const std::size_t before = dialogs.calls.size();
            if (report == 'o')
                dispatch.reportOutOfRange(item);
            else if (report == 'i')
                dispatch.reportInRange(item);
            else
                dialogs.dismiss(item);
            counts += std::to_string(rig.m.state.faultCounts[item]);
            const bool showed = dialogs.calls.size() > before && dialogs.calls.back() == "show 4";
            shown += showed ? 'S' : '.';
        }
        EXPECT_EQ(counts, s.counts) << s.reports;
        EXPECT_EQ(shown, s.shown) << s.reports;
    }
}

TEST_F(Dispatch, DisabledItemNeverWarnsButCloses) {
    setItem(12, 0, 1);
    rig.m.state.faultCounts[12] = 2;
    for (int tick = 0; tick < 5; ++tick)
        dispatch.reportOutOfRange(12);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(rig.m.state.faultCounts[12], 2);
    dispatch.reportInRange(12);
    EXPECT_EQ(rig.m.state.faultCounts[12], 0);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"unload 12"});
}

TEST_F(Dispatch, ItemsCountApart) {
    setItem(9, 1, 0);
    setItem(10, 1, 0);
    for (int item : {9, 9, 10})
        dispatch.reportOutOfRange(item);
    dispatch.reportInRange(10);
    dispatch.reportOutOfRange(9);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"unload 10", "show 9"}));
}

TEST_F(Dispatch, NeverShownOrUnknownItemsCloseHarmlessly) {
    rig.m.settings.ItemEnabled.fill(1);
    rig.m.settings.ItemWarnOpt1.fill(1);
    dispatch.reportInRange(15);
    for (int bad : {-1, 16}) {
        dispatch.reportOutOfRange(bad);
        dispatch.reportInRange(bad);
    }
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"unload 15"});
    EXPECT_TRUE(dialogs.visible.empty());
}

// The log hears of a warning when it goes up and when its reading comes back in range; an
// Ignore in between does not end it, and switching the item off ends it without a "cleared".
TEST_F(Dispatch, TellsWhenAWarningIsRaisedAndCleared) {
    std::vector<std::string> told;
    dispatch.onChange = [&](int item, bool raised) {
        told.push_back((raised ? "raised " : "cleared ") + std::to_string(item));
    };
    setItem(3, 1, 1);
    dispatch.reportOutOfRange(3);
    dispatch.reportOutOfRange(3);
    dialogs.dismiss(3);
    dispatch.reportOutOfRange(3);
    dispatch.reportInRange(3);
    dispatch.reportInRange(3);
    dispatch.reportOutOfRange(3);
    setItem(3, 0, 1);
    dispatch.reportInRange(3);
    EXPECT_EQ(told, (std::vector<std::string>{"raised 3", "raised 3", "cleared 3", "raised 3"}));
}

} // namespace
} // namespace hmdx::test
