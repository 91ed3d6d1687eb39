// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartAtLogin.h"

#include "platform/AtomicFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
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
    if (arg.empty() || arg.find_first_of(" \t\n\r\"'\\><~|&;$*?#()`") != std::string::npos) {
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
        const char* escape = c == '\\'   ? "\\\\"
                             : c == '\n' ? "\\n"
                             : c == '\t' ? "\\t"
                             : c == '\r' ? "\\r"
                                         : nullptr;
        value += escape ? std::string(escape) : std::string(1, c);
    }
    return value;
}

bool ExecArgumentFits(std::string_view argument) {
    // UTF-8, and no control character but those the string escapes cover.
    for (size_t i = 0; i < argument.size();) {
        const auto c = static_cast<unsigned char>(argument[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return false;
        if (c == 0x7F)
            return false;
        const size_t length = c < 0x80           ? 1
                              : (c >> 5) == 0x6  ? 2
                              : (c >> 4) == 0xE  ? 3
                              : (c >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || i + length > argument.size())
            return false;
        uint32_t code = length == 1 ? c : c & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(argument[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
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
    for (const std::string& arg : command)
        if (!ExecArgumentFits(arg))
            return QCoreApplication::translate(
                       "StartAtLogin",
                       "%1 was not written: a login entry holds UTF-8 text without control "
                       "characters, and cannot name %2.")
                .arg(name, QString::fromUtf8(arg))
                .toStdString();
    std::filesystem::create_directories(file.parent_path(), error);
    // Whole or not at all, and a refused byte is a failure said, never an entry cut short.
    if (const int err = WriteFileAtomically(file, entry(), {.mode = 0644, .followLink = true}))
        return QCoreApplication::translate("StartAtLogin", "%1 could not be written: %2.")
            .arg(name, QString::fromLocal8Bit(std::strerror(err)))
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
