// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChipClaim.h"

#include "support/TempDir.h"

#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace hmdx::test {
namespace {

using State = ClaimOutcome::State;
namespace fs = std::filesystem;

// The kernel's lock is on the open file, so a second claim in this very process conflicts too,
// and closing it leaves nothing behind.
TEST(ChipClaim, OneHolderAtATimeAndNothingStale) {
    TempDir dir;
    {
        MachineClaim first(dir.path());
        EXPECT_EQ(first.take().state, State::Taken);
        EXPECT_EQ(first.take().state, State::Taken);
        MachineClaim second(dir.path());
        const ClaimOutcome held = second.take();
        EXPECT_EQ(held.state, State::Held);
        EXPECT_EQ(held.holder.pid, ::getpid());
        EXPECT_EQ(held.holder.user, ::geteuid());
    }
    MachineClaim next(dir.path());
    EXPECT_EQ(next.take().state, State::Taken);
}

// Nothing is followed, waited on or made elsewhere; a folder others could meddle with is no
// place for a claim at all.
TEST(ChipClaim, RefusesWhatItCannotTrust) {
    using Plant = void (*)(const fs::path& run);
    const std::tuple<const char*, Plant, State, const char*> cases[] = {
        {"link", [](const auto& run) { fs::create_symlink("../elsewhere", run / "hmdx.lock"); },
         State::Unusable, "is a symbolic link"},
        {"fifo", [](const auto& run) { ::mkfifo((run / "hmdx.lock").c_str(), 0644); },
         State::Unusable, "is not a plain file"},
        {"folder", [](const auto& run) { fs::create_directory(run / "hmdx.lock"); },
         State::Unusable, "is not a plain file"},
        {"no folder", [](const auto& run) { fs::remove(run); }, State::NotMade, "cannot be used"},
        {"folder link",
         [](const auto& run) { fs::remove(run), fs::create_directory_symlink(".", run); },
         State::NotMade, "is not a folder of root's"},
        {"open folder", [](const auto& run) { ::chmod(run.c_str(), 0777); }, State::NotMade,
         "lets other users"},
        {"sticky folder", [](const auto& run) { ::chmod(run.c_str(), 01777); }, State::Taken, ""},
    };
    for (const auto& [name, plant, state, why] : cases) {
        TempDir dir;
        fs::create_directory(dir / "run");
        plant(dir / "run");
        const ClaimOutcome outcome = MachineClaim(dir / "run").take();
        EXPECT_EQ(outcome.state, state) << name;
        EXPECT_NE(outcome.why.find(why), std::string::npos) << name << ": " << outcome.why;
        const bool owned = state == State::Unusable;
        EXPECT_EQ(outcome.holder.user, owned ? std::optional(::geteuid()) : std::nullopt) << name;
        EXPECT_FALSE(fs::exists(dir / "elsewhere")) << name;
    }
}

// take() in a child running as `user` under umask 077; its state as the exit code.
int TakeAs(uid_t user, const fs::path& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::umask(077);
        if (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0)
            ::_exit(99);
        ::_exit(static_cast<int>(MachineClaim(folder).take().state));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whoever makes the file, any other user (or the service's root, which may not override file
// modes) can open it after them.
TEST(ChipClaim, TheFileMadeByOneUserServesTheOthers) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as other users";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0755);
    fs::create_directory(dir / "run");
    ::chmod((dir / "run").c_str(), 01777);
    EXPECT_EQ(TakeAs(65534, dir / "run"), static_cast<int>(State::Taken));
    struct stat made {};
    ASSERT_EQ(::lstat((dir / "run/hmdx.lock").c_str(), &made), 0);
    EXPECT_EQ(made.st_uid, 65534u);
    EXPECT_EQ(made.st_mode & 07777, 0644u);
    EXPECT_EQ(TakeAs(65533, dir / "run"), static_cast<int>(State::Taken));
}

// Only the holder of a flock on that very file; then a name for its user.
TEST(ChipClaim, NamesTheHolder) {
    const dev_t device = makedev(0xfd, 0x101); // both in hex in the listing
    const std::string example = "1: POSIX  ADVISORY  WRITE 1234 fd:101:123 0 EOF\n"
                                "2: -> FLOCK  ADVISORY  WRITE 999 fd:101:123 0 EOF\n"
                                "3: OFDLCK ADVISORY  READ  -1 fd:101:123 0 EOF\n"
                                "4: FLOCK  ADVISORY  WRITE 77 fd:01:123 0 EOF\n"
                                "5: FLOCK  ADVISORY  WRITE 4321 fd:101:123 0 EOF\n";
    const std::tuple<std::string_view, ino_t, pid_t> cases[] = {
        {example, 123, 4321},
        {example, 12, 0},
        {"2: FLOCK ADVISORY WRITE x fd:101:123\n2: FLOCK fd:101:123\n:\n\n", 123, 0},
        {"", 123, 0},
    };
    for (const auto& [locks, inode, holder] : cases)
        EXPECT_EQ(FindFlockHolder(locks, device, inode), holder) << locks;
    EXPECT_EQ(UserName(0), "root");
    EXPECT_EQ(UserName(3999999), "3999999");
}

TEST(ChipClaim, TellsWhenTheHolderIsTheService) {
    TempDir dir;
    const fs::path proc = dir / "proc";
    MachineClaim first(dir.path());
    ASSERT_EQ(first.take().state, State::Taken);
    struct stat file {};
    ASSERT_EQ(::stat((dir / "hmdx.lock").c_str(), &file), 0);
    fs::create_directories(proc / "4242");
    std::ofstream(proc / "locks") << "1: FLOCK  ADVISORY  WRITE 4242 " << std::hex
                                  << major(file.st_dev) << ':' << minor(file.st_dev) << ':'
                                  << std::dec << file.st_ino << " 0 EOF\n";
    for (const bool service : {true, false}) {
        std::ofstream(proc / "4242/cgroup")
            << (service ? "0::/system.slice/hmdx.service\n" : "0::/user.slice/session-2.scope\n");
        const ClaimOutcome held = MachineClaim(dir.path(), proc).take();
        EXPECT_EQ(held.state, State::Held);
        EXPECT_EQ(held.holder.pid, 4242);
        EXPECT_EQ(held.holder.user, ::geteuid());
        EXPECT_EQ(held.holder.service, service);
    }
}

} // namespace
} // namespace hmdx::test
