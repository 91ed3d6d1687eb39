// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include "AlertCommand.h"
#include "Backend.h"
#include "ChipKeeper.h"
#include "Headless.h"
#include "QuitOnSignal.h"
#include "StartAtLogin.h"
#include "Translations.h"
#include "monitor/FanSafety.h"
#include "monitor/JournalSink.h"
#include "monitor/JsonLinesSink.h"
#include "monitor/Machine.h"
#include "monitor/NotificationSink.h"
#include "monitor/Session.h"
#include "platform/Journal.h"
#include "ui/ScreenPlacement.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/main/MainWindow.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <optional>

namespace hmdx {
namespace {

struct BackendChoice {
    std::unique_ptr<Backend> backend;
    std::string error;
};

BackendChoice chooseBackend(const CommandLine& options, ProgramEnvironment& env) {
    if (!options.simulate)
        return {MakeHardwareBackend(env.started ? std::move(env.started->ports) : nullptr), {}};
    SimulatedBackendResult sim = MakeSimulatedBackend(options, env.simulatedSeconds);
    return {std::move(sim.backend), std::move(sim.error)};
}

// Start-up's messages also go to the terminal, before the box waits for its OK: someone who
// started hmdx from a shell sees at once why it ends.
class ConsoleEcho : public MessageBoxes {
public:
    // `boxesPrint`: the boxes are lines on the terminal already (headless).
    ConsoleEcho(MessageBoxes& boxes, bool boxesPrint) : m_boxes(boxes), m_print(!boxesPrint) {}
    void inform(const std::string& text, const std::string& title) override {
        if (m_print)
            std::cerr << "hmdx: " << Translated("hmdx::Messages", text.c_str()) << "\n";
        if (text == kDriverFailMessage)
            std::cerr << "hmdx: "
                      << Translated("hmdx::Messages",
                                    "no raw access to I/O ports. Run as root, or grant the "
                                    "binary alone: sudo setcap cap_sys_rawio+ep $(command -v "
                                    "hmdx)")
                      << "\n";
        m_boxes.inform(text, title);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        return m_boxes.askYesNo(text, title);
    }

private:
    MessageBoxes& m_boxes;
    bool m_print;
};

// hmdx.conf, and the alert command it or the command line names.
void setUpDesktop(Machine& m, DesktopSettings& desktop, const CommandLine& options,
                  MessageBoxes& boxes) {
    if (const std::string problem = desktop.load(); !problem.empty())
        boxes.inform(problem);
    const std::string program =
        options.alertCommand.empty() ? desktop.alertCommand : options.alertCommand;
    if (!program.empty())
        m.events.addSink(std::make_unique<AlertCommand>(
            program, m.events, [&boxes](const std::string& text) { boxes.inform(text); }));
}

// The way the session starts hmdx at login: this program, with the same data folder.
StartAtLogin startAtLogin(const CommandLine& options) {
    std::vector<std::string> command{QCoreApplication::applicationFilePath().toStdString()};
    if (!options.dataDir.empty())
        command.insert(command.end(), {"--data-dir", std::filesystem::absolute(options.dataDir)});
    // A demo started at login stays a demo: never the real chip behind the user's back.
    if (!options.scenarioFile.empty())
        command.insert(command.end(),
                       {"--scenario", std::filesystem::absolute(options.scenarioFile)});
    else if (options.simulate)
        command.push_back("--simulate=" + options.simulateModel);
    command.push_back("--minimized");
    return {AutostartFile(), std::move(command)};
}

int runSession(Machine& m, ProgramEnvironment& env, Backend& backend, const CommandLine& options,
               NotificationSink* notices) {
    DesktopSettings desktop(m.settingsFile->path().parent_path() / DesktopSettings::kFileName);
    setUpDesktop(m, desktop, options, env.boxes);
    const StartAtLogin login = startAtLogin(options);
    // Without a desktop a warning is a line on standard error and an event, not a dialog, and
    // no window is made at all.
    std::optional<Dialogs> dialogs;
    if (!options.headless)
        dialogs.emplace(m, env.boxes, backend.power());
    ConsoleWarnings console(std::cerr);
    WarningDialogs& warnings = dialogs ? static_cast<WarningDialogs&>(*dialogs) : console;
    Session session(m, warnings);
    session.monitor().whileStopped = [] { QCoreApplication::processEvents(); };
    session.onEnd = env.endProgram;
    FanControl& fans = session.fans();
    // Without a guardian a crash or a kill could leave a fan slow: control waits for one.
    session.guardFans(
        backend.emergencyPorts(), env.guardian.empty() ? FindGuardian() : env.guardian,
        [&boxes = env.boxes](const std::string& why) {
            boxes.inform(Filled(Translated("hmdx::Messages",
                                           "Fan control is off: the fan guardian cannot be started "
                                           "(%1). Without it a crash or a kill could leave a fan "
                                           "slow, so every fan output stays at full speed. hmdx "
                                           "tries again at every tick."),
                                {why}));
        });
    console.describe = [&session](int item) {
        return session.monitor().itemEvent(item, EventKind::WarningRaised);
    };
    // The window watches the session, and goes before it.
    std::optional<MainWindow> window;
    if (dialogs) {
        window.emplace(MainWindow::Services{session, env.boxes, env.tray, env.endProgram});
        dialogs->attach(*window);
        AddStartAtLoginAction(*window->toolsMenu(), login, desktop, env.boxes);
    }
    if (notices && dialogs) {
        notices->showWarning = [&dialogs](int item) { dialogs->bringUpWarning(item); };
        notices->monitored = [&m](int item) { return IsMonitored(m.settings, item); };
        // An item switched off may bring no event: the next tick takes its notification away.
        session.setDuty(Session::Duty::NotificationReview, [notices] { notices->review(); });
    }
    if (window)
        window->load();
    else
        session.start();
    if (const std::string problem =
            fans.load(m.settingsFile->path().parent_path() / kFanControlFileName);
        !problem.empty())
        env.boxes.inform(problem);
    ChipKeeper keeper(m, backend.sleep(), options.verifySeconds);
    keeper.onReprogrammed = [&m, &fans](Event e) {
        m.events.record(std::move(e));
        // A chip programmed again may have lost what control wrote, too.
        fans.resume();
    };
    backend.sleep().onSleep = [&fans] { fans.goFull(FanFailsafe::Sleep); };
    if (!options.metricsFile.empty())
        session.publishMetrics(options.metricsFile, options.metricsSeconds);
    if (window && env.activation)
        env.activation->listen([&window] { window->restoreFromTray(); });
    if (window && options.minimized) // to the tray, as a close
        window->hideInsteadOfClosing(MainWindow::CloseReason::User);
    else if (window) {
        PlaceOnScreen(&*window);
        window->show();
    }
    const int code = QuitOnSignal::requested() ? kExitOk : env.eventLoop(session);
    if (env.activation)
        env.activation->listen(nullptr); // the window goes with this function
    // Signals and the session's end come here without the window's own way out.
    fans.goFull(FanFailsafe::Ending);
    backend.sleep().onSleep = nullptr;
    if (notices) {
        notices->showWarning = nullptr;
        notices->monitored = nullptr;
    }
    return code;
}

// The journal when there is one, and the --event-log file. False (and told) when the file
// cannot be opened: the user asked for a record, and would not get one.
bool openEventSinks(Machine& m, const CommandLine& options, MessageBoxes& boxes) {
    if (JournalAvailable())
        m.events.addSink(std::make_unique<JournalSink>());
    if (options.eventLogFile.empty())
        return true;
    std::string error;
    std::unique_ptr<JsonLinesSink> file = JsonLinesSink::Open(options.eventLogFile, error);
    if (!file) {
        boxes.inform(error);
        return false;
    }
    file->onFailure = [&boxes](const std::string& message) { boxes.inform(message); };
    m.events.addSink(std::move(file));
    return true;
}

// Files hmdx is told to write go into folders that must be there: better told at once than
// find an empty folder a day later.
std::string checkOutputFolders(const CommandLine& options) {
    const std::pair<const char*, const std::string&> files[] = {
        {"--metrics-file", options.metricsFile}, {"--event-log", options.eventLogFile}};
    for (const auto& [option, file] : files) {
        if (file.empty())
            continue;
        std::filesystem::path folder = std::filesystem::path(file).parent_path();
        if (folder.empty())
            folder = ".";
        std::error_code error;
        if (!std::filesystem::is_directory(folder, error))
            return Filled(Translated("hmdx::Messages", "%1: the folder %2 does not exist"),
                          {option, folder.string()});
    }
    return {};
}

// `said` gives a text as the log has it (English) or in the user's language.
template <typename Said> std::string describeStart(const Machine& m, Said said) {
    char id[16], index[16], data[16];
    std::snprintf(id, sizeof id, "0x%02X", unsigned(m.chip.chipId));
    std::snprintf(index, sizeof index, "0x%04X", unsigned(m.chip.bus.indexPort));
    std::snprintf(data, sizeof data, "0x%04X", unsigned(m.chip.bus.indexPort + 1));
    const std::string model = m.chip.model()
                                  ? std::string(m.chip.model()->name)
                                  : said(QT_TRANSLATE_NOOP("hmdx::Program", "unknown model"));
    return Filled(said(QT_TRANSLATE_NOOP("hmdx::Program", "%1, chip ID %2, ports %3/%4")),
                  {model, id, index, data});
}

std::string english(const char* text) {
    return text;
}

std::string translated(const char* text) {
    return Translated("hmdx::Program", text);
}

} // namespace

int RunProgram(const CommandLine& options, ProgramEnvironment& env) {
    // Every message until the window is up, and every failure of the event log file.
    ConsoleEcho told(env.boxes, options.headless);
    BackendChoice choice = chooseBackend(options, env);
    if (!choice.backend) {
        told.inform(choice.error, {});
        return kExitUsage;
    }
    Backend& backend = *choice.backend;
    if (std::string error = checkOutputFolders(options); !error.empty()) {
        told.inform(error, {});
        backend.finish();
        return kExitUsage;
    }
    Machine m(backend.io());
    if (!openEventSinks(m, options, told)) {
        backend.finish();
        return kExitUsage;
    }
    NotificationSink* notices = nullptr;
    if (env.notifier && !options.headless) {
        auto sink = std::make_unique<NotificationSink>(*env.notifier);
        notices = sink.get();
        m.events.addSink(std::move(sink));
    }
    StartupServices services{env.instance,
                             backend.claims(),
                             told,
                             options.dataDir.empty() ? env.dataFolder
                                                     : std::filesystem::path(options.dataDir),
                             &backend.chipClaim(),
                             env.started && !options.simulate ? &env.started->detection : nullptr};
    const StartupOutcome outcome = StartUp(m.chip, {m.settings, m.settingsFile}, services);
    if (outcome == StartupOutcome::AlreadyRunning) {
        std::cerr << "hmdx: " << Translated("hmdx::Messages", "already running.") << "\n";
        if (env.activation && !options.headless)
            env.activation->activateRunning();
    }
    int code = outcome == StartupOutcome::Ready || outcome == StartupOutcome::AlreadyRunning
                   ? kExitOk
                   : kExitStartupFailed;
    if (outcome == StartupOutcome::Ready) {
        m.events.record({.kind = EventKind::Start,
                         .detail = describeStart(m, english),
                         .detailForPeople = describeStart(m, translated)});
        code = runSession(m, env, backend, options, notices);
        const char* ended = QT_TRANSLATE_NOOP("hmdx::Program", "exit code %1");
        m.events.record({.kind = EventKind::End,
                         .detail = Filled(ended, {std::to_string(code)}),
                         .detailForPeople = Filled(translated(ended), {std::to_string(code)})});
    }
    backend.finish();
    return code;
}

} // namespace hmdx
