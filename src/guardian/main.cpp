// SPDX-License-Identifier: GPL-3.0-or-later
// The fan guardian: started by hmdx while it controls a fan output, it puts the outputs to
// full speed when hmdx is gone (a crash, SIGKILL, the OOM killer) or hangs. Plain C++ and
// POSIX with no C++ runtime, so that it loads libc alone and stays small.
#include "Report.h"
#include "Watch.h"
#include "chip/PortWrites.h"
#include "platform/GuardianProtocol.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace hmdx::guardian {
namespace {

struct Options {
    pid_t parent = 0;
    int pipe = -1;
    PortWrites writes;
    const char* trace = nullptr; // simulation: append to this trace file
    bool ports = false;          // hardware: the ports hmdx granted
};

const char* valueOf(const char* arg, const char* name) {
    const size_t length = std::strlen(name);
    return std::strncmp(arg, name, length) == 0 ? arg + length : nullptr;
}

bool wholeNumber(const char* text, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && value > 0;
}

bool parse(int argc, char** argv, Options& o) {
    bool writes = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = nullptr;
        long number = 0;
        if ((value = valueOf(arg, "--parent=")) && wholeNumber(value, number))
            o.parent = pid_t(number);
        else if ((value = valueOf(arg, "--pipe=")) && wholeNumber(value, number))
            o.pipe = int(number);
        else if ((value = valueOf(arg, "--writes=")))
            writes = ParsePortWrites(value, o.writes);
        else if ((value = valueOf(arg, "--trace=")) && *value)
            o.trace = value;
        else if (std::strcmp(arg, "--ports") == 0)
            o.ports = true;
        else
            return false;
    }
    // Exactly one place to write to: never the real ports by default.
    return o.parent > 1 && o.pipe >= 0 && writes && (o.trace != nullptr) != o.ports;
}

void say(const char* format, pid_t parent, const char* what) {
    char text[320];
    std::snprintf(text, sizeof text, format, int(parent), what);
    Report(text);
}

// Why the outputs go to full speed.
void why(Ending ending, const Options& o, char* text, size_t size) {
    if (ending == Ending::Gone) {
        std::snprintf(text, size, "ended without stopping fan control");
        return;
    }
    const bool gone = KillAndWait(o.pipe, o.parent);
    std::snprintf(text, size, "sent no heartbeat for %d s and %s", kHangSeconds,
                  gone ? "was killed" : "was still there 10 s after SIGKILL");
}

} // namespace
} // namespace hmdx::guardian

int main(int argc, char** argv) {
    using namespace hmdx;
    using namespace hmdx::guardian;
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: %s --parent=PID --pipe=FD --writes=PORT:VALUE,... "
                     "(--trace=FILE | --ports)\n",
                     kProgram);
        return 2;
    }
    // hmdx decides when this ends: a terminal's Ctrl-C or a service stop reaches both, and
    // hmdx ending in order says quit.
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        std::signal(sig, SIG_IGN);
    RawPorts to{RawPorts::Kind::Hardware};
    if (o.trace) {
        to = {RawPorts::Kind::Trace, ::open(o.trace, O_WRONLY | O_APPEND | O_CLOEXEC)};
        if (to.traceFd < 0) {
            say("cannot open the trace file of hmdx (pid %d): %s", o.parent, std::strerror(errno));
            return 1;
        }
    }
    const Ending ending = Watch(o.pipe, o.parent);
    if (ending == Ending::Quit)
        return 0;
    char what[128];
    why(ending, o, what, sizeof what);
    PerformPortWrites(o.writes, to);
    say("hmdx (pid %d) %s: fan outputs set to full speed", o.parent, what);
    return 0;
}
