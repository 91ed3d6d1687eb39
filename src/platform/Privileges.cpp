// SPDX-License-Identifier: GPL-3.0-or-later
#include "Privileges.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <linux/securebits.h>
#include <memory>
#include <sys/capability.h>
#include <sys/prctl.h>
#include <type_traits>
#include <unistd.h>

namespace hmdx {
namespace {

struct CapFree {
    void operator()(cap_t caps) const { cap_free(caps); }
};
using Caps = std::unique_ptr<std::remove_pointer_t<cap_t>, CapFree>;

constexpr unsigned kNoRootEver = SECBIT_NOROOT | SECBIT_NOROOT_LOCKED | SECBIT_NO_SETUID_FIXUP |
                                 SECBIT_NO_SETUID_FIXUP_LOCKED | SECBIT_NO_CAP_AMBIENT_RAISE |
                                 SECBIT_NO_CAP_AMBIENT_RAISE_LOCKED;

std::string failed(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

int threads() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Threads:", 0) == 0)
            return std::atoi(line.c_str() + 8);
    return 0;
}

bool effective(cap_value_t cap) {
    const Caps now(cap_get_proc());
    cap_flag_value_t value = CAP_CLEAR;
    return now && cap_get_flag(now.get(), cap, CAP_EFFECTIVE, &value) == 0 && value == CAP_SET;
}

} // namespace

std::string DropPrivileges() {
    if (threads() > 1)
        return "capabilities belong to a thread, and this process already has several";
    const bool root = ::getuid() == 0 || ::geteuid() == 0;
    if (effective(CAP_SETPCAP)) {
        if (cap_set_secbits(kNoRootEver) != 0)
            return failed("locking the securebits");
        for (cap_value_t cap = 0; cap < cap_max_bits(); ++cap)
            if (cap_get_bound(cap) == 1 && cap_drop_bound(cap) != 0)
                return failed("emptying the bounding set");
    } else if (root && ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) {
        return failed("setting no_new_privs");
    }
    if (cap_reset_ambient() != 0 && errno != EINVAL) // EINVAL: a kernel without ambient sets
        return failed("clearing the ambient set");
    const Caps none(cap_init());
    if (!none || cap_set_proc(none.get()) != 0)
        return failed("clearing the capability sets");
    const Caps now(cap_get_proc());
    if (!now || cap_compare(now.get(), none.get()) != 0)
        return "capabilities are still held after clearing them";
    return {};
}

} // namespace hmdx
