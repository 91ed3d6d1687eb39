// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsRecord.h"

#include <cstring>

namespace hmdx {

namespace {

constexpr std::size_t kVoltUsed = 9;
constexpr std::size_t kFanUsed = 3;
constexpr std::size_t kTempUsed = 3;
constexpr std::size_t kItems = 16;

// Byte offsets of the fields in the record.
constexpr std::size_t kOffVoltScaleMin = 0;
constexpr std::size_t kOffVoltScaleMax = 40;
constexpr std::size_t kOffVoltLoLimit = 80;
constexpr std::size_t kOffVoltHiLimit = 120;
constexpr std::size_t kOffVoltFactor = 160;
constexpr std::size_t kOffFanDivisor = 200;
constexpr std::size_t kOffFanCountLimit = 208;
constexpr std::size_t kOffTempLoLimit = 216;
constexpr std::size_t kOffTempHiLimit = 232;
constexpr std::size_t kOffPassword = 248;
constexpr std::size_t kOffItemEnabled = 256;
constexpr std::size_t kOffItemWarnOpt1 = 272;
constexpr std::size_t kOffItemWarnOpt3 = 288;
constexpr std::size_t kOffItemBeep = 304;
constexpr std::size_t kOffVcoreFromVID = 320;
static_assert(kOffVcoreFromVID + 2 == kSettingsRecordSize);

struct VoltDefault {
    float scaleMin, scaleMax, loLimit, hiLimit;
    double ratio; // divider ratio in front of the 16 mV per count input
};

// Voltage items 0..8: VcoreA, VcoreB, +3.3V, +5V, +12V, -12V, -5V, Vsb, Vbat.
constexpr std::array<VoltDefault, kVoltUsed> kVoltDefaults{{
    {1.0f, 4.1f, 1.2f, 3.9f, 1.0},
    {1.0f, 4.1f, 3.1f, 3.8f, 1.0},
    {2.3f, 4.0f, 3.1f, 3.8f, 1.0},
    {4.0f, 6.0f, 4.5f, 5.5f, 0.595},
    {10.0f, 14.0f, 11.0f, 13.0f, 0.263},
    {-14.0f, -10.0f, -13.0f, -11.0f, 0.287},
    {-6.0f, -4.0f, -5.5f, -4.5f, 0.664},
    {4.0f, 6.0f, 4.5f, 5.5f, 0.66},
    {1.5f, 4.1f, 2.5f, 3.5f, 1.0},
}};
constexpr double kVoltsPerCount = 0.016;
constexpr std::array<int16_t, kFanUsed> kDefaultFanDivisor{8, 8, 8};
constexpr std::array<int16_t, kFanUsed> kDefaultFanCountLimit{160, 128, 160};
constexpr std::array<float, kTempUsed> kDefaultTempHiLimit{40.0f, 60.0f, 60.0f};
constexpr std::size_t kFan2Item = 10; // Fan2 ships unmonitored

uint16_t getU16(const SettingsRecord& r, std::size_t off) {
    return static_cast<uint16_t>(r[off] | (r[off + 1] << 8));
}

void putU16(SettingsRecord& r, std::size_t off, uint16_t v) {
    r[off] = static_cast<uint8_t>(v & 0xFFu);
    r[off + 1] = static_cast<uint8_t>(v >> 8);
}

float getFloat(const SettingsRecord& r, std::size_t off) {
    const uint32_t bits = uint32_t{getU16(r, off)} | (uint32_t{getU16(r, off + 2)} << 16);
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void putFloat(SettingsRecord& r, std::size_t off, float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    putU16(r, off, static_cast<uint16_t>(bits & 0xFFFFu));
    putU16(r, off + 2, static_cast<uint16_t>(bits >> 16));
}

void getValue(const SettingsRecord& r, std::size_t off, float& v) {
    v = getFloat(r, off);
}

void getValue(const SettingsRecord& r, std::size_t off, int16_t& v) {
    v = static_cast<int16_t>(getU16(r, off));
}

void putValue(SettingsRecord& r, std::size_t off, float v) {
    putFloat(r, off, v);
}

void putValue(SettingsRecord& r, std::size_t off, int16_t v) {
    putU16(r, off, static_cast<uint16_t>(v));
}

// The record has room for one entry more than each array; that spare lives in the record only.
template <typename T, std::size_t N>
void getArray(const SettingsRecord& r, std::size_t off, std::array<T, N>& a) {
    for (std::size_t i = 0; i < N; ++i)
        getValue(r, off + sizeof(T) * i, a[i]);
}

template <typename T, std::size_t N>
void putArray(SettingsRecord& r, std::size_t off, const std::array<T, N>& a) {
    for (std::size_t i = 0; i < N; ++i)
        putValue(r, off + sizeof(T) * i, a[i]);
}

template <typename Bytes> void getBytes(const SettingsRecord& r, std::size_t off, Bytes& a) {
    std::memcpy(a.data(), r.data() + off, a.size());
}

template <typename Bytes> void putBytes(SettingsRecord& r, std::size_t off, const Bytes& a) {
    std::memcpy(r.data() + off, a.data(), a.size());
}

// An input the chip lacks is never monitored, and a beep the chip cannot sound is never on.
void maskItems(SettingsModel& m, const SettingsItemBytes& present,
               const SettingsItemBytes& beepCapable) {
    for (std::size_t i = 0; i < kItems; ++i) {
        if (present[i] != 1)
            m.monitored[i] = 0;
        if (beepCapable[i] != 1)
            m.beep[i] = 0;
    }
}

} // namespace

void DecodeSettings(const SettingsRecord& record, SettingsModel& model,
                    const SettingsItemBytes& itemPresent,
                    const SettingsItemBytes& itemBeepCapable) {
    getArray(record, kOffVoltScaleMin, model.voltageScaleLow);
    getArray(record, kOffVoltScaleMax, model.voltageScaleHigh);
    getArray(record, kOffVoltLoLimit, model.voltageLow);
    getArray(record, kOffVoltHiLimit, model.voltageHigh);
    getArray(record, kOffVoltFactor, model.voltageFactor);
    getArray(record, kOffFanDivisor, model.fanDivisor);
    getArray(record, kOffFanCountLimit, model.fanCountLimit);
    getArray(record, kOffTempLoLimit, model.temperatureLow);
    getArray(record, kOffTempHiLimit, model.temperatureHigh);
    getBytes(record, kOffPassword, model.password);
    getBytes(record, kOffItemEnabled, model.monitored);
    getBytes(record, kOffItemWarnOpt1, model.warnAtOnce);
    getBytes(record, kOffItemWarnOpt3, model.warnAfterThree);
    getBytes(record, kOffItemBeep, model.beep);
    maskItems(model, itemPresent, itemBeepCapable);
    model.vcoreFromVid = static_cast<int16_t>(getU16(record, kOffVcoreFromVID));
}

void EncodeSettings(const SettingsModel& model, SettingsRecord& record) {
    putArray(record, kOffVoltScaleMin, model.voltageScaleLow);
    putArray(record, kOffVoltScaleMax, model.voltageScaleHigh);
    putArray(record, kOffVoltLoLimit, model.voltageLow);
    putArray(record, kOffVoltHiLimit, model.voltageHigh);
    putArray(record, kOffVoltFactor, model.voltageFactor);
    putArray(record, kOffFanDivisor, model.fanDivisor);
    putArray(record, kOffFanCountLimit, model.fanCountLimit);
    putArray(record, kOffTempLoLimit, model.temperatureLow);
    putArray(record, kOffTempHiLimit, model.temperatureHigh);
    putBytes(record, kOffPassword, model.password);
    putBytes(record, kOffItemEnabled, model.monitored);
    putBytes(record, kOffItemWarnOpt1, model.warnAtOnce);
    putBytes(record, kOffItemWarnOpt3, model.warnAfterThree);
    putBytes(record, kOffItemBeep, model.beep);
    putU16(record, kOffVcoreFromVID, static_cast<uint16_t>(model.vcoreFromVid));
}

void SetDefaultSettings(SettingsModel& model, const SettingsItemBytes& itemPresent,
                        const SettingsItemBytes& itemBeepCapable) {
    for (std::size_t i = 0; i < kVoltUsed; ++i) {
        const VoltDefault& d = kVoltDefaults[i];
        model.voltageScaleLow[i] = d.scaleMin;
        model.voltageScaleHigh[i] = d.scaleMax;
        model.voltageLow[i] = d.loLimit;
        model.voltageHigh[i] = d.hiLimit;
        model.voltageFactor[i] = static_cast<float>(kVoltsPerCount / d.ratio);
    }
    for (std::size_t f = 0; f < kFanUsed; ++f) {
        model.fanDivisor[f] = kDefaultFanDivisor[f];
        model.fanCountLimit[f] = kDefaultFanCountLimit[f];
    }
    for (std::size_t t = 0; t < kTempUsed; ++t) {
        model.temperatureHigh[t] = kDefaultTempHiLimit[t];
        model.temperatureLow[t] = kDefaultTempHiLimit[t];
    }
    for (std::size_t i = 0; i < kItems; ++i) {
        model.monitored[i] = i == kFan2Item ? 0 : 1;
        model.warnAtOnce[i] = 1;
        model.warnAfterThree[i] = 0;
        model.beep[i] = 1;
    }
    maskItems(model, itemPresent, itemBeepCapable);
    model.password.fill(' ');
    model.vcoreFromVid = -1;
}

} // namespace hmdx
