#include "Program.h"

#include "Backend.h"
#include "chip/Module1.h"
#include "ui/dialogs/Forms.h"
#include "ui/main/frmdoctor.h"

#include <QCoreApplication>
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

int runWindow(Module1& m, ProgramEnvironment& env, PowerOff& power) {
    m.pumpEvents = [] { QCoreApplication::processEvents(); };
    Forms forms(m, env.boxes, power);
    frmdoctor window({m, env.boxes, env.tray, forms, env.endProgram});
    forms.attach(window);
    window.Form_Load();
    window.show();
    return env.eventLoop(window);
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
    if (outcome == StartupOutcome::Ready)
        code = runWindow(m, env, backend.power());
    backend.finish();
    return code;
}

} // namespace hmdx
