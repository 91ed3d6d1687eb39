// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/NotificationSink.h"

#include "support/RecordingNotifier.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace hmdx::test {
namespace {

using K = EventKind;

Event on(int item, EventKind what, bool warning = false) {
    return {.kind = what, .item = item, .caption = "+5V", .warning = warning};
}

TEST(NotificationSink, EventsMakeAndTakeAwayNotifications) {
    struct Case {
        std::vector<Event> events;
        std::string calls;
        int off = -1; // not monitored
    };
    const Event raised4 = on(4, K::WarningRaised, true), raised12 = on(12, K::WarningRaised, true);
    for (const Case& c : std::vector<Case>{
             {{raised4, raised4, on(4, K::Ignore), on(4, K::WarningCleared)}, "n4! n4! c4 "},
             {{raised4, on(4, K::Disable)}, "n4! c4 "},
             {{on(4, K::WarningCleared), on(5, K::Disable), on(-1, K::End)}, ""},
             {{raised4, raised12, on(4, K::WarningCleared), on(-1, K::End)}, "n4! n12! c4 c12 "},
             {{on(-1, K::ChipReprogrammed), on(-1, K::SaveFailed, true)}, "n16 n17 "},
             {{on(9, K::FanFailsafe, true), on(10, K::FanFailsafe, true), on(9, K::FanFailsafe),
               on(10, K::FanControlResumed), on(9, K::FanControlResumed)},
              "n18 n18 c18 "},
             // +5V switched off in the configuration: gone with the next event
             {{raised4, raised12, on(-1, K::ConfigurationChanged)}, "n4! n12! c4 ", 4},
             {{on(4, K::LimitChanged), on(-1, K::Start), on(-1, K::Save), on(4, K::ShutDown)}, ""},
         }) {
        RecordingNotifier notifier;
        NotificationSink sink(notifier);
        sink.monitored = [&c](int item) { return item != c.off; };
        for (const Event& e : c.events)
            sink.write(e);
        EXPECT_EQ(notifier.calls, c.calls);
    }
}

TEST(NotificationSink, AWarningSaysTheReadingAndLimitsWithTheirUnits) {
    struct Case {
        int item;
        const char *caption, *value, *low, *high, *body;
    };
    for (const Case& c : {
             Case{4, "+5V", "6.18", "4.49", "5.51", "Reading: 6.18 V\nLimits: 4.49 to 5.51 V"},
             Case{6, "-12V", "-13.02", "-13.20", "-10.80",
                  "Reading: -13.02 V\nLimits: -13.20 to -10.80 V"},
             Case{9, "FAN1", "low_speed", "2657", "", "Reading: low_speed\nLow limit: 2657 RPM"},
             Case{13, "Temp2", "71.50", "", "60.00", "Reading: 71.50 °C\nHigh limit: 60.00 °C"},
         }) {
        RecordingNotifier notifier;
        NotificationSink sink(notifier);
        sink.write(Event{
            {}, EventKind::WarningRaised, c.item, c.caption, c.value, c.low, c.high, {}, true});
        EXPECT_EQ(notifier.sent.at(0).summary, std::string(c.caption) + " out of range");
        EXPECT_EQ(notifier.sent.at(0).body, c.body);
        EXPECT_EQ(notifier.sent.at(0).actionLabel, "Show");
    }
}

TEST(NotificationSink, TheActionShowsTheWarningOfAnItemStillNotified) {
    RecordingNotifier notifier;
    std::string shown;
    auto sink = std::make_unique<NotificationSink>(notifier);
    sink->showWarning = [&](int item) { shown += std::to_string(item) + " "; };
    for (const Event& e :
         {on(4, K::WarningRaised, true), on(-1, K::SaveFailed, true), on(5, K::WarningCleared)})
        sink->write(e);
    for (int slot : {4, 5, int(NotificationSink::kSaveFailedSlot), -1})
        notifier.onAction(slot);
    sink->write(on(4, K::WarningCleared));
    notifier.onAction(4);
    EXPECT_EQ(shown, "4 ");
    sink.reset();
    EXPECT_FALSE(notifier.onAction) << "a sink gone leaves no action behind";
}

} // namespace
} // namespace hmdx::test
