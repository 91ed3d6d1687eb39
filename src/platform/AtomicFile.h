// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>
#include <sys/types.h>

namespace hmdx {

// How WriteFileAtomically treats the file it writes.
struct AtomicWrite {
    mode_t mode = 0600;       // the new file's permissions
    bool hiddenTemp = false;  // the temporary file is ".NAME.XXXXXX" rather than "NAME.XXXXXX"
    bool syncFolder = false;  // makes the rename itself survive a power cut
    bool removeStale = false; // sweeps away temporary files that killed writes left beside the
                              // file; only for a file no one else writes meanwhile
    bool followLink = false;  // a link at the path stays, and the file it leads to is replaced
                              // beside itself; a file replaced keeps its mode
};

// Replaces the file at `path` with `bytes` in one step: a temporary file in the same folder,
// written, synced and renamed over it, so that the file is at every moment either the whole old
// or the whole new one. On failure the temporary file is removed and the old file is as it was.
// Returns 0, or the errno of the step that failed. Plain POSIX, so that every layer can use it.
int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                        const AtomicWrite& how);

} // namespace hmdx
