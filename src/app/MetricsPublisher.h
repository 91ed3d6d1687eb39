#pragma once

#include "monitor/Machine.h"
#include "monitor/Metrics.h"
#include "ui/main/MainRows.h"

#include <QObject>
#include <QTimer>
#include <filesystem>

namespace hmdx {

// Writes the readings, limits and counters as Prometheus metrics every interval, with the
// values the window shows. A write that fails is logged once and tried again next time.
class MetricsPublisher : public QObject {
public:
    MetricsPublisher(Machine& m, const MainRows& rows, std::filesystem::path file, int seconds);

    MetricsSnapshot snapshot() const;
    void publish();

private:
    Machine& m_m;
    const MainRows& m_rows;
    std::filesystem::path m_file;
    QTimer m_timer;
    bool m_failing = false;
};

} // namespace hmdx
