// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartAtLogin.h"

#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace hmdx::test {
namespace {

using namespace std::string_literals;

TEST(DesktopSettings, ReadsTellsOnceAndKeepsWhatItDoesNotOwn) {
    struct Case {
        std::string text; // "": no file; "/": a folder; "|": a FIFO
        bool startAtLogin;
        std::string alertCommand, told;
    } const cases[] = {
        {"", false, "", ""},
        {"startAtLogin=true\nalertCommand=/usr/bin/my alert\n", true, "/usr/bin/my alert", ""},
        {"startAtLogin=maybe\nalertCommand=a,b\n", false, "", "startAtLogin, alertCommand"},
        {"/", false, "", "cannot be read (a folder)"},
        {"|", false, "", "cannot be read (not a regular file)"},
        // Values are text: no types behind @Variant, nothing after a NUL dropped unseen.
        {R"(alertCommand=@Variant(\0\0\0\x0b\xff\xff\xff\xf0))", false,
         R"(@Variant(\0\0\0\x0b\xff\xff\xff\xf0))", ""},
        {"alertCommand=/bin/x\0y\n"s, false, "", "alertCommand"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TempDir dir;
        DesktopSettings s(dir / "hmdx.conf");
        if (c.text == "/")
            std::filesystem::create_directory(s.file());
        else if (c.text == "|")
            ::mkfifo(s.file().c_str(), 0600);
        else if (!c.text.empty())
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
                  saved && !c.text.empty());
    }
}

// Through a link, to where it leads: only the value of startAtLogin changes.
TEST(DesktopSettings, ASaveKeepsEveryOtherByte) {
    TempDir dir;
    const std::string before = "# mine\nweird key=1\n\n[General] ; Qt's\n"
                               "alertCommand=\"/opt/a,b/alert\"\nstartAtLogin=false ; by hmdx\n";
    std::ofstream(dir / "real.conf") << before;
    std::filesystem::create_symlink("real.conf", dir / "hmdx.conf");
    DesktopSettings s(dir / "hmdx.conf");
    EXPECT_EQ(s.load(), "");
    EXPECT_EQ(s.alertCommand, "/opt/a,b/alert");
    ASSERT_EQ(s.saveStartAtLogin(true), "");
    EXPECT_TRUE(std::filesystem::is_symlink(s.file()));
    EXPECT_EQ(ReadFile(dir / "real.conf"),
              std::string(before).replace(before.find("false"), 5, "true"));
}

// The Exec line quotes and escapes the characters a desktop entry reserves.
TEST(StartAtLogin, TheEntryIsWrittenValidAndRemoved) {
    TempDir dir;
    setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    const StartAtLogin login{AutostartFile(), {"/opt/my $dir 100%/h\\m\"dx\r", "--minimized"}};
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(login.file, dir / "autostart/hmdx.desktop");
    EXPECT_FALSE(login.enabled());
    ASSERT_EQ(login.set(true), "");
    EXPECT_TRUE(login.enabled());
    EXPECT_NE(ReadFile(login.file).find(R"(Exec="/opt/my \\$dir 100%%/h\\\\m\\"dx\r" --minimized)"),
              std::string::npos);
    if (std::system("command -v desktop-file-validate >/dev/null") == 0)
        EXPECT_EQ(std::system(("desktop-file-validate '" + login.file.string() + "'").c_str()), 0);
    else
        std::cout << "desktop-file-validate is not installed: the entry is not validated\n";
    ASSERT_EQ(login.set(false), "");
    EXPECT_FALSE(login.enabled());
    EXPECT_EQ(login.set(false), ""); // already gone
    // What a desktop entry cannot hold is said, and nothing is written.
    for (const char* path : {"/opt/\xff/hmdx", "/opt/\x01/hmdx"}) {
        const StartAtLogin bad{login.file, {path, "--minimized"}};
        EXPECT_NE(bad.set(true).find("cannot name"), std::string::npos) << path;
        EXPECT_FALSE(bad.enabled()) << path;
    }
}

} // namespace
} // namespace hmdx::test
