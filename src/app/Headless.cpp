// SPDX-License-Identifier: GPL-3.0-or-later
#include "Headless.h"

#include "Translations.h"
#include "monitor/JournalSink.h"

#include <string>

namespace hmdx {
namespace {

std::string said(const char* text) {
    return Translated("hmdx::ConsoleWarnings", text);
}

// Worded as the journal words it: "+5V: out of range (reading 6.18, limits 4.49..5.51)".
std::string outOfRange(const Event& e) {
    std::string parts;
    const auto add = [&parts](const std::string& part) {
        parts += (parts.empty() ? "" : ", ") + part;
    };
    // The terminal's reader gets the window's numbers, in their language.
    const std::string& value = ForPeople(e.valueForPeople, e.value);
    const std::string& low = ForPeople(e.lowForPeople, e.low);
    const std::string& high = ForPeople(e.highForPeople, e.high);
    if (!e.value.empty())
        add(Filled(said(QT_TRANSLATE_NOOP("hmdx::ConsoleWarnings", "reading %1")), {value}));
    if (!e.low.empty() && !e.high.empty())
        add(Filled(said(QT_TRANSLATE_NOOP("hmdx::ConsoleWarnings", "limits %1..%2")), {low, high}));
    else if (!e.low.empty())
        add(Filled(said(QT_TRANSLATE_NOOP("hmdx::ConsoleWarnings", "low limit %1")), {low}));
    else if (!e.high.empty())
        add(Filled(said(QT_TRANSLATE_NOOP("hmdx::ConsoleWarnings", "high limit %1")), {high}));
    const std::string item =
        !e.caption.empty() ? e.caption
                           : Filled(said(QT_TRANSLATE_NOOP("hmdx::ConsoleWarnings", "item %1")),
                                    {std::to_string(e.item)});
    return OneLine(
        parts.empty()
            ? Filled(said(QT_TRANSLATE_NOOP("hmdx::ConsoleWarnings", "%1: out of range")), {item})
            : Filled(said(QT_TRANSLATE_NOOP("hmdx::ConsoleWarnings", "%1: out of range (%2)")),
                     {item, parts}));
}

} // namespace

void ConsoleMessageBoxes::inform(const std::string& text, const std::string&) {
    m_out << "hmdx: " << Translated("hmdx::Messages", text.c_str()) << std::endl;
}

bool ConsoleMessageBoxes::askYesNo(const std::string& text, const std::string&) {
    m_out << "hmdx: " << Translated("hmdx::Messages", text.c_str())
          << Translated("hmdx::Messages", " (no one to answer: no)") << std::endl;
    return false;
}

void ConsoleWarnings::show(int item) {
    m_shown[item] = true;
    m_out << "hmdx: warning: "
          << (describe ? outOfRange(describe(item)) : "item " + std::to_string(item)) << std::endl;
}

} // namespace hmdx
