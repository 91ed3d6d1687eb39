// SPDX-License-Identifier: GPL-3.0-or-later
#include "Journal.h"

#include <sys/uio.h>
// The sender's own source line says nothing about the entry.
#define SD_JOURNAL_SUPPRESS_LOCATION
#include <systemd/sd-journal.h>
#include <unistd.h>

namespace hmdx {

bool JournalAvailable() {
    return ::access("/run/systemd/journal/socket", F_OK) == 0;
}

void SendToJournal(std::vector<std::string> fields) {
    std::vector<iovec> iov;
    iov.reserve(fields.size());
    for (std::string& f : fields)
        iov.push_back({f.data(), f.size()});
    (void)sd_journal_sendv(iov.data(), static_cast<int>(iov.size()));
}

} // namespace hmdx
