// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartAtLogin.h"

#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

TEST(DesktopSettings, ReadsTellsOnceAndKeepsWhatItDoesNotOwn) {
    struct Case {
        const char* text; // nullptr: no file; "/": a folder
        bool startAtLogin;
        std::string alertCommand, told;
    } const cases[] = {
        {nullptr, false, "", ""},
        {"startAtLogin=true\nalertCommand=/usr/bin/my alert\n", true, "/usr/bin/my alert", ""},
        {"startAtLogin=maybe\nalertCommand=a,b\n", false, "", "startAtLogin, alertCommand"},
        {"/", false, "", "cannot be read (a folder)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "none");
        TempDir dir;
        DesktopSettings s(dir / "hmdx.conf");
        if (c.text && std::string(c.text) == "/")
            std::filesystem::create_directory(s.file());
        else if (c.text)
            std::ofstream(s.file()) << "[other]\nkept=1\n[General]\n" << c.text;
        const std::string told = s.load();
        EXPECT_EQ(s.startAtLogin, c.startAtLogin);
        EXPECT_EQ(s.alertCommand, c.alertCommand);
        EXPECT_EQ(told.empty(), c.told.empty());
        EXPECT_NE(told.find(c.told), std::string::npos) << told;
        // A save changes its own key alone (a bad entry stays bad), and never a file it could
        // not read.
        const bool saved = s.saveStartAtLogin(true).empty();
        EXPECT_EQ(saved, c.told.find("cannot be read") == std::string::npos);
        DesktopSettings again(s.file());
        EXPECT_EQ(again.load().empty(), c.told.empty());
        EXPECT_EQ(again.startAtLogin, saved);
        EXPECT_EQ(again.alertCommand, c.alertCommand);
        EXPECT_EQ(saved && ReadFile(s.file()).find("kept=1") != std::string::npos,
                  saved && c.text != nullptr);
    }
}

// The Exec line quotes and escapes the characters a desktop entry reserves.
TEST(StartAtLogin, TheEntryIsWrittenValidAndRemoved) {
    TempDir dir;
    setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    const StartAtLogin login{AutostartFile(), {"/opt/my $dir 100%/h\\m\"dx", "--minimized"}};
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(login.file, dir / "autostart/hmdx.desktop");
    EXPECT_FALSE(login.enabled());
    ASSERT_EQ(login.set(true), "");
    EXPECT_TRUE(login.enabled());
    EXPECT_NE(ReadFile(login.file).find(R"(Exec="/opt/my \\$dir 100%%/h\\\\m\\"dx" --minimized)"),
              std::string::npos);
    if (std::system("command -v desktop-file-validate >/dev/null") == 0)
        EXPECT_EQ(std::system(("desktop-file-validate '" + login.file.string() + "'").c_str()), 0);
    else
        std::cout << "desktop-file-validate is not installed: the entry is not validated\n";
    ASSERT_EQ(login.set(false), "");
    EXPECT_FALSE(login.enabled());
    EXPECT_EQ(login.set(false), ""); // already gone
}

} // namespace
} // namespace hmdx::test
