// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real main window over the simulated chip for a given number of polling ticks,
// called directly rather than from the timer, so that callgrind can tell the cost of one tick
// from the difference between two runs, and the simulator can count a tick's port accesses.
//
//   hmdx_tickdriver [--model hma|hmb|hmc|hmdf] [--ticks N] [--hidden] [--readbacks N]
//                   [--fan-control]
//
// --readbacks: after the ticks, that many read-backs of the kept limit registers, as the
// periodic check makes them. --fan-control: output 1 held at a fixed 60 % from a
// fan-control.ini, its first write made before the counted ticks, so that they show what
// control costs once steady. Prints one line of key=value pairs.

#include "chip/ChipKeeping.h"
#include "chip/Startup.h"
#include "chip/sim/SimulatedPortIo.h"
#include "chip/sim/SimulatedServices.h"
#include "monitor/FanControlSettings.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace hmdx;

struct NoBoxes : MessageBoxes {
    void inform(const std::string& text, const std::string&) override {
        std::fprintf(stderr, "hmdx_tickdriver: %s\n", text.c_str());
    }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
};

struct NoTray : TrayIcon {
    bool isAvailable() const override { return true; }
    void show() override {}
    void hide() override {}
    bool isVisible() const override { return false; }
};

struct AloneInstance : SingleInstance {
    bool anotherIsRunning() override { return false; }
};

// Tells register reads, register writes and bank selections apart as the chip sees them.
class CountingPortIo : public PortIo {
public:
    explicit CountingPortIo(PortIo& inner) : m_inner(inner) {}

    uint16_t indexPort = 0x295;
    struct Counts {
        long long accesses = 0, reads = 0, writes = 0, bankSelections = 0;
    } n;

    int16_t openPorts() override { return m_inner.openPorts(); }
    int16_t initBus(int mode, uint8_t a, uint8_t b, uint8_t c) override {
        return m_inner.initBus(mode, a, b, c);
    }
    int16_t acquirePowerOffPrivilege() override { return m_inner.acquirePowerOffPrivilege(); }
    void releasePowerOffPrivilege() override { m_inner.releasePowerOffPrivilege(); }
    uint8_t inByte(uint16_t port) override {
        ++n.accesses;
        // The read half of a bank selection is part of the selection.
        if (port == indexPort + 1u && m_index != kBankSelect)
            ++n.reads;
        return m_inner.inByte(port);
    }
    void outByte(uint16_t port, uint8_t value) override {
        ++n.accesses;
        if (port == indexPort)
            m_index = value;
        else if (port == indexPort + 1u)
            ++(m_index == kBankSelect ? n.bankSelections : n.writes);
        m_inner.outByte(port, value);
    }

private:
    static constexpr int kBankSelect = 0x4E;
    PortIo& m_inner;
    int m_index = -1;
};

struct Options {
    std::string model = "hmb";
    long ticks = 100;
    bool hidden = false;
    long readbacks = 0;
    bool fanControl = false;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--model") && hasValue)
            o.model = argv[++i];
        else if (!std::strcmp(argv[i], "--ticks") && hasValue)
            o.ticks = std::strtol(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--readbacks") && hasValue)
            o.readbacks = std::strtol(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--hidden"))
            o.hidden = true;
        else if (!std::strcmp(argv[i], "--fan-control"))
            o.fanControl = true;
        else
            return false;
    }
    return o.ticks >= 0 && o.readbacks >= 0 && sim::IsKnownModelName(o.model);
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr,
                     "usage: hmdx_tickdriver [--model hma|hmb|hmc|hmdf] [--ticks N] [--hidden] "
                     "[--readbacks N] [--fan-control]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    sim::Scenario scenario;
    scenario.model = o.model;
    int now = 0; // one simulated second per tick, so the readings drift as on a live board
    sim::SimulatedChip chip(scenario);
    sim::SimulatedPortIo simIo(chip, [&now] { return now; });
    CountingPortIo io(simIo);
    sim::SimulatedPortClaims claims(chip);
    sim::SimulatedPowerOff power(chip);
    Machine m(io);

    QTemporaryDir data;
    NoBoxes boxes;
    AloneInstance instance;
    NoTray tray;
    const std::filesystem::path folder = data.path().toStdString();
    StartupServices services{instance, claims, boxes, folder};
    if (StartUp(m.chip, {m.settings, m.settingsFile}, services) != StartupOutcome::Ready)
        return 1;
    m.settings.monitored.fill(1);

    Dialogs forms(m, boxes, power);
    Session session(m, forms);
    session.monitor().whileStopped = [] { QCoreApplication::processEvents(); };
    MainWindow window({session, boxes, tray, [] {}});
    forms.attach(window);
    window.load();
    // Ticks come from the loop below only: the session's own clock would add some whenever a
    // run under callgrind takes longer than a second.
    session.clock().stop();
    if (!o.hidden)
        window.show();
    QCoreApplication::processEvents();
    if (o.fanControl) {
        FanControlSettings fans;
        fans.outputs[0].mode = FanMode::Fixed;
        fans.outputs[0].duty = 60;
        const std::filesystem::path file = folder / kFanControlFileName;
        if (SaveFanControl(file, fans, 1) || !window.monitor().fans().load(file).empty())
            return 1;
        ++now;
        session.tick();
    }

    io.indexPort = m.chip.bus.indexPort;
    const CountingPortIo::Counts before = io.n;
    for (long t = 0; t < o.ticks; ++t) {
        ++now;
        session.tick();
        QCoreApplication::processEvents();
    }
    const CountingPortIo::Counts afterTicks = io.n;
    for (long r = 0; r < o.readbacks; ++r)
        if (!ReadBackKeptRegisters(m.chip).empty())
            return 1;
    const CountingPortIo::Counts& after = afterTicks;
    const auto perTick = [&o](long long end, long long start) {
        return o.ticks ? double(end - start) / double(o.ticks) : 0.0;
    };
    std::printf("model=%s ticks=%ld hidden=%d fan_control=%d port_accesses=%lld "
                "port_accesses_per_tick=%g "
                "register_reads_per_tick=%g register_writes_per_tick=%g "
                "bank_selections_per_tick=%g\n",
                o.model.c_str(), o.ticks, o.hidden ? 1 : 0,
                window.monitor().fans().anyControlled() ? 1 : 0, after.accesses - before.accesses,
                perTick(after.accesses, before.accesses), perTick(after.reads, before.reads),
                perTick(after.writes, before.writes),
                perTick(after.bankSelections, before.bankSelections));
    if (o.readbacks)
        std::printf("kept_registers=%zu readback_port_accesses=%g\n", m.chip.kept().size(),
                    double(io.n.accesses - afterTicks.accesses) / double(o.readbacks));
    return 0;
}
