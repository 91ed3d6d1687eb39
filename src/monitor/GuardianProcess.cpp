// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuardianProcess.h"

#include "chip/PortPermissions.h"
#include "platform/GuardianProtocol.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace hmdx {
namespace {

constexpr int kGuardianPipe = 3;  // the guardian's descriptor for its end
constexpr int kGuardianClaim = 4; // and for the machine's claim on the chip

bool executable(const std::filesystem::path& file) {
    return ::access(file.c_str(), X_OK) == 0;
}

std::string reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Between fork and exec only async-signal-safe calls: hmdx has threads.
[[noreturn]] void becomeGuardian(int pipe, const GuardianProcess::Launch& launch,
                                 char* const* argv) {
    const int claim = launch.claim;
    // Copies out of the way first: either may sit where the other one goes.
    const int pipeCopy = ::fcntl(pipe, F_DUPFD, kGuardianClaim + 1);
    const int claimCopy = claim >= 0 ? ::fcntl(claim, F_DUPFD, kGuardianClaim + 1) : -1;
    ::dup2(pipeCopy, kGuardianPipe);
    // Held until its writes are made: no new hmdx starts on the chip in the middle of them.
    if (claimCopy >= 0)
        ::dup2(claimCopy, kGuardianClaim);
    // Nothing else of hmdx's stays open in it: a lock or a socket it kept could outlive hmdx.
    const int firstClosed = claimCopy >= 0 ? kGuardianClaim + 1 : kGuardianPipe + 1;
    if (::close_range(unsigned(firstClosed), ~0U, 0) != 0)
        for (int fd = firstClosed; fd < 1024; ++fd)
            ::close(fd);
    // A session of its own: a terminal's Ctrl-Z, or a signal to hmdx's process group, must not
    // stop the one process that acts when hmdx is stopped.
    ::setsid();
    KernelPortPermissions ports;
    if (launch.to.kind == RawPorts::Kind::Hardware)
        KeepOnlyPortsOf(ports, launch.writes);
    else
        GiveUpEveryPort(ports);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execv(argv[0], argv);
    ::_exit(127);
}

} // namespace

std::filesystem::path FindGuardian() {
    const std::filesystem::path installed =
        std::filesystem::path(HMDX_GUARDIAN_DIR) / guardian::kProgram;
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (self.empty())
        return installed;
    // Beside it in a build tree; where the install put it relative to bin/, for an install
    // under another prefix than the one built for.
    const std::filesystem::path folder = self.parent_path();
    for (const std::filesystem::path& candidate :
         {folder / guardian::kProgram, folder / HMDX_GUARDIAN_FROM_BIN / guardian::kProgram})
        if (executable(candidate))
            return candidate.lexically_normal();
    return installed;
}

std::string GuardianProcess::start(const Launch& launch) {
    quit();
    if (!executable(launch.program))
        return reason(launch.program.c_str());
    char writes[PortWrites::kCapacity * 16];
    if (FormatPortWrites(launch.writes, writes, sizeof writes) == 0)
        return "no writes to make";
    // The guardian cannot ask for port access itself, and hmdx no longer may: the chip's
    // ports, granted at start-up, pass to it through fork and execve.
    std::vector<std::string> args{
        launch.program.string(), "--parent=" + std::to_string(::getpid()),
        "--pipe=" + std::to_string(kGuardianPipe), std::string("--writes=") + writes,
        launch.to.kind == RawPorts::Kind::Hardware ? "--ports" : "--trace=" + launch.traceFile};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    // A socket pair rather than a pipe: a heartbeat to a guardian that died is an error, not
    // a SIGPIPE that would end hmdx.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return reason("socketpair");
    ::shutdown(ends[0], SHUT_WR);
    ::shutdown(ends[1], SHUT_RD);
    const pid_t pid = [] {
        const KeepPortsInFork keep;
        return ::fork();
    }();
    if (pid == 0)
        becomeGuardian(ends[0], launch, argv.data());
    ::close(ends[0]);
    if (pid < 0) {
        const std::string why = reason("fork");
        ::close(ends[1]);
        return why;
    }
    m_pid = pid;
    m_pipe = ends[1];
    return {};
}

void GuardianProcess::heartbeat() {
    if (m_pipe >= 0)
        (void)::send(m_pipe, &guardian::kHeartbeat, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
}

std::optional<std::string> GuardianProcess::reap() {
    int status = 0;
    const pid_t ended = m_pid > 0 ? ::waitpid(m_pid, &status, WNOHANG) : 0;
    if (ended == 0 || (ended < 0 && errno != ECHILD))
        return std::nullopt;
    m_pid = -1;
    ::close(m_pipe);
    m_pipe = -1;
    if (ended < 0)
        return std::string("no longer a child of hmdx");
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "exit status " + std::to_string(WEXITSTATUS(status));
}

void GuardianProcess::quit() {
    if (m_pid <= 0)
        return;
    (void)::send(m_pipe, &guardian::kQuit, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    ::close(m_pipe);
    m_pipe = -1;
    // It ends as soon as it reads the byte; one that does not (stopped, say) is ended.
    for (int tries = 0; tries < 100; ++tries) {
        if (::waitpid(m_pid, nullptr, WNOHANG) != 0) {
            m_pid = -1;
            return;
        }
        ::usleep(10000);
    }
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

} // namespace hmdx
