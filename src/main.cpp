#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/Program.h"
#include "app/QtMessageBoxes.h"
#include "app/QuitOnSignal.h"
#include "platform/InstanceLock.h"
#include "ui/main/QtTrayIcon.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hmdx"));
    QGuiApplication::setDesktopFileName(QStringLiteral("hmdx"));
    // Closing the window hides it to the tray; only Exit ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    hmdx::QuitOnSignal quitOnSignal;
    hmdx::QtMessageBoxes boxes;
    hmdx::InstanceLock instance(hmdx::InstanceLock::defaultLockFile());
    hmdx::QtTrayIcon tray;
    const std::filesystem::path programFolder = QApplication::applicationDirPath().toStdString();
    hmdx::ProgramEnvironment env{boxes,
                                 instance,
                                 tray,
                                 programFolder,
                                 hmdx::DefaultDataFolder(programFolder),
                                 [](hmdx::frmdoctor&) { return QApplication::exec(); },
                                 [] { QCoreApplication::exit(hmdx::kExitOk); }};
    return hmdx::RunProgram(*parsed.options, env);
}
