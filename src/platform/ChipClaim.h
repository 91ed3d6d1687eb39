// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace hmdx {

// Who holds the machine's claim on the chip, as far as the system tells.
struct ClaimHolder {
    pid_t pid = 0;             // 0: not known
    std::optional<uid_t> user; // the holder's user; for a file that cannot be used, its owner
    bool service = false;      // the holder runs as hmdx.service
};

struct ClaimOutcome {
    enum class State {
        Taken,    // this process holds the claim now
        Held,     // another process holds it
        Unusable, // the claim file is in a state hmdx cannot use (another user's, a link, not a
                  // file): counts as held
        NotMade,  // no claim can be made on this system (no usable lock folder): told, then hmdx
                  // goes on
    };
    State state = State::Taken;
    ClaimHolder holder; // Held, Unusable
    std::string why;    // Unusable, NotMade: what is wrong, in plain words (English, for a message)
};

// The seam: start-up asks it before touching any port.
class ChipClaim {
public:
    virtual ~ChipClaim() = default;
    virtual ClaimOutcome take() = 0;
    // The descriptor that holds the claim (for the fan guardian to inherit); -1 when none.
    virtual int descriptor() const = 0;
};

// For the simulated chip, which claims nothing.
class NoChipClaim : public ChipClaim {
public:
    ClaimOutcome take() override { return {}; }
    int descriptor() const override { return -1; }
};

// An exclusive flock on FOLDER/hmdx.lock, seen by every user and the service alike. The kernel
// drops it however the holder ends, so it never goes stale; the file is never reached through a
// link, and one that cannot be opened as a plain file counts as held. It runs before anything
// reads the environment, while the process may still hold CAP_SYS_RAWIO: plain POSIX only.
class MachineClaim : public ChipClaim {
public:
    static constexpr const char* kFolder = "/run/lock";
    static constexpr const char* kFileName = "hmdx.lock";
    // `proc` is where /proc is (tests point it elsewhere to feed a made-up /proc/locks).
    explicit MachineClaim(std::filesystem::path folder = kFolder,
                          std::filesystem::path proc = "/proc");
    ~MachineClaim() override;
    MachineClaim(const MachineClaim&) = delete;
    MachineClaim& operator=(const MachineClaim&) = delete;

    ClaimOutcome take() override;
    int descriptor() const override { return m_fd; }

private:
    // One go at opening and locking `file`; on success m_fd holds it.
    ClaimOutcome lock(const std::filesystem::path& file);
    ClaimHolder holderOf(dev_t device, ino_t inode) const;

    std::filesystem::path m_folder;
    std::filesystem::path m_proc;
    int m_fd = -1;
};

// The process holding a FLOCK on the file (device, inode) in a /proc/locks listing; 0 when none
// is shown.
pid_t FindFlockHolder(std::string_view locks, dev_t device, ino_t inode);

// The user's login name, or the number when it has none.
std::string UserName(uid_t user);

} // namespace hmdx
