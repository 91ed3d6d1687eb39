// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanControlSettings.h"

#include "platform/AtomicFile.h"
#include "platform/Filled.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <utility>

namespace hmdx {
namespace {

constexpr unsigned kFixed = 1U << int(FanMode::Fixed);
constexpr unsigned kCurve = 1U << int(FanMode::Curve);

bool usesEntry(FanMode mode, unsigned modes) {
    return (modes >> int(mode)) & 1U;
}

std::optional<int> parseInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<std::vector<CurvePoint>> parsePoints(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    std::vector<CurvePoint> points;
    for (const QString& pair : text.split(blanks, Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(QLatin1Char(':'));
        const std::optional<int> celsius = parts.size() == 2 ? parseInt(parts[0]) : std::nullopt;
        const std::optional<int> percent = parts.size() == 2 ? parseInt(parts[1]) : std::nullopt;
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
    if (points.size() < 2 || points.size() > 8)
        return false;
    for (size_t i = 0; i < points.size(); ++i) {
        const CurvePoint& p = points[i];
        // A point where no sensor reads is a typing error, not a curve.
        if (!inRange(p.celsius, -40, 125) || !inRange(p.percent, 0, 100))
            return false;
        if (i > 0 && (p.celsius <= points[i - 1].celsius || p.percent < points[i - 1].percent))
            return false;
    }
    return true;
}

QString pointsText(const std::vector<CurvePoint>& points) {
    QStringList pairs;
    for (const CurvePoint& p : points)
        pairs << QStringLiteral("%1:%2").arg(p.celsius).arg(p.percent);
    return pairs.join(QLatin1Char(' '));
}

// One entry of an [outputN] section: which modes need it, how its text becomes the setting
// (false: malformed or out of range), whether a setting is good, and the setting as text.
struct Entry {
    const char* key;
    unsigned modes;
    bool (*parse)(const QString& text, FanOutputSettings& out);
    bool (*valid)(const FanOutputSettings& s);
    QString (*text)(const FanOutputSettings& s);
};

template <int FanOutputSettings::*Field, int Low, int High>
constexpr Entry IntEntry(const char* key, unsigned modes) {
    return {key, modes,
            [](const QString& text, FanOutputSettings& out) {
                const std::optional<int> value = parseInt(text);
                out.*Field = value.value_or(Low - 1);
                return value && inRange(*value, Low, High);
            },
            [](const FanOutputSettings& s) { return inRange(s.*Field, Low, High); },
            [](const FanOutputSettings& s) { return QString::number(s.*Field); }};
}

const Entry kEntries[] = {
    IntEntry<&FanOutputSettings::duty, 0, 100>("duty", kFixed),
    IntEntry<&FanOutputSettings::sensor, 1, 3>("sensor", kFixed | kCurve),
    {"points", kCurve,
     [](const QString& text, FanOutputSettings& out) {
         std::optional<std::vector<CurvePoint>> points = parsePoints(text);
         out.points = points.value_or(std::vector<CurvePoint>{});
         return points && validPoints(*points);
     },
     [](const FanOutputSettings& s) { return validPoints(s.points); },
     [](const FanOutputSettings& s) { return pointsText(s.points); }},
    IntEntry<&FanOutputSettings::hysteresis, 0, 20>("hysteresis", kCurve),
    IntEntry<&FanOutputSettings::minimum, 0, 100>("minimum", kCurve),
};

constexpr const char* kModeNames[] = {"full", "fixed", "curve"};

std::optional<FanMode> parseMode(const QString& text) {
    for (int m = 0; m < 3; ++m)
        if (text.trimmed() == QLatin1String(kModeNames[m]))
            return FanMode(m);
    return std::nullopt;
}

std::string section(int output) {
    return "output" + std::to_string(output);
}

// A value Qt read as one string; a comma would have made it a list.
std::optional<QString> textOf(const QSettings& ini, const std::string& key) {
    const QVariant value = ini.value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() != QMetaType::QString)
        return QString(QChar(0)); // a list: malformed whatever it holds
    return value.toString();
}

// One section: its settings, or Full with the names of the entries at fault added to `faults`.
FanOutputSettings loadOutput(const QSettings& ini, int output, std::vector<std::string>& faults) {
    const size_t before = faults.size();
    const std::string prefix = section(output) + "/";
    FanOutputSettings s;
    if (const std::optional<QString> mode = textOf(ini, prefix + "mode")) {
        const std::optional<FanMode> parsed = parseMode(*mode);
        if (parsed)
            s.mode = *parsed;
        else
            faults.push_back(prefix + "mode");
    }
    for (const Entry& entry : kEntries) {
        const std::optional<QString> text = textOf(ini, prefix + entry.key);
        const bool bad = text ? !entry.parse(*text, s) : usesEntry(s.mode, entry.modes);
        if (bad)
            faults.push_back(prefix + entry.key);
    }
    return faults.size() == before ? s : FanOutputSettings{};
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

// What a save must not drop: the lines before the first section, and the sections of outputs
// this model lacks (the data folder is shared by every model), each word as it stands.
std::pair<std::string, std::string> othersOf(const std::filesystem::path& file, int outputs) {
    static const QRegularExpression header(QStringLiteral("^\\s*\\[(.*)\\]\\s*$"));
    std::ifstream in(file);
    std::string before, after, line;
    bool started = false, ours = false;
    while (std::getline(in, line)) {
        if (const auto match = header.match(QString::fromStdString(line)); match.hasMatch()) {
            started = true;
            ours = false;
            for (int o = 1; o <= std::min(outputs, kMaxFanOutputs); ++o)
                ours = ours || match.captured(1).toStdString() == section(o);
        }
        if (!ours)
            (started ? after : before) += line + "\n";
    }
    return {before, after};
}

} // namespace

FanControlFile LoadFanControl(const std::filesystem::path& file, int outputs) {
    FanControlFile result;
    std::error_code error;
    if (!std::filesystem::exists(file, error) && !error)
        return result;
    // QSettings reads an unreadable file as an empty one: look first.
    if (std::ifstream probe(file); !probe || std::filesystem::is_directory(file, error)) {
        result.problem = unreadable(
            file, probe ? translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings", "a folder"))
                        : std::strerror(errno));
        return result;
    }
    const QSettings ini(QString::fromStdString(file.string()), QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        result.problem = unreadable(
            file, translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings", "not an INI file")));
        return result;
    }
    std::vector<std::string> faults;
    int outputsAtFault = 0;
    for (int o = 1; o <= std::min(outputs, kMaxFanOutputs); ++o) {
        const size_t before = faults.size();
        result.settings.outputs[size_t(o - 1)] = loadOutput(ini, o, faults);
        outputsAtFault += faults.size() != before;
    }
    if (!faults.empty())
        result.problem = faultMessage(file, faults, outputsAtFault);
    return result;
}

std::optional<std::string> SaveFanControl(const std::filesystem::path& file,
                                          const FanControlSettings& settings, int outputs) {
    std::string text;
    std::vector<std::string> faults;
    for (int o = 1; o <= std::min(outputs, kMaxFanOutputs); ++o) {
        const FanOutputSettings& s = settings.outputs[size_t(o - 1)];
        text += (o > 1 ? "\n[" : "[") + section(o) + "]\nmode=" + kModeNames[int(s.mode)] + "\n";
        // An entry the mode does not use is kept when it is good, so a mode switched back
        // finds it; a bad one would make the file fail to load.
        for (const Entry& entry : kEntries) {
            if (entry.valid(s))
                text += std::string(entry.key) + "=" + entry.text(s).toStdString() + "\n";
            else if (usesEntry(s.mode, entry.modes))
                faults.push_back(section(o) + "/" + entry.key);
        }
    }
    if (!faults.empty())
        return faultMessage(file, faults, 1) +
               translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings", " Nothing was saved."));
    const auto [before, after] = othersOf(file, outputs);
    text = before + text + (after.empty() ? "" : "\n" + after);
    if (const int error = WriteFileAtomically(file, text, {.mode = 0644, .syncFolder = true}))
        return Filled(
            translated(QT_TRANSLATE_NOOP("hmdx::FanControlSettings",
                                         "The fan control settings could not be saved to %1: %2.")),
            {file.string(), std::strerror(error)});
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
        return 0xFF;
    return uint8_t(std::clamp(std::floor(percent * 255 / 100 + 0.5), 0.0, 255.0));
}

double ControlTemperature::update(double reading, int hysteresis) {
    if (!m_value || reading > *m_value || reading <= *m_value - hysteresis)
        m_value = reading;
    return *m_value;
}

} // namespace hmdx
