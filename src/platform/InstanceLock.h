// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SingleInstance.h"

#include <filesystem>
#include <string>

namespace hmdx {

// A lock file in a folder private to the user, held with flock(): the kernel drops the lock
// when the process ends, however it ends, so a crashed instance never leaves it stuck. The file
// is never reached through a symbolic link, nor used when another user owns it or its folder:
// such a lock is refused with a message, and the program runs without noticing a second
// instance rather than write where someone else pointed it.
class InstanceLock : public SingleInstance {
public:
    explicit InstanceLock(std::filesystem::path lockFile);
    ~InstanceLock() override;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool anotherIsRunning() override;
    // Why the lock file could not be used; empty when it could.
    const std::string& problem() const { return m_problem; }

    // $XDG_RUNTIME_DIR/hmdx.lock, or hmdx.lock in a 0700 folder of hmdx's own in the temporary
    // folder, made when missing.
    static std::filesystem::path defaultLockFile();

private:
    // `why` is a fixed text with %1 for `reason`.
    bool refuse(const char* why, const std::string& reason = {});

    std::filesystem::path m_path;
    int m_fd = -1;
    std::string m_problem;
};

} // namespace hmdx
