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

void explainOnConsole(StartupOutcome outcome) {
    if (outcome == StartupOutcome::DriverFailed)
        std::cerr << "hmdx: no raw access to I/O ports. Run as root, or grant the binary "
                     "alone: sudo setcap cap_sys_rawio+ep $(command -v hmdx)\n";
    else if (outcome == StartupOutcome::AlreadyRunning)
        std::cerr << "hmdx: already running.\n";
}

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
    StartupServices services{env.instance, backend.claims(), env.boxes,
                             options.dataDir.empty() ? env.dataFolder
                                                     : std::filesystem::path(options.dataDir),
                             env.programFolder};
    const StartupOutcome outcome = Main(m, services);
    explainOnConsole(outcome);
    int code = outcome == StartupOutcome::Ready || outcome == StartupOutcome::AlreadyRunning
                   ? kExitOk
                   : kExitStartupFailed;
    if (outcome == StartupOutcome::Ready)
        code = runWindow(m, env, backend.power());
    backend.finish();
    return code;
}

} // namespace hmdx
