#include "InstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace hmdx {

InstanceLock::InstanceLock(std::filesystem::path lockFile) : m_path(std::move(lockFile)) {}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceLock::anotherIsRunning() {
    if (m_fd >= 0)
        return false;
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file nothing can be told; better to run than to refuse.
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held;
    }
    m_fd = fd;
    return false;
}

std::filesystem::path InstanceLock::defaultLockFile() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::filesystem::path(runtime) / "hmdx.lock";
    return std::filesystem::temp_directory_path() /
           ("hmdx-" + std::to_string(::getuid()) + ".lock");
}

} // namespace hmdx
