// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsRecord.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hmdx {

// The context the settings' message forms are translated in.
inline constexpr const char* kSettingsMessageContext = "hmdx::SettingsFile";

// A message for the user: a fixed English form with %1, %2, ..., translated where it is shown
// (the settings have no Qt), and what fills it: file names and system reasons, as they are.
struct SettingsMessage {
    const char* form = nullptr;
    std::vector<std::string> args;

    bool empty() const { return form == nullptr; }
    // `translatedForm`, the form in the user's language, filled in.
    std::string text(std::string_view translatedForm) const;
    // In English, as the event log keeps it.
    std::string text() const { return form ? text(form) : std::string(); }
};

struct SettingsLoadResult {
    enum class Outcome {
        Loaded,     // the record was read (some entries may have been replaced)
        Missing,    // no file: factory defaults, nothing to tell the user
        Unreadable, // could not be opened or read: factory defaults
        TooShort,   // shorter than one record: factory defaults
    };
    Outcome outcome = Outcome::Missing;
    std::vector<std::string>
        replaced;            // entries that took their factory default, e.g. "VoltFactor(3)"
    SettingsMessage message; // for the user; empty when there is nothing to say
};

// One chip model's data file. Keeps the last record read or written, so the spare entries
// the program does not use go back to the file as they came.
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return m_path; }
    const SettingsRecord& record() const { return m_record; }

    // Fills the model from the file. Never fails: what cannot be used is replaced by
    // factory values and the result says what and why. The file itself is not touched.
    SettingsLoadResult load(SettingsModel& model, const SettingsItemBytes& itemPresent,
                            const SettingsItemBytes& itemBeepCapable);

    // Writes the model so that the file is at every moment either the old or the new record
    // (bytes the old file had past the record are kept). On failure returns a message naming
    // the file and the system's reason, and the old file is untouched.
    std::optional<SettingsMessage> save(const SettingsModel& model);

private:
    std::filesystem::path m_path;
    SettingsRecord m_record{};
};

// Entries that would crash or corrupt later work get their factory value; returns their names.
std::vector<std::string> RepairSettings(SettingsModel& model);

} // namespace hmdx
