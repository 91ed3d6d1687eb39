// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonLinesSink.h"

#include "platform/Filled.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace hmdx {
namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("hmdx::JsonLinesSink", text).toStdString();
}

} // namespace

std::unique_ptr<JsonLinesSink> JsonLinesSink::Open(const std::filesystem::path& path,
                                                   std::string& error) {
    // O_NONBLOCK only for the open: a FIFO with no reader then fails at once instead of
    // hanging the start-up.
    int fd;
    do
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const std::string why = std::strerror(errno); // before translating moves errno
        error = Filled(translated(QT_TRANSLATE_NOOP("hmdx::JsonLinesSink",
                                                    "Cannot open the event log %1: %2")),
                       {path.string(), why});
        return nullptr;
    }
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return std::unique_ptr<JsonLinesSink>(new JsonLinesSink(path, fd));
}

JsonLinesSink::~JsonLinesSink() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void JsonLinesSink::write(const Event& e) {
    if (m_failed)
        return;
    std::string line = ToJsonLine(e);
    line += '\n';
    const char* p = line.data();
    std::size_t left = line.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            m_failed = true;
            ::close(m_fd);
            m_fd = -1;
            if (onFailure)
                onFailure(Filled(translated(QT_TRANSLATE_NOOP(
                                     "hmdx::JsonLinesSink",
                                     "Cannot write the event log %1: %2. Events are no longer "
                                     "written to it; monitoring goes on.")),
                                 {m_path.string(), std::strerror(err)}));
            return;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

} // namespace hmdx
