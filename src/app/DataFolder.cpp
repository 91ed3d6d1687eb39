#include "DataFolder.h"

#include <QStandardPaths>
#include <unistd.h>

namespace hmdx {

std::filesystem::path DefaultDataFolder(const std::filesystem::path& programFolder) {
    if (::access(programFolder.c_str(), W_OK) == 0)
        return programFolder;
    const std::filesystem::path userFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    std::error_code ignored; // a folder that cannot be made shows up as a failing save
    std::filesystem::create_directories(userFolder, ignored);
    return userFolder;
}

} // namespace hmdx
