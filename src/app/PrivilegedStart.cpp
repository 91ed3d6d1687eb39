// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivilegedStart.h"

#include "chip/ChipProgramming.h"
#include "chip/PortPermissions.h"
#include "platform/Privileges.h"

namespace hmdx {
namespace {

bool onRealChip(const CommandLineParse& parsed) {
    return parsed.options && !parsed.options->help && !parsed.options->version &&
           !parsed.options->simulate;
}

} // namespace

PrivilegedStart StartPrivileged(const CommandLineParse& parsed) {
    PrivilegedStart start;
    if (!onRealChip(parsed)) {
        start.failure = DropPrivileges();
        return start;
    }
    start.ports = std::make_unique<HardwarePorts>();
    Chip chip(start.ports->io);
    start.detection = FindChip(chip, start.ports->claims, start.ports->chipClaim);
    const bool found = start.detection.outcome == StartupOutcome::Ready;
    // A chip that is not used keeps no port at all.
    start.ports->io.keepOnly(found ? PortsInUse(chip) : std::vector<uint16_t>{});
    static KernelPortPermissions kernel;
    GiveUpPortsInEveryFork(kernel);
    start.failure = DropPrivileges();
    // hmdx ends here: the chip as it was found.
    if (!start.failure.empty() && found)
        GiveBackSuperIo(chip);
    return start;
}

} // namespace hmdx
