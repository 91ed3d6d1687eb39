// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartAtLogin.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QSaveFile>
#include <cstring>

namespace hmdx {

std::filesystem::path AutostartFile() {
    std::filesystem::path config = qEnvironmentVariable("XDG_CONFIG_HOME").toStdString();
    if (!config.is_absolute())
        config = std::filesystem::path(QDir::homePath().toStdString()) / ".config";
    return config / "autostart" / "hmdx.desktop";
}

std::string ExecArgument(const std::string& argument) {
    std::string arg;
    for (char c : argument) {
        arg += c;
        if (c == '%') // a field code otherwise
            arg += '%';
    }
    std::string quoted = arg;
    if (arg.empty() || arg.find_first_of(" \t\n\"'\\><~|&;$*?#()`") != std::string::npos) {
        quoted = "\"";
        for (char c : arg) {
            if (std::strchr("\"`$\\", c))
                quoted += '\\';
            quoted += c;
        }
        quoted += '"';
    }
    // The string escapes are undone before the quoting is read.
    std::string value;
    for (char c : quoted) {
        const char* escape = c == '\\' ? "\\\\" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : nullptr;
        value += escape ? std::string(escape) : std::string(1, c);
    }
    return value;
}

bool StartAtLogin::enabled() const {
    std::error_code ignored;
    return std::filesystem::exists(file, ignored);
}

std::string StartAtLogin::entry() const {
    std::string exec;
    for (const std::string& arg : command)
        exec += (exec.empty() ? "" : " ") + ExecArgument(arg);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=hmdx Hardware Monitor\n"
           "Comment=Watch the motherboard's voltages, fans, temperatures and case switch\n"
           "Exec=" +
           exec +
           "\n"
           "Icon=hmdx\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string StartAtLogin::set(bool on) const {
    const QString name = QString::fromStdString(file.string());
    std::error_code error;
    if (!on) {
        if (std::filesystem::remove(file, error) || !error)
            return {};
        return QCoreApplication::translate("StartAtLogin", "%1 could not be removed: %2.")
            .arg(name, QString::fromStdString(error.message()))
            .toStdString();
    }
    std::filesystem::create_directories(file.parent_path(), error);
    QSaveFile out(name);
    const std::string text = entry();
    if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), qint64(text.size())) < 0 ||
        !out.commit())
        return QCoreApplication::translate("StartAtLogin", "%1 could not be written: %2.")
            .arg(name, out.errorString())
            .toStdString();
    return {};
}

QAction* AddStartAtLoginAction(QMenu& tools, const StartAtLogin& login, DesktopSettings& settings,
                               MessageBoxes& boxes) {
    QAction* action =
        tools.addAction(QCoreApplication::translate("StartAtLogin", "Start at &Login"));
    action->setCheckable(true);
    action->setChecked(login.enabled());
    // The entry may have been removed from elsewhere (the desktop's own settings, a shell).
    QObject::connect(&tools, &QMenu::aboutToShow, action,
                     [action, &login] { action->setChecked(login.enabled()); });
    QObject::connect(action, &QAction::triggered, action,
                     [action, &login, &settings, &boxes](bool on) {
                         std::string problem = login.set(on);
                         if (problem.empty())
                             problem = settings.saveStartAtLogin(on);
                         action->setChecked(login.enabled());
                         if (!problem.empty())
                             boxes.inform(problem);
                     });
    return action;
}

} // namespace hmdx
