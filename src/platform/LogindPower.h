// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PowerOff.h"

namespace hmdx {

// Power-off through systemd-logind on the system bus. polkit may ask the user to confirm.
class LogindPower : public PowerOff {
public:
    // True when logind answers "yes" or "challenge" to CanPowerOff; false without a system
    // bus or logind.
    bool canPowerOff();
    void requestPowerOff() override;
};

} // namespace hmdx
