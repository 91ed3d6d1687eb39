// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EmergencyPorts.h"
#include "FanSafety.h"
#include "Machine.h"
#include "MetricsPublisher.h"
#include "Monitor.h"
#include "WarningDispatch.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace hmdx {

// One run's monitoring with its clock: the monitor with its fan control, the fans' safety
// net, the metrics, and every duty that follows a reading, driven by one timer in one order.
// Windows and the headless front end watch it; none is needed for it to run.
class Session : public QObject {
    Q_OBJECT
public:
    // What a tick does after the monitor's poll (which ends with fan control), in this order.
    enum class Duty {
        GuardianHeartbeat,  // the fan guardian hears that hmdx still runs
        NotificationReview, // notifications of items no longer monitored go
        Metrics,            // the metrics file, when its interval is up
    };
    static constexpr int kTickMs = 1000;

    Session(Machine& machine, WarningDialogs& warnings);

    Machine& machine() { return m_machine; }
    Monitor& monitor() { return m_monitor; }
    const Monitor& monitor() const { return m_monitor; }
    FanControl& fans() { return m_monitor.fans(); }
    QTimer& clock() { return m_clock; }

    void setDuty(Duty duty, std::function<void()> work);
    // While a fan output is controlled, a crash, a kill or a hang still leaves it at full
    // speed: a crash handler and the guardian program stand by, the guardian fed at every
    // tick. Without a guardian fan control holds the outputs full, and `tell` hears why.
    void guardFans(EmergencyPorts ports, std::filesystem::path guardian,
                   std::function<void(const std::string& why)> tell);
    // The metrics file, now and then every `seconds` ticks.
    void publishMetrics(std::filesystem::path file, int seconds);
    // Chip and limits from the settings, then a tick every second.
    void start();
    // One tick: the monitor's poll, every duty, then ticked().
    void tick();

    // File > Default: factory settings in force (not saved), with the clock held meanwhile.
    void restoreDefaults();
    // File > Save: the settings to their file. The message for the user when it failed.
    std::optional<std::string> save();
    // The user's ways out: File > Exit leaves the chip as the settings ask, the tray's Exit
    // silences it; both put the fans to full speed, stop the clock, then call onEnd.
    enum class Way { Exit, TrayExit };
    void end(Way way);
    std::function<void()> onEnd;

signals:
    // A tick is done: readings, fan control and every duty.
    void ticked();
    // The settings in force changed wholesale (Default): every row is drawn again.
    void reloaded();

private:
    Machine& m_machine;
    // Before the monitor: its fan control's last word (full speed) reaches a guardian that
    // still stands.
    std::optional<FanSafety> m_safety;
    Monitor m_monitor;
    std::optional<MetricsPublisher> m_metrics;
    QTimer m_clock;
    std::array<std::function<void()>, 3> m_duties;
};

} // namespace hmdx
