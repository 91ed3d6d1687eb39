#include "support/TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace hmdx::test {
namespace {

namespace fs = std::filesystem;

// hmdx on the simulated chip, off screen, with its lock file and data in `dir`; every port
// access goes to `trace`.
pid_t startHmdx(const fs::path& dir, const fs::path& trace) {
    std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + dir.string()};
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            std::string(*e).rfind("XDG_RUNTIME_DIR=", 0) != 0)
            env.emplace_back(*e);
    std::vector<std::string> args{HMDX_BINARY,  "--simulate",  "--data-dir",
                                  dir.string(), "--sim-trace", trace.string()};
    std::vector<char*> argv, envp;
    for (std::string& a : args)
        argv.push_back(a.data());
    for (std::string& e : env)
        envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) == 0 ? pid : -1;
}

// Start-up asks for the single-instance lock before it touches a port, so a port access in
// the trace means this copy got past that check. False if it ended instead (or after 60 s,
// so that a copy stuck somewhere cannot hang the test).
bool runsAsTheInstance(pid_t pid, const fs::path& trace) {
    for (int wait = 0; wait < 3000; ++wait) {
        std::error_code ignored;
        if (fs::file_size(trace, ignored) > 0 && !ignored)
            return true;
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

void killHard(pid_t pid) {
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

TEST(StaleLock, AKilledHmdxDoesNotStopTheNextStart) {
    TempDir dir;
    const pid_t first = startHmdx(dir.path(), dir / "first.trace");
    ASSERT_GT(first, 0);
    const bool firstRan = runsAsTheInstance(first, dir / "first.trace");
    killHard(first);
    ASSERT_TRUE(firstRan);
    EXPECT_TRUE(fs::exists(dir / "hmdx.lock")); // left behind by the killed copy
    const pid_t second = startHmdx(dir.path(), dir / "second.trace");
    ASSERT_GT(second, 0);
    const bool secondRan = runsAsTheInstance(second, dir / "second.trace");
    killHard(second);
    EXPECT_TRUE(secondRan);
}

} // namespace
} // namespace hmdx::test
