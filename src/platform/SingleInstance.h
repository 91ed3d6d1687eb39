// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace hmdx {

// Whether another copy of the program already runs for this user. The first caller becomes
// the running instance for as long as the process lives.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    virtual bool anotherIsRunning() = 0;
};

} // namespace hmdx
