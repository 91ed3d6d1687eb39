// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopSettings.h"

#include "monitor/FanControlSettings.h"
#include "platform/AtomicFile.h"
#include "platform/IniText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace hmdx {

namespace {

QString name(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

// Qt wrote the keys under [General]; a hand-written file may have them before any section.
constexpr std::string_view kSections[] = {"", "General"};

// The entry of `key` that counts: the last, as Qt took it.
const IniText::Line* entryOf(const IniText& ini, const char* key) {
    std::vector<std::size_t> found;
    for (std::string_view section : kSections)
        for (std::size_t i : ini.find(section, key))
            found.push_back(i);
    return found.empty() ? nullptr : &ini.lines()[*std::max_element(found.begin(), found.end())];
}

// One key: reads its entry into the settings, false when the value cannot be used.
struct Entry {
    const char* key;
    bool (*read)(const IniText::Line& entry, DesktopSettings& s);
};

constexpr Entry kEntries[] = {
    {"startAtLogin",
     [](const IniText::Line& e, DesktopSettings& s) {
         if (!e.clean || (e.value != "true" && e.value != "false"))
             return false;
         s.startAtLogin = e.value == "true";
         return true;
     }},
    {"alertCommand",
     [](const IniText::Line& e, DesktopSettings& s) {
         // Qt read an unquoted comma as a list: such an entry never named one program.
         const bool quoted = e.raw.compare(e.valueBegin, 1, "\"") == 0;
         if (!e.clean || (!quoted && e.value.find(',') != std::string::npos))
             return false;
         s.alertCommand = e.value;
         return true;
     }},
};

std::string cannotBeRead(const std::filesystem::path& file, const std::string& why) {
    return QCoreApplication::translate("DesktopSettings",
                                       "%1 cannot be read (%2); the desktop settings stay at "
                                       "their defaults and are not saved there.")
        .arg(name(file), QString::fromStdString(why))
        .toStdString();
}

std::string notKept(const std::filesystem::path& file, const std::string& why) {
    return QCoreApplication::translate("DesktopSettings",
                                       "Start at Login is not kept in %1, which cannot be read "
                                       "(%2).")
        .arg(name(file), QString::fromStdString(why))
        .toStdString();
}

} // namespace

std::string DesktopSettings::load() {
    const TextFile read = ReadTextFile(m_file);
    const IniText ini(read.bytes);
    m_unreadable = TextFault(read, ini.firstMalformed());
    if (!m_unreadable.empty())
        return cannotBeRead(m_file, m_unreadable);
    QStringList bad;
    for (const Entry& entry : kEntries) {
        const IniText::Line* line = entryOf(ini, entry.key);
        if (line && !entry.read(*line, *this))
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
        return notKept(m_file, m_unreadable);
    // Read again: what changed in the file since is kept too.
    const TextFile read = ReadTextFile(m_file);
    IniText ini(read.bytes);
    if (const std::string why = TextFault(read, ini.firstMalformed()); !why.empty())
        return notKept(m_file, why);
    const char* key = "startAtLogin";
    const IniText::Line* entry = entryOf(ini, key);
    const std::string section = entry ? entry->section : ini.hasSection("General") ? "General" : "";
    ini.set(section, key, on ? "true" : "false");
    for (std::string_view other : kSections)
        if (other != section)
            ini.remove(other, key);
    if (const std::string text = ini.text(); text != read.bytes)
        if (const int error = WriteFileAtomically(
                m_file, text, {.mode = 0644, .syncFolder = true, .followLink = true}))
            return QCoreApplication::translate("DesktopSettings",
                                               "Start at Login could not be saved to %1: %2.")
                .arg(name(m_file), QString::fromLocal8Bit(std::strerror(error)))
                .toStdString();
    startAtLogin = on;
    return {};
}

} // namespace hmdx
