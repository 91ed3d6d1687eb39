// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Backend.h"
#include "CommandLine.h"
#include "chip/Startup.h"

#include <memory>
#include <string>

namespace hmdx {

// What start-up did while hmdx could still take I/O ports.
struct PrivilegedStart {
    // The real chip's ports, with only those hmdx goes on using still granted; none on the
    // simulated chip and for what ends without a chip (--help, --version, a wrong line).
    std::unique_ptr<HardwarePorts> ports;
    ChipDetection detection; // what looking for the real chip found
    std::string failure;     // the capabilities could not be given up: hmdx must end
};

// The first thing main does, before Qt, translations, D-Bus or anything that reads the
// environment, while the process has one thread. For the real chip: claims it for the
// machine, finds it and gives up every port but the ones it keeps using. Then, on every path
// and whatever was found, gives up every capability for good. Says nothing: what was found
// is told once the user's language is loaded.
PrivilegedStart StartPrivileged(const CommandLineParse& parsed);

} // namespace hmdx
