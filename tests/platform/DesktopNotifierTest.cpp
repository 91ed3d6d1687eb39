// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopNotifier.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// A failed save names its file, which may hold what a markup body would swallow.
TEST(DesktopNotifier, EscapesWhatMarkupWouldRead) {
    for (const auto& [plain, markup] : {
             std::pair{"/tmp/R&D <old>/hmb.dat", "/tmp/R&amp;D &lt;old&gt;/hmb.dat"},
             {"\"café\" &amp; <b>", "\"café\" &amp;amp; &lt;b&gt;"},
         })
        EXPECT_EQ(EscapedForMarkup(QString::fromUtf8(plain)), QString::fromUtf8(markup));
}

} // namespace
} // namespace hmdx::test
