// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipClaim.h"

#include "FileDescriptor.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace hmdx {

namespace {

using State = ClaimOutcome::State;

constexpr std::size_t kLocksCap = 1 << 20;
constexpr std::size_t kCgroupCap = 8 << 10;

// At most `cap` bytes of a plain file, never waiting on a FIFO nor following a link at its end.
// When the cap cuts a line, that line is dropped: a cut inode number could match another file.
std::string ReadWholeLines(const std::filesystem::path& path, std::size_t cap) {
    FileDescriptor fd(
        ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    std::string text(cap, '\0');
    std::size_t size = 0;
    while (size < cap) {
        const ssize_t n = ::read(fd.get(), text.data() + size, cap - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    text.resize(size == cap ? text.rfind('\n') + 1 : size);
    return text;
}

template <typename Each> void ForEachLine(std::string_view text, Each each) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        each(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            return words;
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
        words.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
}

// The whole of `text` as a number, nothing before or after it.
template <typename T> bool Number(std::string_view text, T& value, int base = 10) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    return error == std::errc() && stop == end;
}

// MAJOR:MINOR:INODE, the first two in hex.
bool SameFile(std::string_view field, dev_t device, ino_t inode) {
    const std::size_t first = field.find(':');
    const std::size_t second = field.find(':', first == std::string_view::npos ? 0 : first + 1);
    if (second == std::string_view::npos)
        return false;
    unsigned int majorNumber = 0;
    unsigned int minorNumber = 0;
    ino_t inodeNumber = 0;
    return Number(field.substr(0, first), majorNumber, 16) &&
           Number(field.substr(first + 1, second - first - 1), minorNumber, 16) &&
           Number(field.substr(second + 1), inodeNumber) && majorNumber == major(device) &&
           minorNumber == minor(device) && inodeNumber == inode;
}

ClaimOutcome NotMade(std::string why) {
    return {State::NotMade, {}, std::move(why)};
}

ClaimOutcome Unusable(const std::filesystem::path& file, const std::string& what,
                      std::optional<uid_t> owner) {
    return {State::Unusable, {0, owner, false}, file.string() + " " + what};
}

std::optional<uid_t> OwnerOf(const std::filesystem::path& file) {
    struct stat st {};
    return ::lstat(file.c_str(), &st) == 0 ? std::optional<uid_t>(st.st_uid) : std::nullopt;
}

} // namespace

MachineClaim::MachineClaim(std::filesystem::path folder, std::filesystem::path proc)
    : m_folder(std::move(folder)), m_proc(std::move(proc)) {}

MachineClaim::~MachineClaim() {
    if (m_fd >= 0)
        ::close(m_fd);
}

ClaimOutcome MachineClaim::take() {
    if (m_fd >= 0)
        return {};
    struct stat folder {};
    if (::lstat(m_folder.c_str(), &folder) != 0)
        return NotMade(m_folder.string() + " cannot be used (" + std::strerror(errno) + ")");
    // Root's, or this user's own so that tests can use a folder of theirs: nobody but root owns
    // /run/lock.
    if (!S_ISDIR(folder.st_mode) || (folder.st_uid != 0 && folder.st_uid != ::geteuid()))
        return NotMade(m_folder.string() + " is not a folder of root's");
    if ((folder.st_mode & 022) && !(folder.st_mode & S_ISVTX))
        return NotMade(m_folder.string() + " lets other users replace the files in it");
    // A file unlinked and made anew between our open and our lock would leave two holders, each
    // on a file of its own: the lock counts only while the name still leads to it.
    const std::filesystem::path file = m_folder / kFileName;
    for (int attempt = 0; attempt < 3; ++attempt) {
        ClaimOutcome outcome = lock(file);
        struct stat named {};
        struct stat locked {};
        if (outcome.state != State::Taken ||
            (::lstat(file.c_str(), &named) == 0 && ::fstat(m_fd, &locked) == 0 &&
             named.st_dev == locked.st_dev && named.st_ino == locked.st_ino))
            return outcome;
        ::close(std::exchange(m_fd, -1));
    }
    return NotMade(file.string() + " keeps being replaced");
}

ClaimOutcome MachineClaim::lock(const std::filesystem::path& file) {
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    // Looked at first so that a device planted here is not even opened.
    struct stat seen {};
    if (::lstat(file.c_str(), &seen) == 0 && !S_ISREG(seen.st_mode))
        return Unusable(file, S_ISLNK(seen.st_mode) ? "is a symbolic link" : "is not a plain file",
                        seen.st_uid);
    // No O_CREAT on a file that may exist: with fs.protected_regular it fails on another user's
    // file in a sticky folder, even one anybody may read.
    int fd = ::open(file.c_str(), kFlags);
    bool making = false;
    if (fd < 0 && errno == ENOENT) {
        making = true;
        fd = ::open(file.c_str(), kFlags | O_CREAT | O_EXCL, 0644);
        // Readable by all whatever the umask: every user, and the service's root without
        // CAP_DAC_OVERRIDE, must be able to open it after us.
        if (fd >= 0) {
            ::fchmod(fd, 0644);
        } else if (errno == EEXIST) {
            making = false;
            fd = ::open(file.c_str(), kFlags);
        }
    }
    if (fd < 0) {
        const int error = errno;
        return Unusable(file,
                        error == ELOOP
                            ? std::string("is a symbolic link")
                            : std::string(making ? "cannot be made (" : "cannot be opened (") +
                                  std::strerror(error) + ")",
                        OwnerOf(file));
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Unusable(file, "is not a plain file", OwnerOf(file));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return {};
    }
    const int error = errno;
    ::close(fd);
    if (error != EWOULDBLOCK)
        return NotMade(file.string() + " cannot be locked (" + std::strerror(error) + ")");
    return {State::Held, holderOf(opened.st_dev, opened.st_ino), {}};
}

ClaimHolder MachineClaim::holderOf(dev_t device, ino_t inode) const {
    ClaimHolder holder;
    holder.pid = FindFlockHolder(ReadWholeLines(m_proc / "locks", kLocksCap), device, inode);
    if (holder.pid == 0)
        return holder;
    const std::filesystem::path process = m_proc / std::to_string(holder.pid);
    // The folder bears the effective user even of a process that may not be dumped (setcap).
    struct stat st {};
    if (::stat(process.c_str(), &st) == 0)
        holder.user = st.st_uid;
    ForEachLine(ReadWholeLines(process / "cgroup", kCgroupCap), [&](std::string_view line) {
        holder.service = holder.service || line.ends_with("/hmdx.service");
    });
    return holder;
}

pid_t FindFlockHolder(std::string_view locks, dev_t device, ino_t inode) {
    pid_t holder = 0;
    // "1: FLOCK  ADVISORY  WRITE 4321 00:19:123 0 EOF"; waiters have "->" after the number.
    ForEachLine(locks, [&](std::string_view line) {
        const std::vector<std::string_view> words = Words(line);
        pid_t pid = 0;
        if (holder == 0 && words.size() >= 6 && words[1] == "FLOCK" && Number(words[4], pid) &&
            pid > 0 && SameFile(words[5], device, inode))
            holder = pid;
    });
    return holder;
}

std::string UserName(uid_t user) {
    std::array<char, 4096> buffer{};
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name && *found->pw_name)
        return found->pw_name;
    return std::to_string(user);
}

} // namespace hmdx
