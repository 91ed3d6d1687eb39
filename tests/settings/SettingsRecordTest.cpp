#include "settings/SettingsRecord.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

using namespace hmdx;

namespace {

SettingsItemBytes itemsExcept(std::initializer_list<int> off) {
    SettingsItemBytes bytes;
    bytes.fill(1);
    for (int i : off)
        bytes[i] = 0;
    return bytes;
}

const SettingsItemBytes kAll = itemsExcept({});
const SettingsItemBytes kHmaPresent = itemsExcept({7, 8});
const SettingsItemBytes kHmaBeep = itemsExcept({7, 8, 12, 13, 14});

std::vector<uint8_t> bytesAt(const SettingsRecord& r, std::size_t off, std::size_t n) {
    return {r.begin() + off, r.begin() + off + n};
}

// The golden records are written by a short python3 script, independent of this code:
//   struct.pack('<10f', ...) for the five voltage columns (factor = 0.016 / ratio, entry 9 = 0),
//   '<4h' 8,8,8,0 and 160,128,160,0, '<4f' 40,60,60,0 twice, b' ' * 8, the item bytes
//   (enabled 1 but item 10 and absent items 0, warn-first 1, warn-third 0, beep 1 unless
//   absent or no-beep), '<h' -1. HMB has every item; HMA lacks 7, 8 and cannot beep for 12-14.
struct GoldenCase {
    const char* file;
    SettingsItemBytes present, beepCapable;
};

class DefaultsGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(DefaultsGolden, EncodeByteForByte) {
    std::ifstream in(std::string(HMDX_TEST_DATA) + "/" + GetParam().file, std::ios::binary);
    const std::vector<uint8_t> golden{std::istreambuf_iterator<char>(in), {}};
    SettingsModel model;
    SetDefaultSettings(model, GetParam().present, GetParam().beepCapable);
    SettingsRecord record{};
    EncodeSettings(model, record);
    EXPECT_EQ(std::vector<uint8_t>(record.begin(), record.end()), golden);

    SettingsModel decoded;
    DecodeSettings(record, decoded, GetParam().present, GetParam().beepCapable);
    EXPECT_EQ(decoded, model);
}

INSTANTIATE_TEST_SUITE_P(Models, DefaultsGolden,
                         testing::Values(GoldenCase{"defaults-hmb.dat", kAll, kAll},
                                         GoldenCase{"defaults-hma.dat", kHmaPresent, kHmaBeep}));

TEST(SettingsRecord, DefaultFiveVoltFactorAndVcoreFromVid) {
    SettingsModel model;
    SetDefaultSettings(model, kAll, kAll);
    SettingsRecord record{};
    EncodeSettings(model, record);
    EXPECT_EQ(bytesAt(record, 172, 4), (std::vector<uint8_t>{0x01, 0x4A, 0xDC, 0x3C}));
    EXPECT_EQ(bytesAt(record, 320, 2), (std::vector<uint8_t>{0xFF, 0xFF}));
}

TEST(SettingsRecord, FiveCharacterPasswordIsSpacePadded) {
    SettingsModel model;
    const char typed[] = "hmdx5";
    std::copy(typed, typed + 5, model.Password.begin());
    SettingsRecord record{};
    EncodeSettings(model, record);
    EXPECT_EQ(bytesAt(record, 248, 8),
              (std::vector<uint8_t>{'h', 'm', 'd', 'x', '5', ' ', ' ', ' '}));
}

TEST(SettingsRecord, HmaMasksAbsentAndBeeplessItems) {
    SettingsRecord record{};
    std::fill(record.begin() + 256, record.begin() + 320, uint8_t{1});
    SettingsModel model;
    DecodeSettings(record, model, kHmaPresent, kHmaBeep);
    EXPECT_EQ(model.ItemEnabled, kHmaPresent);
    EXPECT_EQ(model.ItemBeep, kHmaBeep);
    EXPECT_EQ(model.ItemWarnOpt3, kAll);
    EncodeSettings(model, record);
    EXPECT_EQ(record[256 + 7], 0);
}

// Entry 9 of the voltage arrays and entry 3 of the others belong to the record alone.
TEST(SettingsRecord, SpareEntriesAreNeverCopied) {
    const std::size_t spares[][2] = {{36, 4},  {76, 4},  {116, 4}, {156, 4}, {196, 4},
                                     {206, 2}, {214, 2}, {228, 4}, {244, 4}};
    SettingsRecord record;
    record.fill(0xA5);
    SettingsModel model;
    model.VoltScaleMin[9] = 7.0f;
    model.FanDivisor[3] = 7;
    model.TempHiLimit[3] = 7.0f;
    DecodeSettings(record, model, kAll, kAll);
    EXPECT_EQ(model.VoltScaleMin[9], 7.0f);
    EXPECT_EQ(model.FanDivisor[3], 7);
    EXPECT_EQ(model.TempHiLimit[3], 7.0f);

    SetDefaultSettings(model, kAll, kAll);
    EncodeSettings(model, record);
    for (const auto& [offset, size] : spares)
        EXPECT_EQ(bytesAt(record, offset, size), std::vector<uint8_t>(size, 0xA5)) << offset;
}

} // namespace
