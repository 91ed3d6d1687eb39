// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzChecks.h"
#include "settings/SettingsFile.h"
#include "support/FactoryRecord.h"
#include "support/ReadFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace hmdx::fuzz {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::EveryItem;

// The record's spare entries (voltage 9, fan and temperature 3): kept, never interpreted.
constexpr std::pair<std::size_t, std::size_t> kSpares[] = {
    {36, 4}, {76, 4}, {116, 4}, {156, 4}, {196, 4}, {206, 2}, {214, 2}, {228, 4}, {244, 4}};

// One folder for the whole run, in memory where there is such a file system: a save syncs
// the file and its folder, which on a disk would make every input cost milliseconds.
struct Scratch {
    Scratch() {
        const fs::path shm = "/dev/shm";
        std::string pattern =
            ((fs::is_directory(shm) ? shm : fs::temp_directory_path()) / "hmdx-fuzz-XXXXXX")
                .string();
        if (::mkdtemp(pattern.data()))
            folder = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
};

std::string checkLoad(const SettingsLoadResult& result, const SettingsModel& model,
                      std::size_t size) {
    using Outcome = SettingsLoadResult::Outcome;
    if (size < kSettingsRecordSize) {
        if (result.outcome != Outcome::TooShort || !(model == test::FactorySettings()))
            return "a short file did not give the factory settings";
        return result.message.empty() ? "a short file was not reported" : "";
    }
    if (result.outcome != Outcome::Loaded)
        return "a whole record did not load";
    if (result.replaced.empty() != result.message.empty())
        return "replaced entries and the message disagree";
    SettingsModel again = model;
    if (!RepairSettings(again).empty() || !(again == model))
        return "a loaded model still needs repair";
    return {};
}

// The saved file: the new record, then whatever the old file held past it; the spare entries
// as the old file had them.
std::string checkSavedBytes(const Bytes& saved, const uint8_t* data, std::size_t size) {
    if (saved.size() != std::max(size, kSettingsRecordSize))
        return "the saved file has the wrong size";
    if (size < kSettingsRecordSize)
        return {};
    if (!std::equal(saved.begin() + kSettingsRecordSize, saved.end(), data + kSettingsRecordSize))
        return "bytes past the record were not kept";
    for (const auto& [offset, length] : kSpares)
        if (!std::equal(data + offset, data + offset + length, saved.begin() + long(offset)))
            return "a spare entry was not kept";
    return {};
}

} // namespace

std::string CheckSettingsFile(const uint8_t* data, std::size_t size) {
    static const Scratch scratch;
    const fs::path path = scratch.folder / "hmb.dat";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    SettingsModel model;
    SettingsFile file(path);
    std::string problem = checkLoad(file.load(model, EveryItem(), EveryItem()), model, size);
    if (!problem.empty())
        return problem;
    if (const auto error = file.save(model))
        return "save failed: " + error->text();
    SettingsModel reloaded;
    const SettingsLoadResult again = SettingsFile(path).load(reloaded, EveryItem(), EveryItem());
    if (again.outcome != SettingsLoadResult::Outcome::Loaded || !again.replaced.empty())
        return "the saved file did not load cleanly";
    if (!(reloaded == model))
        return "the saved file loads to other settings";
    return checkSavedBytes(test::ReadFile<Bytes>(path), data, size);
}

} // namespace hmdx::fuzz
