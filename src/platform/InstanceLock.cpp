// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceLock.h"

#include "Filled.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace hmdx {

InstanceLock::InstanceLock(std::filesystem::path lockFile) : m_path(std::move(lockFile)) {}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("hmdx::InstanceLock", text).toStdString();
}

} // namespace

bool InstanceLock::refuse(const char* why, const std::string& reason) {
    m_problem = Filled(translated(QT_TRANSLATE_NOOP(
                           "hmdx::InstanceLock",
                           "not using the lock file %1: %2; a second hmdx would not be noticed.")),
                       {m_path.string(), Filled(translated(why), {reason})});
    std::cerr << "hmdx: " << m_problem << "\n";
    return false;
}

bool InstanceLock::anotherIsRunning() {
    if (m_fd >= 0 || !m_problem.empty())
        return false;
    // Anyone who may write into the folder could swap the file for a link between our checks.
    struct stat folder {};
    const std::filesystem::path parent = m_path.parent_path().empty() ? "." : m_path.parent_path();
    if (::lstat(parent.c_str(), &folder) != 0)
        return refuse(QT_TRANSLATE_NOOP("hmdx::InstanceLock", "its folder cannot be read (%1)"),
                      std::strerror(errno));
    if (!S_ISDIR(folder.st_mode) || folder.st_uid != ::getuid() || (folder.st_mode & 022))
        return refuse(QT_TRANSLATE_NOOP("hmdx::InstanceLock",
                                        "its folder is not a folder of this user's alone"));
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return errno == ELOOP
                   ? refuse(QT_TRANSLATE_NOOP("hmdx::InstanceLock", "it is a symbolic link"))
                   : refuse(QT_TRANSLATE_NOOP("hmdx::InstanceLock", "it cannot be opened (%1)"),
                            std::strerror(errno));
    struct stat file {};
    if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode) || file.st_uid != ::getuid()) {
        ::close(fd);
        return refuse(QT_TRANSLATE_NOOP("hmdx::InstanceLock", "it is not a file of this user's"));
    }
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
    const std::filesystem::path own =
        std::filesystem::temp_directory_path() / ("hmdx-" + std::to_string(::getuid()));
    // An existing one is checked, not trusted, when the lock is taken.
    ::mkdir(own.c_str(), 0700);
    return own / "hmdx.lock";
}

} // namespace hmdx
