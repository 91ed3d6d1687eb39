// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/FansFull.h"
#include "app/Headless.h"
#include "app/PrivilegedStart.h"
#include "app/Program.h"
#include "app/QtMessageBoxes.h"
#include "app/QuitOnSignal.h"
#include "app/Translations.h"
#include "platform/DesktopNotifier.h"
#include "platform/InstanceLock.h"
#include "platform/SessionBusActivation.h"
#include "ui/main/QtTrayIcon.h"

#include <QApplication>
#include <iostream>
#include <memory>

namespace {

// The installed icon as a file, for notification servers that do not look up icon themes;
// empty when hmdx runs from its build tree.
QString installedIcon(const std::filesystem::path& programFolder) {
    const std::filesystem::path icon =
        programFolder.parent_path() / "share/icons/hicolor/128x128/apps/hmdx.png";
    std::error_code error;
    return std::filesystem::is_regular_file(icon, error) ? QString::fromStdString(icon.string())
                                                         : QString();
}

// What ends before any window: a wrong command line, --help, --version, --fans-full. Its texts
// follow the user's language as well, so the line is read again once the translations are in.
int runWithoutWindow(int argc, char** argv, const std::vector<std::string>& args,
                     hmdx::PrivilegedStart& started) {
    QCoreApplication core(argc, argv);
    const hmdx::Translations translations;
    const hmdx::CommandLineParse parsed = hmdx::ParseCommandLine(args);
    if (!parsed.options) {
        std::cerr << "hmdx: " << parsed.error << "\n" << hmdx::UsageText();
        return hmdx::kExitUsage;
    }
    if (parsed.options->help) {
        std::cout << hmdx::UsageText();
        return hmdx::kExitOk;
    }
    if (parsed.options->version) {
        std::cout << "hmdx " HMDX_VERSION "\n";
        return hmdx::kExitOk;
    }
    // No display: this runs from a service's stop, and logind is reached over D-Bus.
    return hmdx::RunFansFull(*parsed.options, &started);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const hmdx::CommandLineParse parsed = hmdx::ParseCommandLine(args);
    // Whatever the binary was given to reach the chip is used here and given up for good:
    // everything below may load code the caller's environment names (Qt plugins, themes).
    hmdx::PrivilegedStart started = hmdx::StartPrivileged(parsed);
    if (!started.failure.empty()) {
        std::cerr << "hmdx: cannot give up its privileges (" << started.failure
                  << "); it will not go on holding them.\n";
        return hmdx::kExitStartupFailed;
    }
    if (!parsed.options || parsed.options->help || parsed.options->version ||
        parsed.options->fansFull)
        return runWithoutWindow(argc, argv, args, started);
    const bool headless = parsed.options->headless;
    // Headless, no window is ever made: no display, no widgets, no platform plugin.
    std::unique_ptr<QCoreApplication> app;
    if (headless) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
        QGuiApplication::setDesktopFileName(QStringLiteral("hmdx"));
        // Closing the window hides it to the tray; only Exit ends the program.
        QApplication::setQuitOnLastWindowClosed(false);
    }
    const hmdx::Translations translations;
    QCoreApplication::setApplicationName(QStringLiteral("hmdx"));
    hmdx::QuitOnSignal quitOnSignal;
    hmdx::QtMessageBoxes desktopBoxes;
    hmdx::ConsoleMessageBoxes consoleBoxes(std::cerr);
    hmdx::MessageBoxes& boxes =
        headless ? static_cast<hmdx::MessageBoxes&>(consoleBoxes) : desktopBoxes;
    hmdx::InstanceLock instance(hmdx::InstanceLock::defaultLockFile());
    std::unique_ptr<hmdx::TrayIcon> tray;
    if (headless)
        tray = std::make_unique<hmdx::NoTray>();
    else
        tray = std::make_unique<hmdx::QtTrayIcon>();
    const std::filesystem::path programFolder =
        QCoreApplication::applicationDirPath().toStdString();
    std::unique_ptr<hmdx::DesktopNotifier> notifier;
    if (!headless)
        notifier = std::make_unique<hmdx::DesktopNotifier>(
            QStringLiteral("hmdx"), QStringLiteral("hmdx"), installedIcon(programFolder));
    hmdx::ProgramEnvironment env{boxes,
                                 instance,
                                 *tray,
                                 hmdx::DefaultDataFolder(programFolder),
                                 [](hmdx::Session&) { return QCoreApplication::exec(); },
                                 [] { QCoreApplication::exit(hmdx::kExitOk); }};
    env.notifier = notifier.get();
    hmdx::SessionBusActivation activation;
    if (!headless)
        env.activation = &activation;
    env.started = &started;
    return hmdx::RunProgram(*parsed.options, env);
}
