#include "Machine.h"
#include "settings/SettingsRecord.h"

#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hmdx::test {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 250;
constexpr int kMaxDelayMicroseconds = 3000;

Bytes record(const char* password, float plus12High) {
    SettingsItemBytes all;
    all.fill(1);
    SettingsModel model;
    SetDefaultSettings(model, all, all);
    std::copy(password, password + 8, model.Password.begin());
    model.VoltHiLimit[4] = plus12High;
    SettingsRecord bytes{};
    EncodeSettings(model, bytes);
    return {bytes.begin(), bytes.end()};
}

// The save loop on `target`, its standard output on the returned descriptor.
pid_t startSaving(const fs::path& target, const fs::path& first, const fs::path& second,
                  int& output) {
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::string args[] = {HMDX_SAVE_LOOP, target.string(), first.string(), second.string()};
    char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    output = fds[0];
    return pid;
}

// Waits (at most 30 s, so a helper that never starts cannot hang the test) for "saving".
bool saving(int output) {
    pollfd ready{output, POLLIN, 0};
    char line[8] = {};
    return ::poll(&ready, 1, 30'000) == 1 && ::read(output, line, 7) == 7 &&
           std::string(line) == "saving\n";
}

TEST(KillDuringSave, TheFileIsAlwaysTheWholeOldOrNewRecord) {
    TempDir dir;
    const Bytes first = record("first   ", 13.0f);
    const Bytes second = record("second  ", 12.5f);
    const fs::path target = dir / "hmb.dat";
    WriteBytes(target, first);
    WriteBytes(dir / "first", first);
    WriteBytes(dir / "second", second);
    std::mt19937 random(0xdead);
    int seen[2] = {};
    for (int kill = 0; kill < kKills; ++kill) {
        int output = -1;
        const pid_t pid = startSaving(target, dir / "first", dir / "second", output);
        ASSERT_GT(pid, 0);
        const bool started = saving(output);
        ::usleep(useconds_t(random() % kMaxDelayMicroseconds));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ::close(output);
        ASSERT_TRUE(started) << "kill " << kill;
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "kill " << kill;
        const Bytes now = ReadBytes(target);
        ASSERT_TRUE(now == first || now == second)
            << "kill " << kill << " left " << now.size() << " bytes of neither record";
        ++seen[now == second];
    }
    // The kills landed at different points of the loop.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    // A save killed half way leaves its temporary file, and nothing else.
    int leftovers = 0;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        if (name == "hmb.dat" || name == "first" || name == "second")
            continue;
        ++leftovers;
        EXPECT_EQ(name.rfind(".hmb.dat.", 0), 0U) << name;
        EXPECT_LE(entry.file_size(), first.size()) << name;
    }
    std::printf("%d kills: old record %d times, new record %d times; %d temporary files left\n",
                kKills, seen[0], seen[1], leftovers);
}

} // namespace
} // namespace hmdx::test
