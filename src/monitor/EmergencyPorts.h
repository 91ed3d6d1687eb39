// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/PortWrites.h"

#include <string>

namespace hmdx {

// Where port writes go when hmdx's own code cannot make them (the crash handler, the
// guardian), as the backend says: the real ports, or the simulation's trace by descriptor and
// by name.
struct EmergencyPorts {
    RawPorts raw;
    std::string traceFile;
    int claim = -1; // the machine's claim on the chip, held until the writes are made
};

} // namespace hmdx
