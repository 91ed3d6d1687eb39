// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFile.h"

#include "FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace hmdx {

namespace {

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO; // no progress: trying again would spin
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int Fill(int fd, std::string_view bytes, mode_t mode) {
    if (::fchmod(fd, mode) != 0)
        return errno;
    if (const int err = WriteAll(fd, bytes))
        return err;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Not every file system can sync a folder, and the new file is in place already, so a failure
// here is not reported.
void SyncFolder(const std::filesystem::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

void RemoveStale(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
            entry.is_regular_file(error))
            std::filesystem::remove(entry.path(), error);
    }
}

// Where the links at `path` lead. A link that is neither the user's nor root's is not
// followed: someone else's link must not choose which of the user's files is replaced.
int Resolve(std::filesystem::path& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno; // made where it leads
        if (!S_ISLNK(st.st_mode))
            return 0;
        if (st.st_uid != ::geteuid() && st.st_uid != 0)
            return EPERM;
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error)
            return error.value();
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return ELOOP;
}

} // namespace

int WriteFileAtomically(const std::filesystem::path& given, std::string_view bytes,
                        const AtomicWrite& how) {
    std::filesystem::path path = given;
    mode_t mode = how.mode;
    if (how.followLink) {
        if (const int err = Resolve(path))
            return err;
        if (struct stat st{}; ::stat(path.c_str(), &st) == 0)
            mode = st.st_mode & 0777;
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::string prefix = (how.hiddenTemp ? "." : "") + path.filename().string() + ".";
    std::string temp = (folder / (prefix + "XXXXXX")).string();
    FileDescriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    int err = Fill(fd.get(), bytes, mode);
    if (const int closeErr = fd.close(); err == 0)
        err = closeErr;
    if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return err;
    }
    if (how.syncFolder)
        SyncFolder(folder);
    if (how.removeStale)
        RemoveStale(folder, prefix);
    return 0;
}

} // namespace hmdx
