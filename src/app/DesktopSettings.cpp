// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace hmdx {

namespace {

QString name(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

// One key: reads its value into the settings, false when the value cannot be used.
struct Entry {
    const char* key;
    bool (*read)(const QVariant& value, DesktopSettings& s);
};

constexpr Entry kEntries[] = {
    {"startAtLogin",
     [](const QVariant& v, DesktopSettings& s) {
         const QString text = v.typeId() == QMetaType::QString ? v.toString().trimmed() : QString();
         if (text != QLatin1String("true") && text != QLatin1String("false"))
             return false;
         s.startAtLogin = text == QLatin1String("true");
         return true;
     }},
    {"alertCommand",
     [](const QVariant& v, DesktopSettings& s) {
         // An unquoted comma makes Qt read a list: no program is called that.
         if (v.typeId() != QMetaType::QString)
             return false;
         s.alertCommand = v.toString().trimmed().toStdString();
         return true;
     }},
};

} // namespace

std::string DesktopSettings::load() {
    m_unreadable.clear();
    std::error_code error;
    if (!std::filesystem::exists(m_file, error) && !error)
        return {};
    // QSettings reads an unreadable file as an empty one: look first.
    if (std::ifstream probe(m_file); !probe || std::filesystem::is_directory(m_file, error))
        m_unreadable =
            probe ? QCoreApplication::translate("DesktopSettings", "a folder").toStdString()
                  : std::strerror(errno);
    const QSettings ini(name(m_file), QSettings::IniFormat);
    if (m_unreadable.empty() && ini.status() != QSettings::NoError)
        m_unreadable =
            QCoreApplication::translate("DesktopSettings", "not an INI file").toStdString();
    if (!m_unreadable.empty())
        return QCoreApplication::translate(
                   "DesktopSettings",
                   "%1 cannot be read (%2); the desktop settings stay at their defaults and "
                   "are not saved there.")
            .arg(name(m_file), QString::fromStdString(m_unreadable))
            .toStdString();
    QStringList bad;
    for (const Entry& entry : kEntries) {
        const QVariant value = ini.value(QString::fromLatin1(entry.key));
        if (value.isValid() && !entry.read(value, *this))
            bad << QString::fromLatin1(entry.key);
    }
    if (bad.isEmpty())
        return {};
    return QCoreApplication::translate(
               "DesktopSettings",
               "%1: %2 cannot be used; the default is used instead, and the file is left as it "
               "is.")
        .arg(name(m_file), bad.join(QStringLiteral(", ")))
        .toStdString();
}

std::string DesktopSettings::saveStartAtLogin(bool on) {
    if (!m_unreadable.empty())
        return QCoreApplication::translate(
                   "DesktopSettings",
                   "Start at Login is not kept in %1, which cannot be read (%2).")
            .arg(name(m_file), QString::fromStdString(m_unreadable))
            .toStdString();
    // QSettings keeps the keys it does not set, and replaces the file through a temporary one.
    QSettings ini(name(m_file), QSettings::IniFormat);
    ini.setValue(QStringLiteral("startAtLogin"), QLatin1String(on ? "true" : "false"));
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return QCoreApplication::translate("DesktopSettings",
                                           "Start at Login could not be saved to %1.")
            .arg(name(m_file))
            .toStdString();
    startAtLogin = on;
    return {};
}

} // namespace hmdx
