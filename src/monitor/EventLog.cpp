// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLog.h"

#include <cstdio>
#include <ctime>
#include <utility>

namespace hmdx {

void EventLog::record(Event e) {
    if (e.time == std::chrono::system_clock::time_point{})
        e.time = clock ? clock() : std::chrono::system_clock::now();
    if (m_recording) {
        m_pending.push_back(std::move(e));
        return;
    }
    m_recording = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_recording};
    dispatch(std::move(e));
    while (!m_pending.empty()) {
        Event next = std::move(m_pending.front());
        m_pending.pop_front();
        dispatch(std::move(next));
    }
}

void EventLog::dispatch(Event e) {
    m_events.push_back(std::move(e));
    ++m_count;
    if (m_events.size() > kKept)
        m_events.pop_front();
    const Event& kept = m_events.back();
    for (const auto& sink : m_sinks)
        sink->write(kept);
    if (onRecorded)
        onRecorded();
}

void EventLog::addSink(std::unique_ptr<EventSink> sink) {
    if (sink)
        m_sinks.push_back(std::move(sink));
}

std::string FormatLocalTime(std::chrono::system_clock::time_point t) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    const long offset = local.tm_gmtoff;
    const long minutes = (offset < 0 ? -offset : offset) / 60;
    std::snprintf(text + n, sizeof text - n, "%c%02ld:%02ld", offset < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

namespace {

// Length of the well-formed UTF-8 sequence at s[i], or of its longest well-formed start (at
// least 1) when it is broken; `valid` tells which.
std::size_t Utf8Sequence(const std::string& s, std::size_t i, bool& valid) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = b(i);
    std::size_t need = 0;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (lead < 0x80) {
        valid = true;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        if (lead == 0xE0)
            lo = 0xA0; // overlong
        if (lead == 0xED)
            hi = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        if (lead == 0xF0)
            lo = 0x90; // overlong
        if (lead == 0xF4)
            hi = 0x8F; // beyond U+10FFFF
    } else {
        valid = false;
        return 1;
    }
    std::size_t len = 1;
    for (; len <= need; ++len) {
        if (i + len >= s.size()) {
            valid = false;
            return len;
        }
        const unsigned char c = b(i + len);
        const bool ok = len == 1 ? (c >= lo && c <= hi) : (c >= 0x80 && c <= 0xBF);
        if (!ok) {
            valid = false;
            return len;
        }
    }
    valid = true;
    return len;
}

void AppendJsonString(std::string& out, const std::string& s) {
    if (s.empty()) {
        out += "null";
        return;
    }
    out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            bool valid = false;
            const std::size_t len = Utf8Sequence(s, i, valid);
            if (valid)
                out.append(s, i, len);
            else
                out += "\\ufffd";
            i += len;
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", c);
                out += esc;
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
}

} // namespace

std::string ToJsonLine(const Event& e) {
    std::string out;
    out.reserve(128 + e.caption.size() + e.detail.size());
    out += "{\"time\":";
    AppendJsonString(out, FormatLocalTime(e.time));
    out += ",\"event\":";
    AppendJsonString(out, EventWord(e.kind));
    out += ",\"item\":";
    out += e.item < 0 ? std::string("null") : std::to_string(e.item);
    const std::pair<const char*, const std::string*> strings[] = {
        {"caption", &e.caption}, {"value", &e.value},   {"low", &e.low},
        {"high", &e.high},       {"detail", &e.detail},
    };
    for (const auto& [key, value] : strings) {
        out += ",\"";
        out += key;
        out += "\":";
        AppendJsonString(out, *value);
    }
    out += '}';
    return out;
}

} // namespace hmdx
