// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hmdx::test {
namespace {

// One holder at a time; a holder killed outright leaves its lock file behind, but not the lock.
TEST(InstanceLock, OneHolderAtATimeAndAKilledOneLeavesNothingStuck) {
    TempDir dir;
    const auto file = dir / "hmdx.lock";
    {
        InstanceLock first(file);
        EXPECT_FALSE(first.anotherIsRunning());
        EXPECT_FALSE(first.anotherIsRunning()); // asking again does not count itself
        InstanceLock second(file);
        EXPECT_TRUE(second.anotherIsRunning());
    }
    int held[2];
    ASSERT_EQ(::pipe(held), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock lock(file);
        if (!lock.anotherIsRunning() && ::write(held[1], "h", 1) == 1)
            ::pause();
        _exit(1);
    }
    ::close(held[1]);
    char byte = 0;
    const bool holding = ::read(held[0], &byte, 1) == 1;
    InstanceLock meanwhile(file);
    EXPECT_TRUE(meanwhile.anotherIsRunning());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(held[0]);
    ASSERT_TRUE(holding) << "the first holder's lock was not released";
    EXPECT_TRUE(std::filesystem::exists(file));
    InstanceLock next(file);
    EXPECT_FALSE(next.anotherIsRunning());
}

// A lock that someone else could have placed is refused and never followed: nothing is created
// or opened where a link points, and the program runs on without the lock.
TEST(InstanceLock, RefusesALockSomeoneElseCouldHavePlaced) {
    struct Case {
        const char* name;
        void (*plant)(const std::filesystem::path& folder, const std::filesystem::path& target);
        const char* why;
        bool needsRoot = false; // only root can give a file to another user
    };
    const Case cases[] = {
        {"a link to elsewhere",
         [](const auto& folder, const auto& target) {
             std::filesystem::create_symlink(target, folder / "hmdx.lock");
         },
         "it is a symbolic link"},
        {"a folder others may write into",
         [](const auto& folder, const auto&) {
             std::filesystem::permissions(folder, std::filesystem::perms::all);
         },
         "its folder is not a folder of this user's alone"},
        {"another user's file",
         [](const auto& folder, const auto&) {
             std::ofstream(folder / "hmdx.lock");
             EXPECT_EQ(::chown((folder / "hmdx.lock").c_str(), ::getuid() + 1, ::getgid()), 0);
         },
         "it is not a file of this user's", true},
    };
    for (const Case& c : cases) {
        if (c.needsRoot && ::getuid() != 0)
            continue;
        TempDir dir;
        std::filesystem::create_directory(dir / "run", dir.path());
        std::filesystem::permissions(dir / "run", std::filesystem::perms::owner_all);
        c.plant(dir / "run", dir / "target");
        InstanceLock lock(dir / "run" / "hmdx.lock");
        EXPECT_FALSE(lock.anotherIsRunning()) << c.name;
        EXPECT_NE(lock.problem().find(c.why), std::string::npos)
            << c.name << ": " << lock.problem();
        EXPECT_FALSE(std::filesystem::exists(dir / "target")) << c.name;
    }
}

// Without a runtime folder the lock lives in a folder of hmdx's own that only the user may enter.
TEST(InstanceLock, WithoutARuntimeFolderItMakesAPrivateOne) {
    TempDir tmp;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = runtime ? runtime : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", tmp.path().c_str(), 1);
    const std::filesystem::path file = InstanceLock::defaultLockFile();
    ::unsetenv("TMPDIR");
    if (runtime)
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    EXPECT_EQ(file.parent_path().parent_path(), tmp.path());
    EXPECT_EQ(std::filesystem::status(file.parent_path()).permissions(),
              std::filesystem::perms::owner_all);
    InstanceLock lock(file);
    EXPECT_FALSE(lock.anotherIsRunning());
    EXPECT_TRUE(lock.problem().empty()) << lock.problem();
}

} // namespace
} // namespace hmdx::test
