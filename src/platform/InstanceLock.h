#pragma once

#include "SingleInstance.h"

#include <filesystem>

namespace hmdx {

// A lock file in the user's runtime folder held with flock(): the kernel drops the lock when
// the process ends, however it ends, so a crashed instance never leaves it stuck.
class InstanceLock : public SingleInstance {
public:
    explicit InstanceLock(std::filesystem::path lockFile);
    ~InstanceLock() override;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool anotherIsRunning() override;

    // $XDG_RUNTIME_DIR/hmdx.lock, or a per-user file in the temporary folder.
    static std::filesystem::path defaultLockFile();

private:
    std::filesystem::path m_path;
    int m_fd = -1;
};

} // namespace hmdx
