// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace hmdx {

// Asks the operating system for an orderly power-off (no forcing of other programs).
class PowerOff {
public:
    virtual ~PowerOff() = default;
    virtual void requestPowerOff() = 0;
};

} // namespace hmdx
