#include "Program.h"

#include "Backend.h"
#include "ChipKeeper.h"
#include "chip/Module1.h"
#include "monitor/JsonLinesSink.h"
#include "platform/JournalSink.h"
#include "ui/dialogs/Forms.h"
#include "ui/main/frmdoctor.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>

namespace hmdx {
namespace {

struct BackendChoice {
    std::unique_ptr<Backend> backend;
    std::string error;
};

BackendChoice chooseBackend(const CommandLine& options) {
    if (!options.simulate)
        return {MakeHardwareBackend(), {}};
    SimulatedBackendResult sim = MakeSimulatedBackend(options);
    return {std::move(sim.backend), std::move(sim.error)};
}

// Start-up's messages also go to the terminal, before the box waits for its OK: someone who
// started hmdx from a shell sees at once why it ends.
class ConsoleEcho : public MessageBoxes {
public:
    explicit ConsoleEcho(MessageBoxes& boxes) : m_boxes(boxes) {}
    void inform(const std::string& text, const std::string& title) override {
        std::cerr << "hmdx: " << text << "\n";
        if (text == kDriverFailMessage)
            std::cerr << "hmdx: no raw access to I/O ports. Run as root, or grant the binary "
                         "alone: sudo setcap cap_sys_rawio+ep $(command -v hmdx)\n";
        m_boxes.inform(text, title);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        return m_boxes.askYesNo(text, title);
    }

private:
    MessageBoxes& m_boxes;
};

int runWindow(Module1& m, ProgramEnvironment& env, Backend& backend, const CommandLine& options) {
    m.pumpEvents = [] { QCoreApplication::processEvents(); };
    Forms forms(m, env.boxes, backend.power());
    frmdoctor window({m, env.boxes, env.tray, forms, env.endProgram});
    forms.attach(window);
    window.Form_Load();
    ChipKeeper keeper(m, backend.sleep(), options.verifySeconds);
    keeper.onReprogrammed = [&m](const std::string& why, const std::string& changed) {
        m.events.record({{},
                         "chip reprogrammed",
                         -1,
                         {},
                         {},
                         {},
                         {},
                         why + "; registers that had changed: " + changed});
    };
    window.show();
    return env.eventLoop(window);
}

// The journal when there is one, and the --event-log file. False (and told) when the file
// cannot be opened: the user asked for a record, and would not get one.
bool openEventSinks(Module1& m, const CommandLine& options, MessageBoxes& boxes) {
    if (JournalSink::JournalAvailable())
        m.events.addSink(std::make_unique<JournalSink>());
    if (options.eventLogFile.empty())
        return true;
    std::string error;
    std::unique_ptr<JsonLinesSink> file = JsonLinesSink::Open(options.eventLogFile, error);
    if (!file) {
        std::cerr << "hmdx: " << error << "\n";
        boxes.inform(error);
        return false;
    }
    file->onFailure = [&boxes](const std::string& message) {
        std::cerr << "hmdx: " << message << "\n";
        boxes.inform(message);
    };
    m.events.addSink(std::move(file));
    return true;
}

std::string describeStart(const Module1& m) {
    char ids[64];
    std::snprintf(ids, sizeof ids, ", chip ID 0x%02X, ports 0x%04X/0x%04X", m.ChipID,
                  m.bus.ChipIndexPort, m.bus.ChipIndexPort + 1);
    return std::string(m.model() ? m.model()->name : "unknown model") + ids;
}

} // namespace

int RunProgram(const CommandLine& options, ProgramEnvironment& env) {
    BackendChoice choice = chooseBackend(options);
    if (!choice.backend) {
        std::cerr << "hmdx: " << choice.error << "\n";
        env.boxes.inform(choice.error);
        return kExitUsage;
    }
    Backend& backend = *choice.backend;
    Module1 m(backend.io());
    if (!openEventSinks(m, options, env.boxes)) {
        backend.finish();
        return kExitUsage;
    }
    ConsoleEcho startupBoxes(env.boxes);
    StartupServices services{env.instance, backend.claims(), startupBoxes,
                             options.dataDir.empty() ? env.dataFolder
                                                     : std::filesystem::path(options.dataDir),
                             env.programFolder};
    const StartupOutcome outcome = Main(m, services);
    if (outcome == StartupOutcome::AlreadyRunning)
        std::cerr << "hmdx: already running.\n";
    int code = outcome == StartupOutcome::Ready || outcome == StartupOutcome::AlreadyRunning
                   ? kExitOk
                   : kExitStartupFailed;
    if (outcome == StartupOutcome::Ready) {
        m.events.record({{}, "start", -1, {}, {}, {}, {}, describeStart(m)});
        code = runWindow(m, env, backend, options);
        m.events.record({{}, "end", -1, {}, {}, {}, {}, "exit code " + std::to_string(code)});
    }
    backend.finish();
    return code;
}

} // namespace hmdx
