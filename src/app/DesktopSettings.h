// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace hmdx {

// hmdx.conf in the data folder (INI, as Qt wrote it): the desktop's own settings, which the
// chip's settings record has no room for. Keys: startAtLogin (true or false), alertCommand (a
// program's path or name). Other lines belong to no one here and are kept word for word.
class DesktopSettings {
public:
    static constexpr const char* kFileName = "hmdx.conf";

    explicit DesktopSettings(std::filesystem::path file) : m_file(std::move(file)) {}

    // Reads the file. A missing file is the defaults; a file that cannot be read, or an entry
    // that cannot be used, gives one message and leaves the defaults for what it spoilt.
    std::string load();
    // Writes startAtLogin in one step, keeping everything else; a message when it cannot. A
    // file that could not be read is left as it is rather than overwritten.
    std::string saveStartAtLogin(bool on);

    bool startAtLogin = false;
    std::string alertCommand;
    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
    std::string m_unreadable; // why load() could not read the file
};

} // namespace hmdx
