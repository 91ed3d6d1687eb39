#pragma once

#include "FaultyPorts.h"
#include "support/WindowRig.h"
#include "ui/dialogs/Dialogs.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <vector>

namespace hmdx::test {

using Bytes = std::vector<uint8_t>;

inline std::string DataFileName(const sim::Scenario& scenario) {
    const ChipModel* model = FindChipModel(scenario.effectiveChipId());
    return model ? std::string(model->dataFile) : std::string("none.dat");
}

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

// The offscreen platform says so for every dialog shown and raised; a long run would drown
// in it.
inline void QuietOffscreenPlatform(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (!text.startsWith(QStringLiteral("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// The simulated machine started as hmdx starts on it, with the main window (not yet loaded)
// and the real dialogs. Unlike the shared rigs, the data folder may hold a settings file
// before start-up reads it, nothing records the port traffic (so hours of ticks cost no
// memory), and the port seam can be made faulty.
struct Machine {
    explicit Machine(const sim::Scenario& scenario, const std::optional<Bytes>& dataFile = {})
        : chip(scenario), simIo(chip, [this] { return now; }), ports(simIo), m(ports), claims(chip),
          power(chip), forms(m, boxes, power) {
        QtApp();
        qInstallMessageHandler(QuietOffscreenPlatform);
        if (dataFile)
            WriteBytes(dataPath(), *dataFile);
        StartupServices services{instance, claims, boxes, data.path()};
        ready = StartUp(m.chip, {m.settings, m.settingsFile}, services) == StartupOutcome::Ready;
        ports.indexPort = m.chip.bus.indexPort;
        window = std::make_unique<MainWindow>(
            MainWindow::Services{m, boxes, tray, forms, [this] { ++ended; }});
        forms.attach(*window);
    }

    MainWindow& w() { return *window; }
    std::filesystem::path dataPath() const { return data / DataFileName(chip.scenario()); }
    // What the event loop does between ticks: window-system events are delivered and closed
    // dialogs finish unloading. (Without it the queued events of every dialog shown pile up.)
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int now = 0;
    sim::SimulatedChip chip;
    sim::SimulatedPortIo simIo;
    FaultyPorts ports;
    hmdx::Machine m;
    sim::SimulatedPortClaims claims;
    sim::SimulatedPowerOff power;
    NoOtherInstance instance;
    RecordingMessageBoxes boxes;
    TempDir data;
    FakeTrayIcon tray;
    Dialogs forms;
    std::unique_ptr<MainWindow> window;
    int ended = 0;
    bool ready = false;
};

} // namespace hmdx::test
