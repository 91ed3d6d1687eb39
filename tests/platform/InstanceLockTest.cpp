#include "platform/InstanceLock.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hmdx::test {
namespace {

TEST(InstanceLock, OnlyOneHolderAtATime) {
    TempDir dir;
    const auto file = dir / "hmdx.lock";
    {
        InstanceLock first(file);
        EXPECT_FALSE(first.anotherIsRunning());
        EXPECT_FALSE(first.anotherIsRunning()); // asking again does not count itself
        InstanceLock second(file);
        EXPECT_TRUE(second.anotherIsRunning());
    }
    InstanceLock third(file);
    EXPECT_FALSE(third.anotherIsRunning());
}

TEST(InstanceLock, ACrashedHolderLeavesNothingStuck) {
    TempDir dir;
    const auto file = dir / "hmdx.lock";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock lock(file);
        lock.anotherIsRunning();
        _exit(lock.anotherIsRunning() ? 1 : 0); // no destructor runs: as if it crashed
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_TRUE(std::filesystem::exists(file));
    InstanceLock next(file);
    EXPECT_FALSE(next.anotherIsRunning());
}

} // namespace
} // namespace hmdx::test
