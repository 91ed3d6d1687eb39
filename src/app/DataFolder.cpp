// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFolder.h"

#include <QStandardPaths>
#include <unistd.h>

namespace hmdx {

namespace {

// An installed program's folder holds programs, not settings, even where the user (root, or a
// ~/.local prefix) could write there.
bool isInstallFolder(const std::filesystem::path& folder) {
    const std::string name = folder.filename().string();
    const std::string path = folder.lexically_normal().string();
    return name == "bin" || name == "sbin" || path.rfind("/usr/", 0) == 0;
}

} // namespace

std::filesystem::path DefaultDataFolder(const std::filesystem::path& programFolder) {
    if (!isInstallFolder(programFolder) && ::access(programFolder.c_str(), W_OK) == 0)
        return programFolder;
    const std::filesystem::path userFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    std::error_code ignored; // a folder that cannot be made shows up as a failing save
    std::filesystem::create_directories(userFolder, ignored);
    return userFolder;
}

} // namespace hmdx
