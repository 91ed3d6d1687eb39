// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/WindowRig.h"

#include <algorithm>
#include <cstdio>

namespace hmdx::test {

using Bytes = std::vector<uint8_t>;

// Every register a poll reads: voltages, Temp1, fan counts, the status registers, Vsb and Vbat,
// Temp2 and Temp3.
struct Register {
    int bank, reg;
};
inline constexpr Register kPolled[] = {
    {0, 0x20}, {0, 0x21}, {0, 0x22}, {0, 0x23}, {0, 0x24}, {0, 0x25}, {0, 0x26},
    {0, 0x27}, {0, 0x28}, {0, 0x29}, {0, 0x2A}, {0, 0x41}, {0, 0x42}, {5, 0x50},
    {5, 0x51}, {1, 0x50}, {1, 0x51}, {2, 0x50}, {2, 0x51},
};

// However the readings go, no item's fault count leaves 0..3.
inline bool FaultCountsBounded(const hmdx::Machine& m) {
    return std::all_of(m.state.faultCounts.begin(), m.state.faultCounts.end(),
                       [](int n) { return n >= 0 && n <= 3; });
}

// The offscreen platform says so for every dialog shown and raised; a long run would drown
// in it.
inline void QuietOffscreenPlatform(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (!text.startsWith(QStringLiteral("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// The simulated machine started as hmdx starts on it, over the given settings file, with the
// main window (not yet loaded) and the real dialogs; the port traffic goes unrecorded.
struct Machine : WindowRig {
    explicit Machine(const sim::Scenario& scenario, const std::optional<Bytes>& dataFile = {})
        : WindowRig(scenario, true, dataFile) {
        qInstallMessageHandler(QuietOffscreenPlatform);
        sim.io.recording = false;
    }
};

} // namespace hmdx::test
