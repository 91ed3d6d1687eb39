#include "platform/InstanceLock.h"

#include "support/TempDir.h"

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

} // namespace
} // namespace hmdx::test
