#include "monitor/JournalSink.h"

#include <gtest/gtest.h>

namespace hmdx {
namespace {

TEST(JournalSink, EachEventIsOneReadableLine) {
    const std::pair<Event, const char*> cases[] = {
        {{.event = "warning raised",
          .item = 4,
          .caption = "+5V",
          .value = "6.72",
          .low = "4.49",
          .high = "5.51",
          .warning = true},
         "+5V: warning raised (reading 6.72, limits 4.49..5.51)"},
        {{.event = "limit changed",
          .item = 4,
          .caption = "+5V",
          .low = "4.49",
          .high = "5.60",
          .detail = "high 5.51 -> 5.60"},
         "+5V: limit changed (limits 4.49..5.60, high 5.51 -> 5.60)"},
        {{.event = "warning raised", .item = 9, .caption = "Fan1", .value = "1200", .low = "3000"},
         "Fan1: warning raised (reading 1200, low limit 3000)"},
        {{.event = "ignore", .item = 9}, "item 9: ignore"},
        {{.event = "end"}, "end"},
        {{.event = "save failed", .detail = "Cannot write\nthe file"},
         "save failed (Cannot write the file)"},
    };
    JournalSink sink; // whether or not this system has a journal, sending never fails
    for (const auto& [e, message] : cases) {
        EXPECT_EQ(JournalMessage(e), message);
        sink.write(e);
    }
}

} // namespace
} // namespace hmdx
