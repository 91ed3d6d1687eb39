#include "app/CommandLine.h"
#include "app/Program.h"
#include "app/QtMessageBoxes.h"
#include "platform/InstanceLock.h"

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
    hmdx::QtMessageBoxes boxes;
    hmdx::InstanceLock instance(hmdx::InstanceLock::defaultLockFile());
    hmdx::ProgramEnvironment env{boxes, instance, QApplication::applicationDirPath().toStdString()};
    return hmdx::RunProgram(*parsed.options, env);
}
