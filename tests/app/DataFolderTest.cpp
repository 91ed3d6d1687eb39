#include "app/DataFolder.h"

#include "support/TempDir.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

TEST(DataFolder, BesideTheProgramOnlyOutsideInstallFolders) {
    TempDir dir;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir / "share").string()));
    for (const char* name : {"build", "bin", "sbin"})
        std::filesystem::create_directory(dir / name);
    EXPECT_EQ(DefaultDataFolder(dir / "build"), dir / "build");
    for (const auto& installed :
         {dir / "bin", dir / "sbin", std::filesystem::path("/usr/lib/hmdx")}) {
        const auto folder = DefaultDataFolder(installed);
        EXPECT_NE(folder, installed);
        EXPECT_EQ(folder.string().rfind((dir / "share").string(), 0), 0U) << folder;
        EXPECT_TRUE(std::filesystem::is_directory(folder));
    }
}

} // namespace
} // namespace hmdx::test
