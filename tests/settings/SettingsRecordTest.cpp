#include "settings/SettingsRecord.h"

#include "support/FactoryRecord.h"
#include "support/ReadFile.h"

#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

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

TEST(SettingsRecord, ShortPasswordIsSpacePadded) {
    SettingsModel model;
    std::memcpy(model.Password.data(), "hmdx5", 5);
    const Bytes record = Record(model);
    EXPECT_EQ(std::string(record.begin() + 248, record.begin() + 256), "hmdx5   ");
}

TEST(SettingsRecord, HmaMasksAbsentAndBeeplessItems) {
    SettingsRecord record{};
    std::fill(record.begin() + 256, record.begin() + 320, uint8_t{1});
    SettingsModel model;
    DecodeSettings(record, model, kHmaPresent, kHmaBeep);
    EXPECT_EQ(model.ItemEnabled, kHmaPresent);
    EXPECT_EQ(model.ItemBeep, kHmaBeep);
    EXPECT_EQ(model.ItemWarnOpt3, EveryItem());
    EncodeSettings(model, record);
    EXPECT_EQ(record[256 + 7], 0);
}

} // namespace
} // namespace hmdx::test
