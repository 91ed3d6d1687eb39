#include "settings/SettingsFile.h"

#include "support/FileSizeLimit.h"

#include <cmath>
#include <csignal>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

using namespace hmdx;
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

using test::FileSizeLimit;

SettingsItemBytes allItems() {
    SettingsItemBytes bytes;
    bytes.fill(1);
    return bytes;
}

const SettingsItemBytes kAll = allItems();

SettingsModel defaults() {
    SettingsModel model;
    SetDefaultSettings(model, kAll, kAll);
    return model;
}

Bytes defaultBytes() {
    SettingsRecord record{};
    EncodeSettings(defaults(), record);
    return {record.begin(), record.end()};
}

template <typename T> void patch(Bytes& bytes, std::size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value); // the test host is little-endian
}

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::string dir = testing::TempDir() + "settingsXXXXXX";
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        m_dir = dir;
        m_file = m_dir / "hmb.dat";
    }
    void TearDown() override {
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_dir);
    }
    void write(const Bytes& bytes) {
        std::ofstream(m_file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
    }
    Bytes read() const {
        std::ifstream in(m_file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), {}));
    }

    fs::path m_dir, m_file;
    SettingsModel m_model;
};

TEST_F(SettingsFileTest, LoadSaveRoundTripKeepsSpareAndExtraBytes) {
    Bytes bytes = defaultBytes();
    patch(bytes, 36, 0xEFBEADDEu);  // spare entry 9 of VoltScaleMin
    patch(bytes, 206, int16_t{-7}); // spare fan divisor
    patch(bytes, 244, 1.5f);        // spare high temperature limit
    patch(bytes, 124, 12.25f);      // a user's own +12V high limit
    bytes.insert(bytes.end(), {'x', 'y', 'z'});
    write(bytes);
    SettingsFile file(m_file);
    const SettingsLoadResult result = file.load(m_model, kAll, kAll);
    EXPECT_EQ(result.outcome, SettingsLoadResult::Outcome::Loaded);
    EXPECT_TRUE(result.replaced.empty());
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(m_model.VoltHiLimit[1], 12.25f);
    EXPECT_EQ(file.save(m_model), std::nullopt);
    EXPECT_EQ(read(), bytes);

    m_model.FanCountLimit[0] = 200;
    EXPECT_EQ(file.save(m_model), std::nullopt);
    patch(bytes, 208, int16_t{200});
    EXPECT_EQ(read(), bytes);
}

TEST_F(SettingsFileTest, UnusableFilesFallBackToFactorySettings) {
    using Outcome = SettingsLoadResult::Outcome;
    const std::string later =
        ". Factory settings are in use; the file stays as it is until you save.";
    struct Case {
        const char* name;
        std::optional<Bytes> content; // nullopt: a directory takes the file's place
        bool present;
        Outcome outcome;
        std::string message;
        bool locked = false; // no read permission
    };
    const Case cases[] = {
        {"missing", Bytes{}, false, Outcome::Missing, ""},
        {"empty", Bytes{}, true, Outcome::TooShort, " is too short (0 of 322 bytes)"},
        {"short", Bytes(321, 0x11), true, Outcome::TooShort, " is too short (321 of 322 bytes)"},
        {"directory", std::nullopt, true, Outcome::Unreadable,
         std::string(" cannot be read: ") + std::strerror(EISDIR)},
        {"locked", Bytes(322, 0x11), true, Outcome::Unreadable,
         std::string(" cannot be read: ") + std::strerror(EACCES), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.locked && geteuid() == 0)
            continue; // root reads anything
        fs::remove_all(m_file);
        if (c.present && c.content)
            write(*c.content);
        if (c.locked)
            fs::permissions(m_file, fs::perms::none);
        if (!c.content)
            fs::create_directory(m_file);
        SettingsModel model;
        model.VoltFactor[0] = 99.0f;
        SettingsFile file(m_file);
        const SettingsLoadResult result = file.load(model, kAll, kAll);
        if (c.locked)
            fs::permissions(m_file, fs::perms::owner_read);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.message, c.message.empty() ? ""
                                                    : "The settings file \"" + m_file.string() +
                                                          "\"" + c.message + later);
        EXPECT_EQ(model, defaults());
        EXPECT_EQ(file.record(), SettingsRecord{});
        EXPECT_EQ(fs::exists(m_file), c.present);
        if (c.content && c.present) {
            EXPECT_EQ(read(), *c.content);
        }
        EXPECT_EQ(entries(), c.present ? 1u : 0u);
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
        Bytes bytes = defaultBytes();
        std::visit([&](auto v) { patch(bytes, c.offset, v); }, c.value);
        write(bytes);
        SettingsModel model;
        const SettingsLoadResult result = SettingsFile(m_file).load(model, kAll, kAll);
        EXPECT_EQ(result.outcome, SettingsLoadResult::Outcome::Loaded);
        EXPECT_EQ(result.replaced,
                  c.replaced ? std::vector<std::string>{c.replaced} : std::vector<std::string>{});
        EXPECT_EQ(model == defaults(), c.replaced != nullptr || c.offset == 196);
    }
    Bytes bytes = defaultBytes();
    patch(bytes, 172, nan);
    patch(bytes, 200, int16_t{300});
    write(bytes);
    EXPECT_EQ(SettingsFile(m_file).load(m_model, kAll, kAll).message,
              "The settings file \"" + m_file.string() +
                  "\" holds values that cannot be used. These entries take their factory values: "
                  "VoltFactor(3), FanDivisor(0).");
}

TEST_F(SettingsFileTest, NewFileIsPrivateAndOldModeIsKept) {
    SettingsFile file(m_file);
    ASSERT_EQ(file.save(defaults()), std::nullopt);
    EXPECT_EQ(read(), defaultBytes());
    EXPECT_EQ(fs::status(m_file).permissions(), fs::perms(0600));
    fs::permissions(m_file, fs::perms(0644));
    ASSERT_EQ(file.save(defaults()), std::nullopt);
    EXPECT_EQ(fs::status(m_file).permissions(), fs::perms(0644));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SettingsFileTest, SaveSweepsAwayWhatKilledSavesLeft) {
    for (const char* name : {".hmb.dat.Ab12Cd", ".hmb.dat.zzzzzz"})
        std::ofstream(m_dir / name) << "password";
    std::ofstream(m_dir / ".hma.dat.Ab12Cd") << "another model's";
    std::ofstream(m_dir / ".hmb.dat.keep") << "not ours";
    ASSERT_EQ(SettingsFile(m_file).save(defaults()), std::nullopt);
    EXPECT_FALSE(fs::exists(m_dir / ".hmb.dat.Ab12Cd"));
    EXPECT_FALSE(fs::exists(m_dir / ".hmb.dat.zzzzzz"));
    EXPECT_TRUE(fs::exists(m_dir / ".hma.dat.Ab12Cd"));
    EXPECT_TRUE(fs::exists(m_dir / ".hmb.dat.keep"));
}

TEST_F(SettingsFileTest, FailedSaveChangesNothing) {
    const Bytes old(400, 0x5A);
    SettingsModel changed = defaults();
    changed.Password.fill('p');
    struct Case {
        const char* name;
        fs::path target;
        int error;
    };
    const Case cases[] = {
        {"directory", m_dir / "folder.dat", EISDIR},
        {"read-only folder", m_file, EACCES},
        {"write cut short", m_file, EFBIG},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.error == EACCES && geteuid() == 0)
            continue; // root writes anywhere
        write(old);
        fs::create_directory(m_dir / "folder.dat");
        fs::permissions(m_dir, fs::perms(c.error == EACCES ? 0555 : 0755));
        SettingsFile file(c.target);
        std::optional<FileSizeLimit> limit;
        if (c.error == EFBIG)
            limit.emplace(100); // the temporary file is made, then its writing fails
        const std::optional<std::string> message = file.save(changed);
        limit.reset();
        fs::permissions(m_dir, fs::perms(0755));
        ASSERT_TRUE(message);
        EXPECT_EQ(*message, "The settings could not be saved to \"" + c.target.string() +
                                "\": " + std::strerror(c.error) +
                                ". Your settings are kept in memory; the file is unchanged.");
        EXPECT_EQ(read(), old);
        EXPECT_TRUE(fs::is_empty(m_dir / "folder.dat"));
        EXPECT_EQ(entries(), 2u);
        EXPECT_EQ(file.record(), SettingsRecord{});
    }
}

} // namespace
