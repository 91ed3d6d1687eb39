#pragma once

#include "FaultyPorts.h"
#include "support/WindowRig.h"
#include "ui/dialogs/Dialogs.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <vector>

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

inline std::string DataFileName(const sim::Scenario& scenario) {
    const ChipModel* model = FindChipModel(scenario.effectiveChipId());
    return model ? std::string(model->dataFile) : std::string("none.dat");
}

// However the readings go, no item's fault count leaves 0..3.
inline bool FaultCountsBounded(const hmdx::Machine& m) {
    return std::all_of(m.state.faultCounts.begin(), m.state.faultCounts.end(),
                       [](int n) { return n >= 0 && n <= 3; });
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
