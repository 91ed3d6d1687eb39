// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFile.h"

#include "support/FactoryRecord.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <variant>

namespace hmdx::test {
namespace {

namespace fs = std::filesystem;
using Outcome = SettingsLoadResult::Outcome;

SettingsItemBytes EveryItemBut(std::initializer_list<int> off) {
    SettingsItemBytes bytes = EveryItem();
    for (int i : off)
        bytes[i] = 0;
    return bytes;
}

// HMA lacks items 7 and 8 and cannot beep for 12-14.
const SettingsItemBytes kHmaPresent = EveryItemBut({7, 8});
const SettingsItemBytes kHmaBeep = EveryItemBut({7, 8, 12, 13, 14});

// The golden records are written by a short python3 script, independent of this code:
//   struct.pack('<10f', ...) for the five voltage columns (factor = 0.016 / ratio, entry 9 = 0),
//   '<4h' 8,8,8,0 and 160,128,160,0, '<4f' 40,60,60,0 twice, b' ' * 8, the item bytes
//   (enabled 1 but item 10 and absent items 0, warn-first 1, warn-third 0, beep 1 unless
//   absent or no-beep), '<h' -1.
TEST(SettingsRecord, FactoryRecordsAreTheGoldenFilesByteForByte) {
    struct Case {
        const char* file;
        SettingsItemBytes present, beepCapable;
    };
    for (const Case& c : {Case{"defaults-hmb.dat", EveryItem(), EveryItem()},
                          Case{"defaults-hma.dat", kHmaPresent, kHmaBeep}}) {
        SettingsModel model;
        SetDefaultSettings(model, c.present, c.beepCapable);
        SettingsRecord record{};
        EncodeSettings(model, record);
        EXPECT_EQ(Bytes(record.begin(), record.end()),
                  ReadFile<Bytes>(std::string(HMDX_TEST_DATA) + "/" + c.file))
            << c.file;
        SettingsModel decoded;
        DecodeSettings(record, decoded, c.present, c.beepCapable);
        EXPECT_EQ(decoded, model) << c.file;
    }
}

TEST(SettingsRecord, HmaMasksAbsentAndBeeplessItems) {
    SettingsRecord record{};
    std::fill(record.begin() + 256, record.begin() + 320, uint8_t{1});
    SettingsModel model;
    DecodeSettings(record, model, kHmaPresent, kHmaBeep);
    EXPECT_EQ(model.monitored, kHmaPresent);
    EXPECT_EQ(model.beep, kHmaBeep);
    EXPECT_EQ(model.warnAfterThree, EveryItem());
    EncodeSettings(model, record);
    EXPECT_EQ(record[256 + 7], 0);
}

// Writes past 100 bytes fail with EFBIG for as long as it lives: a full disk without one.
struct WritesCutShort {
    WritesCutShort() {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit cut = old;
        cut.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &cut);
    }
    ~WritesCutShort() {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    }
    rlimit old{};
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
};

class SettingsFileTest : public testing::Test {
protected:
    void write(const Bytes& bytes) const { WriteFile(path, bytes); }
    Bytes read() const { return ReadFile<Bytes>(path); }
    std::size_t entries() const {
        return std::size_t(std::distance(fs::directory_iterator(dir.path()), {}));
    }

    TempDir dir;
    const fs::path path = dir / "hmb.dat";
};

// No file at all is the golden runs' every start.
TEST_F(SettingsFileTest, UnusableFilesFallBackToFactorySettings) {
    struct Case {
        const char* name;
        std::optional<Bytes> content; // nullopt: a directory takes the file's place
        Outcome outcome;
        std::string message;
        bool locked = false; // no read permission
    };
    const Case cases[] = {
        {"empty", Bytes{}, Outcome::TooShort, " is too short (0 of 322 bytes)"},
        {"short", Bytes(321, 0x11), Outcome::TooShort, " is too short (321 of 322 bytes)"},
        {"directory", std::nullopt, Outcome::Unreadable,
         std::string(" cannot be read: ") + std::strerror(EISDIR)},
        {"locked", Bytes(322, 0x11), Outcome::Unreadable,
         std::string(" cannot be read: ") + std::strerror(EACCES), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.locked && geteuid() == 0)
            continue; // root reads anything
        fs::remove_all(path);
        if (!c.content)
            fs::create_directory(path);
        else
            write(*c.content);
        if (c.locked)
            fs::permissions(path, fs::perms::none);
        SettingsModel model;
        model.voltageFactor[0] = 99.0f;
        SettingsFile file(path);
        const SettingsLoadResult result = file.load(model, EveryItem(), EveryItem());
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.message.text(),
                  "The settings file \"" + path.string() + "\"" + c.message +
                      ". Factory settings are in use; the file stays as it is "
                      "until you save.");
        EXPECT_EQ(model, FactorySettings());
        EXPECT_EQ(file.record(), SettingsRecord{});
        EXPECT_EQ(entries(), 1u);
        if (c.content) {
            fs::permissions(path, fs::perms::owner_read);
            EXPECT_EQ(read(), *c.content);
        }
    }
}

TEST_F(SettingsFileTest, RepairsOnlyWhatCannotBeUsed) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        std::size_t offset;
        std::variant<float, int16_t> value;
        const char* replaced; // nullptr: taken as it is
    };
    const Case cases[] = {
        {0, nan, "VoltScaleMin(0)"},
        {48, inf, "VoltScaleMax(2)"},
        {112, -inf, "VoltLoLimit(8)"},
        {152, nan, "VoltHiLimit(8)"},
        {172, 0.0f, "VoltFactor(3)"},
        {160, -0.016f, "VoltFactor(0)"},
        {192, inf, "VoltFactor(8)"},
        {196, 0.0f, nullptr},
        {200, int16_t{0}, "FanDivisor(0)"},
        {202, int16_t{-1}, "FanDivisor(1)"},
        {204, int16_t{129}, "FanDivisor(2)"},
        {200, int16_t{128}, nullptr},
        {208, int16_t{0}, "FanCountLimit(0)"},
        {210, int16_t{255}, "FanCountLimit(1)"},
        {212, int16_t{254}, nullptr},
        {208, int16_t{1}, nullptr},
        {224, -inf, "TempLoLimit(2)"},
        {236, nan, "TempHiLimit(1)"},
        {124, -1.0f, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        Bytes bytes = Record();
        std::visit([&](auto v) { Put(bytes, c.offset, {v}); }, c.value);
        write(bytes);
        SettingsModel model;
        const SettingsLoadResult result = SettingsFile(path).load(model, EveryItem(), EveryItem());
        EXPECT_EQ(result.outcome, Outcome::Loaded);
        EXPECT_EQ(result.replaced,
                  c.replaced ? std::vector<std::string>{c.replaced} : std::vector<std::string>{});
        EXPECT_EQ(model == FactorySettings(), c.replaced != nullptr || c.offset == 196);
    }
    Bytes bytes = Record();
    Put(bytes, 172, {nan});
    Put<int16_t>(bytes, 200, {300});
    write(bytes);
    SettingsModel model;
    EXPECT_EQ(SettingsFile(path).load(model, EveryItem(), EveryItem()).message.text(),
              "The settings file \"" + path.string() +
                  "\" holds values that cannot be used. These entries take their factory values: "
                  "VoltFactor(3), FanDivisor(0).");
}

TEST_F(SettingsFileTest, NewFileIsPrivateAndOldModeIsKept) {
    SettingsFile file(path);
    ASSERT_EQ(file.save(FactorySettings()), std::nullopt);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    fs::permissions(path, fs::perms(0644));
    ASSERT_EQ(file.save(FactorySettings()), std::nullopt);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SettingsFileTest, SaveSweepsAwayWhatKilledSavesLeft) {
    for (const char* name :
         {".hmb.dat.Ab12Cd", ".hmb.dat.zzzzzz", ".hma.dat.Ab12Cd", ".hmb.dat.keep"})
        std::ofstream(dir / name) << "password";
    ASSERT_EQ(SettingsFile(path).save(FactorySettings()), std::nullopt);
    EXPECT_FALSE(fs::exists(dir / ".hmb.dat.Ab12Cd"));
    EXPECT_FALSE(fs::exists(dir / ".hmb.dat.zzzzzz"));
    EXPECT_TRUE(fs::exists(dir / ".hma.dat.Ab12Cd")); // another model's
    EXPECT_TRUE(fs::exists(dir / ".hmb.dat.keep"));   // not ours
}

TEST_F(SettingsFileTest, FailedSaveChangesNothing) {
    const Bytes old(400, 0x5A);
    SettingsModel changed = FactorySettings();
    changed.password.fill('p');
    struct Case {
        const char* name;
        fs::path target;
        int error;
    };
    const Case cases[] = {
        {"directory in the way", dir / "folder.dat", EISDIR}, // fails at the rename
        {"missing folder", dir / "gone" / "hmb.dat", ENOENT},
        {"read-only folder", path, EACCES},
        {"write cut short", path, EFBIG},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.error == EACCES && geteuid() == 0)
            continue; // root writes anywhere
        write(old);
        fs::create_directory(dir / "folder.dat");
        fs::permissions(dir.path(), fs::perms(c.error == EACCES ? 0555 : 0755));
        SettingsFile file(c.target);
        std::optional<WritesCutShort> limit;
        if (c.error == EFBIG)
            limit.emplace(); // the temporary file is made, then its writing fails
        const std::optional<SettingsMessage> message = file.save(changed);
        limit.reset();
        fs::permissions(dir.path(), fs::perms(0755));
        ASSERT_TRUE(message);
        EXPECT_EQ(message->text(),
                  "The settings could not be saved to \"" + c.target.string() +
                      "\": " + std::strerror(c.error) +
                      ". Your settings are kept in memory; the file is unchanged.");
        EXPECT_EQ(read(), old);
        EXPECT_TRUE(fs::is_empty(dir / "folder.dat"));
        EXPECT_EQ(entries(), 2u);
        EXPECT_EQ(file.record(), SettingsRecord{});
    }
}

// A child process saves two records by turns until it is killed at a random moment.
TEST_F(SettingsFileTest, KilledSaveLeavesTheWholeOldOrNewRecord) {
    SettingsModel records[2] = {FactorySettings(), FactorySettings()};
    records[1].password.fill('n');
    records[1].voltageHigh[4] = 12.5f;
    const Bytes bytes[2] = {Record(records[0]), Record(records[1])};
    // The kills land within a save of the first or the second, however fast this disk is.
    using std::chrono::steady_clock;
    const steady_clock::time_point start = steady_clock::now();
    for (int n = 0; n < 10; ++n)
        ASSERT_EQ(SettingsFile(path).save(records[n % 2]), std::nullopt);
    const auto save = (steady_clock::now() - start) / 10 / std::chrono::microseconds(1);
    std::mt19937 random(0xdead);
    int seen[2] = {};
    for (int kill = 0; kill < 250; ++kill) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            SettingsFile file(path);
            // A byte after each save: the parent kills after the first or the second, so both
            // records are left however slow the child is next to the parent.
            for (unsigned n = 1;; ++n)
                if (file.save(records[n % 2]) || ::write(ready[1], "s", 1) != 1)
                    ::_exit(1);
        }
        ::close(ready[1]); // a child that fails before saving ends the read
        char saved = 0;
        bool ran = true;
        for (unsigned n = 1 + random() % 2; n > 0; --n)
            ran = ran && ::read(ready[0], &saved, 1) == 1;
        ::usleep(useconds_t(random() % uint32_t(save + 1)));
        ::kill(pid, SIGKILL);
        ::close(ready[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(ran && WIFSIGNALED(status)) << "kill " << kill;
        const Bytes now = read();
        ASSERT_TRUE(now == bytes[0] || now == bytes[1])
            << "kill " << kill << " left " << now.size() << " bytes of neither record";
        ++seen[now == bytes[1]];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    // A save killed halfway leaves its temporary file, and nothing else.
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        if (entry.path() == path)
            continue;
        EXPECT_EQ(entry.path().filename().string().rfind(".hmb.dat.", 0), 0U) << entry.path();
        EXPECT_LE(entry.file_size(), kSettingsRecordSize) << entry.path();
    }
}

} // namespace
} // namespace hmdx::test
