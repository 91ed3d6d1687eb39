// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backend.h"

#include "Translations.h"
#include "chip/sim/SimulatedPortIo.h"
#include "chip/sim/SimulatedServices.h"
#include "platform/LogindPower.h"
#include "platform/LogindSleepWatcher.h"

#include <QMetaObject>
#include <QObject>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>

namespace hmdx {
namespace {

class HardwareBackend : public Backend {
public:
    explicit HardwareBackend(std::unique_ptr<HardwarePorts> ports) : m_ports(std::move(ports)) {
        m_ports->io.setMayPowerOff([this] { return m_power.canPowerOff(); });
    }
    PortIo& io() override { return m_ports->io; }
    PowerOff& power() override { return m_power; }
    PortClaims& claims() override { return m_ports->claims; }
    ChipClaim& chipClaim() override { return m_ports->chipClaim; }
    SleepWatcher& sleep() override { return m_sleep; }
    EmergencyPorts emergencyPorts() const override {
        return {{RawPorts::Kind::Hardware}, {}, m_ports->chipClaim.descriptor()};
    }

private:
    std::unique_ptr<HardwarePorts> m_ports;
    LogindPower m_power;
    LogindSleepWatcher m_sleep;
};

class SimulatedBackend : public Backend {
public:
    SimulatedBackend(const sim::Scenario& scenario, std::FILE* trace, std::string dumpFile,
                     std::function<int()> seconds)
        : m_chip(scenario), m_io(m_chip, seconds ? std::move(seconds)
                                                 : secondsSince(std::chrono::steady_clock::now())),
          m_power(m_chip), m_claims(m_chip), m_trace(trace), m_dumpFile(std::move(dumpFile)) {
        if (scenario.claimMachine)
            m_chipClaim = std::make_unique<MachineClaim>();
        m_io.setTrace(trace);
        // The scenario's sleep and resume happen inside a port access: tell the program
        // afterwards.
        m_chip.onResume = [this] { later(&SleepWatcher::onResume); };
        m_chip.onSleep = [this] { later(&SleepWatcher::onSleep); };
    }
    ~SimulatedBackend() override {
        if (m_trace)
            std::fclose(m_trace);
    }
    PortIo& io() override { return m_io; }
    PowerOff& power() override { return m_power; }
    PortClaims& claims() override { return m_claims; }
    ChipClaim& chipClaim() override { return *m_chipClaim; }
    SleepWatcher& sleep() override { return m_sleep; }
    // The trace's own descriptor: every line is flushed as it is written, so the failsafe's
    // lines land after them.
    EmergencyPorts emergencyPorts() const override {
        if (!m_trace)
            return {};
        return {{RawPorts::Kind::Trace, ::fileno(m_trace)}, traceFile, m_chipClaim->descriptor()};
    }
    std::string traceFile; // the trace's name, for the guardian

    void finish() override {
        if (m_dumpFile.empty())
            return;
        std::ofstream out(m_dumpFile, std::ios::trunc);
        out << m_chip.dump(m_io.portAccesses());
    }

private:
    void later(std::function<void()> SleepWatcher::*what) {
        QMetaObject::invokeMethod(
            &m_context,
            [this, what] {
                if (m_sleep.*what)
                    (m_sleep.*what)();
            },
            Qt::QueuedConnection);
    }
    static std::function<int()> secondsSince(std::chrono::steady_clock::time_point start) {
        return [start] {
            const auto elapsed = std::chrono::steady_clock::now() - start;
            return int(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
        };
    }

    sim::SimulatedChip m_chip;
    sim::SimulatedPortIo m_io;
    sim::SimulatedPowerOff m_power;
    sim::SimulatedPortClaims m_claims;
    std::unique_ptr<ChipClaim> m_chipClaim = std::make_unique<NoChipClaim>();
    std::FILE* m_trace;
    std::string m_dumpFile;
    SleepWatcher m_sleep;
    QObject m_context; // queued resume calls die with the backend
};

std::string reason() {
    return std::strerror(errno);
}

} // namespace

std::unique_ptr<Backend> MakeHardwareBackend(std::unique_ptr<HardwarePorts> ports) {
    return std::make_unique<HardwareBackend>(ports ? std::move(ports)
                                                   : std::make_unique<HardwarePorts>());
}

SimulatedBackendResult MakeSimulatedBackend(const CommandLine& options,
                                            std::function<int()> seconds) {
    sim::Scenario scenario;
    scenario.model = options.simulateModel;
    if (!options.scenarioFile.empty()) {
        std::ifstream file(options.scenarioFile);
        if (!file) {
            const std::string why = reason(); // before translating may move errno
            return {nullptr,
                    Filled(Translated("hmdx::Backend", "Cannot read the scenario file \"%1\": %2."),
                           {options.scenarioFile, why})};
        }
        std::stringstream text;
        text << file.rdbuf();
        const sim::ScenarioParse parsed = sim::ParseScenario(text.str(), scenario);
        if (!parsed.scenario)
            return {nullptr, options.scenarioFile + ": " + parsed.error->message};
        scenario = *parsed.scenario;
    }
    std::FILE* trace = nullptr;
    if (!options.traceFile.empty()) {
        trace = std::fopen(options.traceFile.c_str(), "w");
        if (!trace) {
            const std::string why = reason();
            return {nullptr,
                    Filled(Translated("hmdx::Backend", "Cannot write the trace file \"%1\": %2."),
                           {options.traceFile, why})};
        }
        // Appending, so that lines the guardian adds are never written over.
        const int fd = ::fileno(trace);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_APPEND);
    }
    auto backend =
        std::make_unique<SimulatedBackend>(scenario, trace, options.dumpFile, std::move(seconds));
    backend->traceFile = options.traceFile;
    return {std::move(backend), {}};
}

} // namespace hmdx
