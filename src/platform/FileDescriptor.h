// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace hmdx {

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    // Closes now so that a failing close (a delayed write error) can be reported: 0 or errno.
    int close() {
        const int rc = ::close(std::exchange(m_fd, -1));
        return rc == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

} // namespace hmdx
