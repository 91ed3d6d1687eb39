#include "Machine.h"
#include "settings/SettingsRecord.h"
#include "support/FileSizeLimit.h"
#include "ui/main/UpDown.h"
#include "ui/main/VoltageRows.h"

#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace hmdx::test {
namespace {

namespace fs = std::filesystem;

// A little file system of its own laid over a folder (root only), taken away again however
// the test ends.
class ScratchMount {
public:
    ScratchMount(const fs::path& at, const char* options) : m_at(at), m_options(options) {
        m_mounted = ::mount("tmpfs", at.c_str(), "tmpfs", 0, options) == 0;
    }
    ~ScratchMount() {
        if (m_mounted)
            ::umount2(m_at.c_str(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool mounted() const { return m_mounted; }
    bool setReadOnly(bool readOnly) {
        const unsigned long flags = readOnly ? MS_REMOUNT | MS_RDONLY : MS_REMOUNT;
        return ::mount(nullptr, m_at.c_str(), nullptr, flags, m_options) == 0;
    }

private:
    fs::path m_at;
    const char* m_options;
    bool m_mounted = false;
};

Bytes oldFile() {
    SettingsItemBytes all;
    all.fill(1);
    SettingsModel model;
    SetDefaultSettings(model, all, all);
    model.Password = {'o', 'l', 'd', ' ', ' ', ' ', ' ', ' '};
    SettingsRecord record{};
    EncodeSettings(model, record);
    Bytes bytes(record.begin(), record.end());
    bytes.insert(bytes.end(), {'t', 'a', 'i', 'l'});
    return bytes;
}

std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A started window whose user has moved a limit since the file was written.
class SaveFault : public testing::Test {
protected:
    SaveFault() : machine(ScenarioFor("hmb"), oldFile()) {}
    void SetUp() override {
        ASSERT_TRUE(machine.ready);
        machine.w().load();
        machine.w().voltageRows().row[3].updHiLimit->stepUp();
        edited = machine.m.settings;
    }
    const fs::path& folder() const { return machine.data.path(); }

    // File > Save fails with `error`: the user is told why, nothing is lost, the old file is
    // as it was. Then `mend` takes the fault away, and the next Save writes the settings.
    void saveFailsThenRecovers(int error, const std::function<void()>& mend) {
        const std::vector<std::string> before = entries(folder());
        machine.w().saveSettings();
        ASSERT_EQ(machine.boxes.boxes.size(), 1U);
        EXPECT_EQ(machine.boxes.boxes[0].text,
                  "The settings could not be saved to \"" + machine.dataPath().string() +
                      "\": " + std::strerror(error) +
                      ". Your settings are kept in memory; the file is unchanged.");
        EXPECT_EQ(machine.m.settings, edited);
        EXPECT_EQ(ReadBytes(machine.dataPath()), oldFile());
        EXPECT_EQ(entries(folder()), before); // no half-written file left behind
        mend();
        machine.w().saveSettings();
        EXPECT_EQ(machine.boxes.boxes.size(), 1U);
        SettingsModel saved;
        SettingsFile(machine.dataPath())
            .load(saved, machine.m.chip.presentItems(), machine.m.chip.beepCapableItems());
        EXPECT_EQ(saved, edited);
    }

    // As root, a tmpfs over the data folder holding the old file; false where none can be had.
    bool scratch(const char* options) {
        mount.emplace(folder(), options);
        if (!mount->mounted())
            return false;
        WriteBytes(machine.dataPath(), oldFile());
        return true;
    }

    Machine machine;
    SettingsModel edited;
    std::optional<ScratchMount> mount; // goes before the folder does
};

TEST_F(SaveFault, ReadOnlyFolder) {
    if (geteuid() != 0) {
        fs::permissions(folder(), fs::perms(0555));
        saveFailsThenRecovers(EACCES, [&] { fs::permissions(folder(), fs::perms(0755)); });
        return;
    }
    // Root writes into any folder whatever its mode; a read-only file system stops it.
    if (!scratch("size=64k,mode=0755") || !mount->setReadOnly(true))
        GTEST_SKIP() << "no tmpfs can be mounted here";
    saveFailsThenRecovers(EROFS, [&] { ASSERT_TRUE(mount->setReadOnly(false)); });
}

TEST_F(SaveFault, FullFileSystem) {
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    if (!scratch("size=16k,mode=0755"))
        GTEST_SKIP() << "no tmpfs can be mounted here";
    {
        std::ofstream filler(folder() / "filler", std::ios::binary);
        const std::vector<char> block(4096, 'x');
        while (filler.write(block.data(), std::ssize(block)) && filler.flush()) {
        }
    }
    saveFailsThenRecovers(ENOSPC, [&] { fs::remove(folder() / "filler"); });
}

TEST_F(SaveFault, WriteCutShort) {
    std::optional<FileSizeLimit> limit;
    limit.emplace(100); // the temporary file is made, then its writing fails
    saveFailsThenRecovers(EFBIG, [&] { limit.reset(); });
}

} // namespace
} // namespace hmdx::test
