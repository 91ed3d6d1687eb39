// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/Metrics.h"
#include "monitor/Monitor.h"

#include <filesystem>

namespace hmdx {

// Writes the readings, limits and counters as Prometheus metrics every interval, with the
// values the window shows. A write that fails is logged once and tried again next time.
class MetricsPublisher {
public:
    MetricsPublisher(Monitor& monitor, std::filesystem::path file, int seconds);

    MetricsSnapshot snapshot() const;
    void publish();
    // After each one-second tick: publishes when the interval is up, with that tick's readings.
    void tick();

private:
    Monitor& m_monitor;
    std::filesystem::path m_file;
    int m_seconds;
    int m_ticks = 0;
    bool m_failing = false;
};

} // namespace hmdx
