// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenario.h"

#include "ModelProfiles.h"
#include "chip/RegisterMap.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

namespace hmdx::sim {
namespace {

// One statement of the file with its words; `text` is the line without comment and margins.
struct Statement {
    std::string_view text;
    std::vector<std::string_view> words;
};

// Error text without the line prefix; empty when the statement was taken.
using Problem = std::string;

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

Statement Split(std::string_view line) {
    Statement st{Trim(line.substr(0, line.find('#'))), {}};
    std::string_view rest = st.text;
    while (!rest.empty()) {
        size_t end = 0;
        while (end < rest.size() && !IsBlank(rest[end]))
            ++end;
        st.words.push_back(rest.substr(0, end));
        rest = Trim(rest.substr(end));
    }
    return st;
}

std::string Quoted(std::string_view s) {
    return "'" + std::string(s) + "'";
}

Problem InStatement(const Statement& st, const std::string& what) {
    return what + " in " + Quoted(st.text);
}

// Decimal or 0x-hex, no sign, within 0..max.
Problem ParseNumber(const Statement& st, std::string_view word, long max, long& out) {
    std::string_view digits = word;
    int radix = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        radix = 16;
    }
    unsigned long long value = 0;
    const char* end = digits.data() + digits.size();
    auto [ptr, ec] = std::from_chars(digits.data(), end, value, radix);
    if (digits.empty() || ptr != end || (ec != std::errc{} && ec != std::errc::result_out_of_range))
        return InStatement(st, "bad number " + Quoted(word));
    if (ec == std::errc::result_out_of_range || value > static_cast<unsigned long long>(max))
        return InStatement(st,
                           "number " + Quoted(word) + " out of range 0.." + std::to_string(max));
    out = static_cast<long>(value);
    return {};
}

template <typename T> Problem ParseInto(const Statement& st, size_t word, long max, T& out) {
    long value = 0;
    Problem problem = ParseNumber(st, st.words[word], max, value);
    if (problem.empty())
        out = static_cast<T>(value);
    return problem;
}

// One of two words, e.g. "ok"/"fail"; `first` tells whether the first one was given.
Problem ParseChoice(const Statement& st, std::string_view one, std::string_view other,
                    bool& first) {
    const std::string_view word = st.words[1];
    if (word != one && word != other)
        return InStatement(st, "expected " + std::string(one) + " or " + std::string(other) +
                                   ", got " + Quoted(word));
    first = word == one;
    return {};
}

// "ok" or "fail".
Problem ParseFailure(const Statement& st, bool& fails) {
    bool ok = !fails;
    Problem problem = ParseChoice(st, "ok", "fail", ok);
    fails = !ok;
    return problem;
}

Problem ParseModel(const Statement& st, Scenario& s) {
    const ModelProfile* profile = FindModelProfile(st.words[1]);
    if (!profile)
        return InStatement(st, "unknown model " + Quoted(st.words[1]) +
                                   " (hma, hma11, hmb, hmc or hmdf)");
    s.model = std::string(profile->name);
    return {};
}

Problem ParseSuperIo(const Statement& st, Scenario& s) {
    const std::string_view word = st.words[1];
    if (word == "none")
        s.superio = 0;
    else if (word == "2e" || word == "0x2e" || word == "0x2E")
        s.superio = sio::kFirstConfigPort;
    else if (word == "4e" || word == "0x4e" || word == "0x4E")
        s.superio = sio::kSecondConfigPort;
    else
        return InStatement(st, "expected none, 2e or 4e, got " + Quoted(word));
    return {};
}

// "B:RR V" starting at word `first`.
Problem ParseWrite(const Statement& st, size_t first, ScheduledWrite& write) {
    const std::string_view target = st.words[first];
    const size_t colon = target.find(':');
    if (colon == std::string_view::npos)
        return InStatement(st, "expected bank:register, got " + Quoted(target));
    long bank = 0, reg = 0, value = 0;
    Problem problem = ParseNumber(st, target.substr(0, colon), 7, bank);
    if (problem.empty())
        problem = ParseNumber(st, target.substr(colon + 1), 255, reg);
    if (problem.empty())
        problem = ParseNumber(st, st.words[first + 1], 255, value);
    write.bank = static_cast<int>(bank);
    write.reg = static_cast<int>(reg);
    write.value = static_cast<uint8_t>(value);
    return problem;
}

Problem ParseSet(const Statement& st, Scenario& s) {
    ScheduledWrite write;
    Problem problem = ParseWrite(st, 1, write);
    if (problem.empty())
        s.writes.push_back(write);
    return problem;
}

Problem ParseAt(const Statement& st, Scenario& s) {
    ScheduledWrite write;
    Problem problem = ParseInto(st, 1, 86400, write.atSecond);
    const std::string_view what = st.words[2];
    const size_t words = what == "set" ? 5 : 3;
    constexpr std::pair<std::string_view, ScheduledWrite::Action> kEvents[] = {
        {"reset", ScheduledWrite::Action::Reset},
        {"resume", ScheduledWrite::Action::Resume},
        {"sleep", ScheduledWrite::Action::Sleep},
    };
    const auto event = std::find_if(std::begin(kEvents), std::end(kEvents),
                                    [&](const auto& e) { return e.first == what; });
    if (problem.empty() && what != "set" && event == std::end(kEvents))
        problem = InStatement(st, "expected 'set', 'reset', 'resume' or 'sleep' after " +
                                      Quoted(st.words[1]));
    else if (problem.empty() && st.words.size() < words)
        problem = InStatement(st, "missing argument");
    else if (problem.empty() && st.words.size() > words)
        problem = InStatement(st, "extra argument " + Quoted(st.words[words]));
    if (problem.empty() && what == "set")
        problem = ParseWrite(st, 3, write);
    else if (problem.empty())
        write.action = event->second;
    if (problem.empty())
        s.writes.push_back(write);
    return problem;
}

using Handler = Problem (*)(const Statement&, Scenario&);

struct StatementKind {
    std::string_view keyword;
    size_t arguments;
    Handler apply;
    size_t mostArguments = 0; // more than `arguments` allowed up to here; the handler checks
};

constexpr StatementKind kStatements[] = {
    {"model", 1, ParseModel},
    {"chipid", 1,
     [](const Statement& st, Scenario& s) {
         uint8_t id = 0;
         Problem problem = ParseInto(st, 1, 0xFF, id);
         if (problem.empty())
             s.chipId = id;
         return problem;
     }},
    {"vendor", 1,
     [](const Statement& st, Scenario& s) { return ParseInto(st, 1, 0xFFFF, s.vendor); }},
    {"superio", 1, ParseSuperIo},
    {"base", 1, [](const Statement& st, Scenario& s) { return ParseInto(st, 1, 0xFFFF, s.base); }},
    {"activate", 1,
     [](const Statement& st, Scenario& s) { return ParseInto(st, 1, 0xFF, s.activate); }},
    {"driver", 1, [](const Statement& st, Scenario& s) { return ParseFailure(st, s.driverFails); }},
    {"bus", 1, [](const Statement& st, Scenario& s) { return ParseFailure(st, s.busFails); }},
    {"privilege", 1,
     [](const Statement& st, Scenario& s) { return ParseChoice(st, "yes", "no", s.privilege); }},
    {"claimed", 1,
     [](const Statement& st, Scenario& s) {
         s.claimedBy = std::string(st.words[1]);
         return Problem{};
     }},
    {"ioports", 1,
     [](const Statement& st, Scenario& s) {
         return ParseChoice(st, "hidden", "shown", s.ioportsHidden);
     }},
    {"claim", 1,
     [](const Statement& st, Scenario& s) {
         return ParseChoice(st, "machine", "none", s.claimMachine);
     }},
    {"hold", 0,
     [](const Statement&, Scenario& s) {
         s.hold = true;
         return Problem{};
     }},
    {"set", 2, ParseSet},
    {"at", 2, ParseAt, 4},
};

Problem Apply(const Statement& st, Scenario& s) {
    for (const auto& kind : kStatements) {
        if (kind.keyword != st.words[0])
            continue;
        const size_t given = st.words.size() - 1;
        if (given < kind.arguments)
            return InStatement(st, "missing argument");
        if (given > std::max(kind.arguments, kind.mostArguments))
            return InStatement(st, "extra argument " + Quoted(st.words[kind.arguments + 1]));
        return kind.apply(st, s);
    }
    return "unknown statement " + Quoted(st.words[0]);
}

} // namespace

uint8_t Scenario::effectiveChipId() const {
    return chipId.value_or(ProfileOrDefault(model).chipId);
}

uint16_t Scenario::effectiveSuperIoPort() const {
    return superio.value_or(ProfileOrDefault(model).superIoPort);
}

bool IsKnownModelName(std::string_view name) {
    return FindModelProfile(name) != nullptr;
}

ScenarioParse ParseScenario(std::string_view text, Scenario base) {
    int line = 0;
    while (!text.empty() || line == 0) {
        ++line;
        const size_t end = text.find('\n');
        const Statement st = Split(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (st.words.empty())
            continue;
        if (Problem problem = Apply(st, base); !problem.empty())
            return {{},
                    ScenarioError{line, "scenario line " + std::to_string(line) + ": " + problem}};
    }
    return {std::move(base), {}};
}

} // namespace hmdx::sim
