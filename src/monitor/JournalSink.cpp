// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalSink.h"

#include "platform/Journal.h"

#include <vector>

namespace hmdx {

std::string OneLine(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return out;
}

std::string JournalMessage(const Event& e) {
    std::string message;
    if (!e.caption.empty())
        message = e.caption + ": ";
    else if (e.item >= 0)
        message = "item " + std::to_string(e.item) + ": ";
    message += EventWord(e.kind);
    std::string parts;
    const auto add = [&](const std::string& part) {
        if (!parts.empty())
            parts += ", ";
        parts += part;
    };
    if (!e.value.empty())
        add("reading " + e.value);
    if (!e.low.empty() && !e.high.empty())
        add("limits " + e.low + ".." + e.high);
    else if (!e.low.empty())
        add("low limit " + e.low);
    else if (!e.high.empty())
        add("high limit " + e.high);
    if (!e.detail.empty())
        add(e.detail);
    if (!parts.empty())
        message += " (" + parts + ")";
    return OneLine(message);
}

void JournalSink::write(const Event& e) {
    std::vector<std::string> fields;
    fields.reserve(10);
    fields.push_back("MESSAGE=" + JournalMessage(e));
    fields.push_back(e.warning ? "PRIORITY=4" : "PRIORITY=6");
    fields.push_back("SYSLOG_IDENTIFIER=hmdx");
    fields.push_back("HMDX_EVENT=" + EventWord(e.kind));
    if (e.item >= 0)
        fields.push_back("HMDX_ITEM=" + std::to_string(e.item));
    const std::pair<const char*, const std::string*> optional[] = {
        {"HMDX_CAPTION=", &e.caption}, {"HMDX_VALUE=", &e.value},   {"HMDX_LOW=", &e.low},
        {"HMDX_HIGH=", &e.high},       {"HMDX_DETAIL=", &e.detail},
    };
    for (const auto& [key, value] : optional)
        if (!value->empty())
            fields.push_back(key + *value);
    // Nothing useful to do when the journal refuses: the other sinks and the window still have
    // the event.
    SendToJournal(std::move(fields));
}

} // namespace hmdx
