#pragma once

#include <QApplication>

namespace hmdx::test {

// The one QApplication of a widget test binary (offscreen, as CTest sets it).
inline QApplication& QtApp() {
    static int argc = 1;
    static char name[] = "hmdx-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down after main() returns crashes in its input devices.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

} // namespace hmdx::test
