// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanControlSettings.h"

#include "chip/ChipProgramming.h"
#include "platform/AtomicFile.h"
#include "platform/Filled.h"
#include "platform/IniText.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>
#include <system_error>

namespace hmdx {
namespace {

constexpr unsigned kFixed = 1U << int(FanMode::Fixed);
constexpr unsigned kCurve = 1U << int(FanMode::Curve);

bool usesEntry(FanMode mode, unsigned modes) {
    return (modes >> int(mode)) & 1U;
}

std::optional<int> parseInt(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<std::vector<CurvePoint>> parsePoints(std::string_view text) {
    std::vector<CurvePoint> points;
    while (!text.empty()) {
        const std::size_t blank = std::min(text.find_first_of(" \t"), text.size());
        const std::string_view pair = text.substr(0, blank);
        text.remove_prefix(blank < text.size() ? blank + 1 : blank);
        if (pair.empty())
            continue;
        const std::size_t colon = pair.find(':');
        const std::optional<int> celsius =
            colon == std::string_view::npos ? std::nullopt : parseInt(pair.substr(0, colon));
        const std::optional<int> percent = celsius ? parseInt(pair.substr(colon + 1)) : celsius;
        if (!celsius || !percent)
            return std::nullopt;
        points.push_back({*celsius, *percent});
    }
    return points;
}

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

bool validPoints(const std::vector<CurvePoint>& points) {
    if (points.size() < size_t(kMinCurvePoints) || points.size() > size_t(kMaxCurvePoints))
        return false;
    for (size_t i = 0; i < points.size(); ++i) {
        const CurvePoint& p = points[i];
        // A point where no sensor reads is a typing error, not a curve.
        if (!inRange(p.celsius, kColdestSensorReading, kHottestSensorReading) ||
            !inRange(p.percent, 0, kMaxPercent))
            return false;
        if (i > 0 && (p.celsius <= points[i - 1].celsius || p.percent < points[i - 1].percent))
            return false;
    }
    return true;
}

std::string pointsText(const std::vector<CurvePoint>& points) {
    std::string text;
    for (const CurvePoint& p : points)
        text +=
            (text.empty() ? "" : " ") + std::to_string(p.celsius) + ":" + std::to_string(p.percent);
    return text;
}

// One entry of an [outputN] section: which modes need it, how its text becomes the setting
// (false: malformed or out of range), whether a setting is good, and the setting as text.
struct Entry {
    const char* key;
    unsigned modes;
    bool (*parse)(std::string_view text, FanOutputSettings& out);
    bool (*valid)(const FanOutputSettings& s);
    std::string (*text)(const FanOutputSettings& s);
};

template <int FanOutputSettings::*Field, int Low, int High>
constexpr Entry IntEntry(const char* key, unsigned modes) {
    return {key, modes,
            [](std::string_view text, FanOutputSettings& out) {
                const std::optional<int> value = parseInt(text);
                out.*Field = value.value_or(Low - 1);
                return value && inRange(*value, Low, High);
            },
            [](const FanOutputSettings& s) { return inRange(s.*Field, Low, High); },
            [](const FanOutputSettings& s) { return std::to_string(s.*Field); }};
}

const Entry kEntries[] = {
    IntEntry<&FanOutputSettings::duty, 0, kMaxPercent>("duty", kFixed),
    IntEntry<&FanOutputSettings::sensor, 1, 3>("sensor", kFixed | kCurve),
    {"points", kCurve,
     [](std::string_view text, FanOutputSettings& out) {
         std::optional<std::vector<CurvePoint>> points = parsePoints(text);
         out.points = points.value_or(std::vector<CurvePoint>{});
         return points && validPoints(*points);
     },
     [](const FanOutputSettings& s) { return validPoints(s.points); },
     [](const FanOutputSettings& s) { return pointsText(s.points); }},
    IntEntry<&FanOutputSettings::hysteresis, 0, kMaxHysteresis>("hysteresis", kCurve),
    IntEntry<&FanOutputSettings::minimum, 0, kMaxPercent>("minimum", kCurve),
};

constexpr const char* kModeNames[] = {"full", "fixed", "curve"};

std::optional<FanMode> parseMode(std::string_view text) {
    for (int m = 0; m < 3; ++m)
        if (text == kModeNames[m])
            return FanMode(m);
    return std::nullopt;
}

std::string section(int output) {
    return "output" + std::to_string(output);
}

// The entry that counts: the last, as the files written before took it.
const IniText::Line* entryOf(const IniText& ini, const std::string& section, const char* key) {
    const std::vector<std::size_t> found = ini.find(section, key);
    return found.empty() ? nullptr : &ini.lines()[found.back()];
}

// One section: its settings, or Full with the names of the entries at fault added to `faults`.
FanOutputSettings loadOutput(const IniText& ini, int output, std::vector<std::string>& faults) {
    const size_t before = faults.size();
    const std::string name = section(output);
    FanOutputSettings s;
    if (const IniText::Line* mode = entryOf(ini, name, "mode")) {
        const std::optional<FanMode> parsed =
            mode->clean ? parseMode(mode->value) : std::optional<FanMode>();
        if (parsed)
            s.mode = *parsed;
        else
            faults.push_back(name + "/mode");
    }
    for (const Entry& entry : kEntries) {
        const IniText::Line* line = entryOf(ini, name, entry.key);
        const bool bad =
            line ? !line->clean || !entry.parse(line->value, s) : usesEntry(s.mode, entry.modes);
        if (bad)
            faults.push_back(name + "/" + entry.key);
    }
    return faults.size() == before ? s : FanOutputSettings{};
}

// What a text holds for the model's outputs. A malformed line leaves every output Full: a
// broken header may have put an output's entries under another.
struct Loaded {
    FanControlSettings settings;
    std::vector<std::string> faults;
    int outputsAtFault = 0;
    std::size_t malformed = 0;
};

Loaded loadText(const IniText& ini, int outputs) {
    Loaded loaded;
    loaded.malformed = ini.firstMalformed();
    for (int o = 1; !loaded.malformed && o <= std::min(outputs, kMaxFanOutputs); ++o) {
        const size_t before = loaded.faults.size();
        loaded.settings.outputs[size_t(o - 1)] = loadOutput(ini, o, loaded.faults);
        loaded.outputsAtFault += loaded.faults.size() != before;
    }
    return loaded;
}

constexpr const char* kContext = "hmdx::FanControlSettings";

std::string translated(const char* text) {
    return QCoreApplication::translate(kContext, text).toStdString();
}

// By whether one entry or more is at fault, and one output or more.
constexpr const char* kFaultForms[] = {
    QT_TRANSLATE_NOOP("hmdx::FanControlSettings",
                      "%1: %2 is missing, out of range or malformed; that output stays at full "
                      "speed."),
    QT_TRANSLATE_NOOP("hmdx::FanControlSettings",
                      "%1: %2 are missing, out of range or malformed; that output stays at full "
                      "speed."),
    QT_TRANSLATE_NOOP("hmdx::FanControlSettings",
                      "%1: %2 are missing, out of range or malformed; those outputs stay at full "
                      "speed.")};

std::string faultMessage(const std::filesystem::path& file, const std::vector<std::string>& faults,
                         int outputsAtFault) {
    std::string names;
    for (const std::string& fault : faults)
        names += (names.empty() ? "" : ", ") + fault;
    const int form = (faults.size() == 1 ? 0 : 1) + (outputsAtFault == 1 ? 0 : 1);
    return Filled(translated(kFaultForms[form]), {file.string(), names});
}

std::string unreadable(const std::filesystem::path& file, const std::string& why) {
    return Filled(translated(QT_TRANSLATE_NOOP(
                      "hmdx::FanControlSettings",
                      "%1 cannot be read (%2); every fan output stays at full speed.")),
                  {file.string(), why});
}

std::string notSaved(const std::filesystem::path& file, const std::string& why) {
    return Filled(
        translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings",
                                     "The fan control settings could not be saved to %1: %2.")),
        {file.string(), why});
}

} // namespace

std::string TextFault(const TextFile& read, std::size_t malformedLine) {
    switch (read.how) {
    case TextRead::Read:
    case TextRead::Absent:
        break;
    case TextRead::Folder:
        return translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings", "a folder"));
    case TextRead::NotRegular:
        return translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings", "not a regular file"));
    case TextRead::TooLarge:
        return translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings", "larger than 1 MiB"));
    case TextRead::Failed:
        return std::strerror(read.error);
    }
    if (malformedLine == 0)
        return {};
    return Filled(
        translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings",
                                     "line %1 is neither a section, an entry nor a comment")),
        {std::to_string(malformedLine)});
}

FanControlFile LoadFanControl(const std::filesystem::path& file, int outputs) {
    FanControlFile result;
    const TextFile read = ReadTextFile(file);
    if (read.how == TextRead::Absent)
        return result;
    const Loaded loaded = loadText(IniText(read.bytes), outputs);
    if (const std::string why = TextFault(read, loaded.malformed); !why.empty()) {
        result.problem = unreadable(file, why);
        return result;
    }
    result.settings = loaded.settings;
    if (!loaded.faults.empty())
        result.problem = faultMessage(file, loaded.faults, loaded.outputsAtFault);
    return result;
}

std::optional<std::string> SaveFanControl(const std::filesystem::path& file,
                                          const FanControlSettings& settings, int outputs) {
    std::vector<std::string> faults;
    for (int o = 1; o <= std::min(outputs, kMaxFanOutputs); ++o)
        for (const Entry& entry : kEntries)
            if (usesEntry(settings.outputs[size_t(o - 1)].mode, entry.modes) &&
                !entry.valid(settings.outputs[size_t(o - 1)]))
                faults.push_back(section(o) + "/" + entry.key);
    if (!faults.empty())
        return faultMessage(file, faults, 1) +
               translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings", " Nothing was saved."));
    // Lines that were not read cannot be kept.
    const TextFile read = ReadTextFile(file);
    if (read.how != TextRead::Read && read.how != TextRead::Absent)
        return notSaved(file, TextFault(read, 0));
    IniText ini(read.bytes);
    const Loaded found = loadText(ini, outputs);
    for (int o = 1; o <= std::min(outputs, kMaxFanOutputs); ++o) {
        const FanOutputSettings& s = settings.outputs[size_t(o - 1)];
        if (s == found.settings.outputs[size_t(o - 1)])
            continue;
        const std::string name = section(o);
        ini.commentOutMalformed(name);
        ini.set(name, "mode", kModeNames[int(s.mode)]);
        // An entry the mode does not use is kept when it is good, so a mode switched back
        // finds it; a bad one would make the file fail to load.
        for (const Entry& entry : kEntries) {
            if (entry.valid(s))
                ini.set(name, entry.key, entry.text(s));
            else
                ini.remove(name, entry.key);
        }
    }
    const std::string text = ini.text();
    if (text == read.bytes) // nothing changed, or no file and nothing to put in one
        return std::nullopt;
    if (const int error =
            WriteFileAtomically(file, text, {.mode = 0644, .syncFolder = true, .followLink = true}))
        return notSaved(file, std::strerror(error));
    return std::nullopt;
}

double CurveDuty(const FanOutputSettings& output, double celsius) {
    const std::vector<CurvePoint>& p = output.points;
    if (p.empty() || std::isnan(celsius))
        return 100;
    double duty = p.back().percent;
    if (celsius <= p.front().celsius) {
        duty = p.front().percent;
    } else if (celsius < p.back().celsius) {
        size_t i = 1;
        while (celsius > p[i].celsius)
            ++i;
        const double share = (celsius - p[i - 1].celsius) / double(p[i].celsius - p[i - 1].celsius);
        duty = p[i - 1].percent + share * (p[i].percent - p[i - 1].percent);
    }
    return std::clamp(std::max(duty, double(output.minimum)), 0.0, 100.0);
}

uint8_t DutyRegister(double percent) {
    if (std::isnan(percent))
        return kFullDuty;
    return uint8_t(std::clamp(std::floor(percent * 255 / 100 + 0.5), 0.0, 255.0));
}

double ControlTemperature::update(double reading, int hysteresis) {
    if (!m_value || reading > *m_value || reading <= *m_value - hysteresis)
        m_value = reading;
    return *m_value;
}

namespace {

// Unlike std::clamp, defined when a file's points leave no room (lo > hi gives lo).
int Fenced(double value, int lo, int hi) {
    return std::max(lo, std::min(int(std::lround(value)), hi));
}

} // namespace

bool MoveCurvePoint(std::vector<CurvePoint>& points, int index, double celsius, double percent,
                    int coldest) {
    if (index < 0 || index >= int(points.size()))
        return false;
    const auto i = size_t(index);
    const bool first = i == 0, last = i + 1 == points.size();
    const CurvePoint moved{Fenced(celsius, first ? coldest : points[i - 1].celsius + 1,
                                  last ? kHottestSensorReading : points[i + 1].celsius - 1),
                           Fenced(percent, first ? 0 : points[i - 1].percent,
                                  last ? kMaxPercent : points[i + 1].percent)};
    if (moved == points[i])
        return false;
    points[i] = moved;
    return true;
}

int AddCurvePoint(std::vector<CurvePoint>& points, double celsius, double percent, int coldest) {
    if (int(points.size()) >= kMaxCurvePoints)
        return -1;
    const int at = Fenced(celsius, coldest, kHottestSensorReading);
    const auto next = std::find_if(points.begin(), points.end(),
                                   [at](const CurvePoint& p) { return p.celsius >= at; });
    if (next != points.end() && next->celsius == at)
        return -1;
    const int duty = Fenced(percent, next == points.begin() ? 0 : std::prev(next)->percent,
                            next == points.end() ? kMaxPercent : next->percent);
    const int index = int(next - points.begin());
    points.insert(next, {at, duty});
    return index;
}

bool RemoveCurvePoint(std::vector<CurvePoint>& points, int index) {
    if (index < 0 || index >= int(points.size()) || int(points.size()) <= kMinCurvePoints)
        return false;
    points.erase(points.begin() + index);
    return true;
}

} // namespace hmdx
