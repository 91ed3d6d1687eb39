// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/FanSafety.h"

#include "app/FansFull.h"
#include "app/Program.h"
#include "monitor/CrashWrites.h"
#include "platform/ChipClaim.h"
#include "support/SimRig.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hmdx::test {
namespace {

const char* const kFull = "out 0x295 0x5b\nout 0x296 0xff\n";

PortWrites Full() {
    PortWrites writes;
    writes.add(0x295, 0x5B);
    writes.add(0x296, 0xFF);
    return writes;
}

struct Trace {
    TempDir dir;
    std::filesystem::path path = dir / "trace";
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    ~Trace() { ::close(fd); }
    RawPorts to() const { return {RawPorts::Kind::Trace, fd}; }
    // Once it holds `size` bytes, or after a generous while.
    std::string read(size_t size) const {
        std::string text;
        for (int i = 0; i < 600 && (text = ReadFile(path)).size() < size; ++i)
            ::usleep(50000);
        return text;
    }
};

// The signal that ended a child, -status for an exit; 0 when it had to be ended here.
int Died(pid_t pid) {
    int status = 0;
    for (int i = 0; i < 1200; ++i) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status);
        ::usleep(50000);
    }
    ::kill(pid, SIGKILL); // not reaped yet: the pid is still the child's
    ::waitpid(pid, nullptr, 0);
    return 0;
}

// The writes go out before the signal ends the process; re-arming replaces them, disarming
// drops them.
TEST(CrashWrites, WritesThenTheSignalEndsTheProcess) {
    for (const auto& [sig, armed] : {std::pair{SIGSEGV, true}, {SIGABRT, true}, {SIGSEGV, false}}) {
        Trace trace;
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            std::signal(sig, SIG_DFL); // what hmdx has, not a sanitizer's handler
            PortWrites other;
            other.add(1, 1);
            ArmCrashWrites(other, trace.to());
            ArmCrashWrites(Full(), trace.to());
            if (!armed)
                DisarmCrashWrites();
            sig == SIGABRT ? std::abort() : (void)::raise(sig);
            ::_exit(0);
        }
        EXPECT_EQ(Died(child), sig);
        EXPECT_EQ(ReadFile(trace.path), armed ? kFull : "") << sig;
    }
}

// A stand-in for hmdx: a child that starts the guardian and beats until stopped or killed.
pid_t StandIn(const GuardianProcess::Launch& launch) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid < 0)
        return pid;
    if (pid == 0) {
        GuardianProcess guardian;
        const char started = guardian.start(launch).empty() ? 1 : 0;
        (void)::write(ready[1], &started, 1);
        for (;;) {
            guardian.heartbeat();
            ::usleep(200000);
        }
    }
    char started = 0;
    EXPECT_EQ(::read(ready[0], &started, 1), 1);
    EXPECT_EQ(started, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    return pid;
}

// Killed, hmdx is noticed at once; stopped, it is killed after the silence and only then are
// the writes made.
TEST(Guardian, WritesFullWhenHmdxIsKilledOrHangs) {
    for (int sig : {SIGKILL, SIGSTOP}) {
        Trace trace;
        const pid_t hmdx = StandIn({HMDX_GUARDIAN_PATH, Full(), trace.to(), trace.path});
        ASSERT_GT(hmdx, 0) << "no stand-in: kill() would signal every process";
        ::kill(hmdx, sig);
        EXPECT_EQ(Died(hmdx), SIGKILL);
        EXPECT_EQ(trace.read(std::strlen(kFull)), kFull) << sig;
    }
}

// The guardian dying is one event, and it is started again on the next tick; stopping
// control quits it without a write.
// The guardian holds hmdx's claim on the chip for as long as it may still write.
TEST(Guardian, HoldsTheClaimOnTheChipUntilItEnds) {
    Trace trace;
    TempDir folder;
    GuardianProcess guardian;
    {
        MachineClaim hmdx(folder.path());
        ASSERT_EQ(hmdx.take().state, ClaimOutcome::State::Taken);
        ASSERT_EQ(
            guardian.start({HMDX_GUARDIAN_PATH, Full(), trace.to(), trace.path, hmdx.descriptor()}),
            "");
    }
    EXPECT_EQ(MachineClaim(folder.path()).take().state, ClaimOutcome::State::Held);
    guardian.quit();
    EXPECT_EQ(MachineClaim(folder.path()).take().state, ClaimOutcome::State::Taken);
}

TEST(FanSafety, GuardianDiesIsRecordedAndStartedAgainQuitWritesNothing) {
    StartedSim rig(ScenarioFor("hmc"));
    Trace trace;
    FanSafety safety(rig.m().chip, rig.m().events, {trace.to(), trace.path}, HMDX_GUARDIAN_PATH);
    safety.follow({1, 2});
    const pid_t first = safety.guardian().pid();
    ASSERT_GT(first, 0);
    // A session of its own: Ctrl-Z at hmdx's terminal, or SIGSTOP to its group, misses it.
    for (int i = 0; i < 500 && ::getsid(first) != first; ++i)
        ::usleep(10000); // the child sets it up after fork returns here
    EXPECT_EQ(::getsid(first), first);
    ::kill(first, SIGKILL);
    for (int i = 0; i < 500 && safety.guardian().running(); ++i) {
        ::usleep(10000);
        safety.tick();
    }
    ASSERT_EQ(rig.m().events.events().size(), 1U);
    EXPECT_EQ(rig.m().events.events()[0].detail,
              "killed by signal 9; started again on the next tick");
    safety.tick();
    EXPECT_TRUE(safety.guardian().running());
    EXPECT_NE(safety.guardian().pid(), first);
    safety.follow({});
    EXPECT_FALSE(safety.guardian().running());
    EXPECT_EQ(ReadFile(trace.path), "");
}

// Every output the model has goes to full, with no data file or lock; no chip, no success.
TEST(FansFull, EveryOutputOfTheModelToFull) {
    struct Case {
        const char* scenario;
        int code;
        const char* dumped; // the PWM registers at the end
    };
    for (const Case& c :
         {Case{"model hmc\nset 0:0x5a 0x40\nset 0:0x5b 0x40\n", kExitOk, "0:5a ff 0:5b ff "},
          Case{"model hmb\nset 0:0x5a 0x40\nset 0:0x5b 0x40\n", kExitOk, "0:5a 40 0:5b ff "},
          Case{"model hmc\nset 0:0x5a 0x40\ndriver fail\n", kExitStartupFailed,
               "0:5a 40 0:5b ff "}}) {
        TempDir dir;
        std::ofstream(dir / "scenario") << c.scenario;
        CommandLine options;
        options.simulate = true;
        options.scenarioFile = dir / "scenario";
        options.dumpFile = dir / "dump";
        EXPECT_EQ(RunFansFull(options), c.code) << c.scenario;
        std::istringstream dump(ReadFile(dir / "dump"));
        std::string pwm;
        for (std::string line; std::getline(dump, line);)
            if (line.rfind("0:5a ", 0) == 0 || line.rfind("0:5b ", 0) == 0)
                pwm += line + " ";
        EXPECT_EQ(pwm, c.dumped) << c.scenario;
    }
}

} // namespace
} // namespace hmdx::test
