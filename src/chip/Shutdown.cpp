// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shutdown.h"

namespace hmdx {

ShutdownOutcome ShutdownSystem(MessageBoxes& boxes, PortIo& io, PowerOff& power) {
    if (!boxes.askYesNo(kShutdownQuestion, kShutdownTitle))
        return ShutdownOutcome::Declined;
    if (io.acquirePowerOffPrivilege() == 0) {
        boxes.inform(kShutdownRefused);
        return ShutdownOutcome::Refused;
    }
    // Nothing is saved on this road: the user asked to go down now.
    power.requestPowerOff();
    io.releasePowerOffPrivilege();
    return ShutdownOutcome::Requested;
}

} // namespace hmdx
