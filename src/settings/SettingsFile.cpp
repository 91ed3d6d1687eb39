// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include "platform/AtomicFile.h"
#include "platform/FileDescriptor.h"
#include "platform/Filled.h"
#include "platform/TextMark.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace hmdx {

namespace {

using Bytes = std::vector<uint8_t>;

std::string reason(int err) {
    return std::generic_category().message(err);
}

// Reads up to `limit` bytes; returns 0 or the errno of the failure (ENOENT: no such file).
// O_NONBLOCK: a FIFO put in place of the file must not hang the program.
int readFile(const std::filesystem::path& path, std::size_t limit, Bytes& out, mode_t& mode) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return errno;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return errno;
    mode = st.st_mode;
    out.clear();
    uint8_t chunk[4096];
    while (out.size() < limit) {
        const ssize_t n = ::read(fd.get(), chunk, std::min(sizeof chunk, limit - out.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        out.insert(out.end(), chunk, chunk + n);
    }
    return 0;
}

template <typename T, std::size_t N, typename Usable>
void repairArray(const char* name, std::array<T, N>& values, const std::array<T, N>& factory,
                 Usable usable, std::vector<std::string>& replaced) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!usable(values[i])) {
            values[i] = factory[i];
            replaced.push_back(std::string(name) + "(" + std::to_string(i) + ")");
        }
    }
}

bool isFinite(float v) {
    return std::isfinite(v);
}

// Readings are multiplied by the factor; zero, negative or infinite factors give no volts,
// and neither does one so large that the highest count (255) times it overflows.
bool isVoltFactor(float v) {
    return std::isfinite(v) && v > 0.0f && std::isfinite(v * 255.0f);
}

// The speed formula forms divisor × count (count up to 255) as a 16-bit signed product.
bool isFanDivisor(int16_t v) {
    return v >= 1 && v <= 128;
}

// The limit up-down holds 255 − limit in 1..255, and a count of 0 has no speed.
bool isFanCountLimit(int16_t v) {
    return v >= 1 && v <= 254;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

SettingsLoadResult repairedLoad(const std::filesystem::path& path,
                                std::vector<std::string> replaced) {
    SettingsLoadResult result;
    result.outcome = SettingsLoadResult::Outcome::Loaded;
    if (!replaced.empty())
        result.message = {QT_TRANSLATE_NOOP("hmdx::SettingsFile",
                                            "The settings file \"%1\" holds values that cannot "
                                            "be used. These entries take their factory values: "
                                            "%2."),
                          {path.string(), joined(replaced)}};
    result.replaced = std::move(replaced);
    return result;
}

// `err` is 0 when the file was read but was too short.
SettingsLoadResult failedLoad(const std::filesystem::path& path, int err, std::size_t size) {
    SettingsLoadResult result;
    if (err == ENOENT) {
        result.outcome = SettingsLoadResult::Outcome::Missing;
    } else if (err != 0) {
        result.outcome = SettingsLoadResult::Outcome::Unreadable;
        result.message = {QT_TRANSLATE_NOOP("hmdx::SettingsFile",
                                            "The settings file \"%1\" cannot be read: %2. Factory "
                                            "settings are in use; the file stays as it is until "
                                            "you save."),
                          {path.string(), reason(err)}};
    } else {
        result.outcome = SettingsLoadResult::Outcome::TooShort;
        result.message = {
            QT_TRANSLATE_NOOP("hmdx::SettingsFile",
                              "The settings file \"%1\" is too short (%2 of %3 bytes). Factory "
                              "settings are in use; the file stays as it is until you save."),
            {path.string(), std::to_string(size), std::to_string(kSettingsRecordSize)}};
    }
    return result;
}

} // namespace

std::string SettingsMessage::text(std::string_view translatedForm) const {
    const auto arg = [this](size_t i) { return i < args.size() ? std::string_view(args[i]) : ""; };
    return Filled(translatedForm, {arg(0), arg(1), arg(2)});
}

SettingsFile::SettingsFile(std::filesystem::path path) : m_path(std::move(path)) {}

SettingsLoadResult SettingsFile::load(SettingsModel& model, const SettingsItemBytes& itemPresent,
                                      const SettingsItemBytes& itemBeepCapable) {
    Bytes bytes;
    mode_t mode = 0;
    const int err = readFile(m_path, kSettingsRecordSize, bytes, mode);
    if (err == 0 && bytes.size() == kSettingsRecordSize) {
        std::copy(bytes.begin(), bytes.end(), m_record.begin());
        DecodeSettings(m_record, model, itemPresent, itemBeepCapable);
        return repairedLoad(m_path, RepairSettings(model));
    }
    SetDefaultSettings(model, itemPresent, itemBeepCapable);
    return failedLoad(m_path, err, bytes.size());
}

std::optional<SettingsMessage> SettingsFile::save(const SettingsModel& model) {
    SettingsRecord record = m_record;
    EncodeSettings(model, record);
    Bytes old;
    mode_t mode = 0;
    int err = readFile(m_path, SIZE_MAX, old, mode);
    const bool exists = err != ENOENT;
    if (!exists)
        err = 0;
    if (err == 0) {
        Bytes data(record.begin(), record.end());
        if (old.size() > kSettingsRecordSize)
            data.insert(data.end(), old.begin() + kSettingsRecordSize, old.end());
        // The file holds the password: a new one is for its owner's eyes only. A save killed
        // halfway leaves its temporary file behind, and it may hold the password too; only one
        // hmdx runs per user, so any such file beside ours is a leftover.
        err = WriteFileAtomically(m_path, {reinterpret_cast<const char*>(data.data()), data.size()},
                                  {.mode = exists ? (mode & 0777) : 0600,
                                   .hiddenTemp = true,
                                   .syncFolder = true,
                                   .removeStale = true});
    }
    if (err != 0)
        return SettingsMessage{QT_TRANSLATE_NOOP("hmdx::SettingsFile",
                                                 "The settings could not be saved to \"%1\": %2. "
                                                 "Your settings are kept in memory; the file is "
                                                 "unchanged."),
                               {m_path.string(), reason(err)}};
    m_record = record;
    return std::nullopt;
}

std::vector<std::string> RepairSettings(SettingsModel& model) {
    SettingsModel factory;
    SettingsItemBytes all;
    all.fill(1);
    SetDefaultSettings(factory, all, all);
    std::vector<std::string> replaced;
    repairArray("VoltScaleMin", model.voltageScaleLow, factory.voltageScaleLow, isFinite, replaced);
    repairArray("VoltScaleMax", model.voltageScaleHigh, factory.voltageScaleHigh, isFinite,
                replaced);
    repairArray("VoltLoLimit", model.voltageLow, factory.voltageLow, isFinite, replaced);
    repairArray("VoltHiLimit", model.voltageHigh, factory.voltageHigh, isFinite, replaced);
    repairArray("VoltFactor", model.voltageFactor, factory.voltageFactor, isVoltFactor, replaced);
    repairArray("FanDivisor", model.fanDivisor, factory.fanDivisor, isFanDivisor, replaced);
    repairArray("FanCountLimit", model.fanCountLimit, factory.fanCountLimit, isFanCountLimit,
                replaced);
    repairArray("TempLoLimit", model.temperatureLow, factory.temperatureLow, isFinite, replaced);
    repairArray("TempHiLimit", model.temperatureHigh, factory.temperatureHigh, isFinite, replaced);
    return replaced;
}

} // namespace hmdx
