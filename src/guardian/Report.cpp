// SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include "platform/GuardianProtocol.h"

#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace hmdx::guardian {
namespace {

// The journal's native protocol: one datagram of KEY=value lines. Spoken directly, so the
// guardian needs no library beyond libc.
void sendToJournal(const char* text) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, "/run/systemd/journal/socket", sizeof address.sun_path - 1);
    char entry[1024];
    const int size = std::snprintf(
        entry, sizeof entry, "MESSAGE=%s\nPRIORITY=3\nSYSLOG_IDENTIFIER=%s\n", text, kProgram);
    if (size <= 0 || size_t(size) >= sizeof entry)
        return;
    const int journal = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (journal < 0)
        return;
    (void)::sendto(journal, entry, size_t(size), MSG_NOSIGNAL,
                   reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::close(journal);
}

} // namespace

void Report(const char* text) {
    ::dprintf(STDERR_FILENO, "%s: %s\n", kProgram, text);
    sendToJournal(text);
}

} // namespace hmdx::guardian
