// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzChecks.h"
#include "app/DesktopSettings.h"
#include "monitor/FanControlSettings.h"
#include "platform/IniText.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <string_view>

namespace hmdx::fuzz {
namespace {

using Line = IniText::Line;
using Kind = IniText::Kind;

// The input in a file of that name, in one folder for the whole run.
std::filesystem::path written(const char* name, const uint8_t* data, std::size_t size) {
    static const test::TempDir folder;
    std::ofstream(folder / name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return folder / name;
}

// The non-blank lines a save was not to touch, as written, less the byte order marks they start
// with: which line the file's own mark stands before moves when the save adds or removes the
// first line, though every byte stays.
std::vector<std::string> kept(const std::string& text,
                              const std::function<bool(const Line&)>& own) {
    std::vector<std::string> lines;
    const IniText ini(text);
    for (const Line& line : ini.lines()) {
        std::string_view raw = line.raw;
        while (raw.starts_with("\xEF\xBB\xBF"))
            raw.remove_prefix(3);
        if (line.kind != Kind::Blank && !own(line))
            lines.emplace_back(raw);
    }
    return lines;
}

} // namespace

std::string CheckFanControlFile(const uint8_t* data, std::size_t size) {
    const std::filesystem::path file = written("fan-control.ini", data, size);
    const std::string bytes = test::ReadFile(file);
    const FanControlFile first = LoadFanControl(file, 2);
    if (size > kMaxTextFile)
        return first.problem.empty() ? "a file too large was read" : "";
    const IniText original(bytes);
    if (original.text() != bytes)
        return "the text does not come back byte for byte";
    if (SaveFanControl(file, first.settings, 2) || test::ReadFile(file) != bytes)
        return "a save of what loaded changed the file";
    const FanOutputSettings curve{.mode = FanMode::Curve, .points = {{30, 30}, {50, 60}}};
    FanControlSettings changed = first.settings;
    changed.outputs[0] = first.settings.outputs[0] == curve ? FanOutputSettings{} : curve;
    if (const auto error = SaveFanControl(file, changed, 2))
        return "a save failed: " + *error;
    const auto own = [](const Line& line) { return line.section == "output1"; };
    if (kept(bytes, own) != kept(test::ReadFile(file), own))
        return "a line outside [output1] changed";
    const FanControlFile again = LoadFanControl(file, 2);
    const auto elsewhere = [&](const Line& l) { return l.kind == Kind::Malformed && !own(l); };
    if (std::any_of(original.lines().begin(), original.lines().end(), elsewhere))
        return again.problem.empty() ? "a malformed line was not reported" : "";
    if (again.settings.outputs[0] != changed.outputs[0])
        return "output 1 does not load as saved";
    const bool output2Same = again.settings.outputs[1] == first.settings.outputs[1];
    return original.firstMalformed() || output2Same ? "" : "output 2 does not load as before";
}

std::string CheckDesktopConf(const uint8_t* data, std::size_t size) {
    const std::filesystem::path file = written("hmdx.conf", data, size);
    const std::string bytes = test::ReadFile(file);
    DesktopSettings first(file);
    const bool unreadable = size > kMaxTextFile || IniText(bytes).firstMalformed();
    if ((first.load().find("cannot be read") != std::string::npos) != unreadable)
        return "an unreadable file was not reported, or a readable one was";
    const std::string error = first.saveStartAtLogin(!first.startAtLogin);
    if (unreadable)
        return error.empty() || test::ReadFile(file) != bytes ? "an unread file was written" : "";
    if (!error.empty())
        return "a save failed: " + error;
    const auto own = [](const Line& line) {
        return line.kind == Kind::Entry && line.key == "startAtLogin" &&
               (line.section.empty() || line.section == "General");
    };
    if (kept(bytes, own) != kept(test::ReadFile(file), own))
        return "a line other than startAtLogin changed";
    DesktopSettings again(file);
    again.load();
    const bool same =
        again.startAtLogin == first.startAtLogin && again.alertCommand == first.alertCommand;
    return same ? "" : "the settings do not load as saved";
}

} // namespace hmdx::fuzz
