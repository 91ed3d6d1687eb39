// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace hmdx::test {

// The one QApplication of a widget test binary, always offscreen (a test may give the offscreen
// screens first).
inline QApplication& QtApp() {
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "hmdx-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down after main() returns crashes in its input devices.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

} // namespace hmdx::test
