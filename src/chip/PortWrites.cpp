// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortWrites.h"

#include <cerrno>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define HMDX_HAVE_PORT_IO 1
#endif

namespace hmdx {
namespace {

constexpr char kDigits[] = "0123456789abcdef";

// "0x" and the hex digits, at least `least` of them.
char* putHex(char* out, unsigned value, int least) {
    *out++ = '0';
    *out++ = 'x';
    int digits = 1;
    while (digits < 4 && (value >> (4 * digits)) != 0)
        ++digits;
    if (digits < least)
        digits = least;
    for (int i = digits - 1; i >= 0; --i)
        *out++ = kDigits[(value >> (4 * i)) & 0xF];
    return out;
}

char* putText(char* out, const char* text) {
    while (*text)
        *out++ = *text++;
    return out;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= size_t(done);
    }
    return true;
}

// A hex or decimal number up to `most`; the text after it, or nullptr.
const char* parseNumber(const char* text, unsigned most, unsigned& value) {
    unsigned base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    value = 0;
    const char* start = text;
    for (;; ++text) {
        unsigned digit;
        if (*text >= '0' && *text <= '9')
            digit = unsigned(*text - '0');
        else if (base == 16 && *text >= 'a' && *text <= 'f')
            digit = unsigned(*text - 'a' + 10);
        else if (base == 16 && *text >= 'A' && *text <= 'F')
            digit = unsigned(*text - 'A' + 10);
        else
            break;
        value = value * base + digit;
        if (value > most)
            return nullptr;
    }
    return text == start ? nullptr : text;
}

} // namespace

bool PortWrites::add(uint16_t port, uint8_t value) {
    if (count == kCapacity)
        return false;
    list[count++] = {port, value};
    return true;
}

size_t FormatTraceLine(char* out, PortWrite write) noexcept {
    char* end = putText(out, "out ");
    end = putHex(end, write.port, 1);
    *end++ = ' ';
    end = putHex(end, write.value, 2);
    *end++ = '\n';
    return size_t(end - out);
}

void PerformPortWrites(const PortWrites& writes, RawPorts to) noexcept {
    if (to.kind == RawPorts::Kind::Trace) {
        // One write: the lines land together at the end of the trace.
        char text[PortWrites::kCapacity * kTraceLineMax];
        size_t size = 0;
        for (const PortWrite& w : writes)
            size += FormatTraceLine(text + size, w);
        writeAll(to.traceFd, text, size);
        return;
    }
#ifdef HMDX_HAVE_PORT_IO
    if (to.kind == RawPorts::Kind::Hardware)
        for (const PortWrite& w : writes)
            outb(w.value, w.port);
#endif
}

size_t FormatPortWrites(const PortWrites& writes, char* out, size_t size) noexcept {
    constexpr size_t kMostPerWrite = sizeof "0xffff:0xff,";
    size_t used = 0;
    for (const PortWrite& w : writes) {
        if (size - used < kMostPerWrite)
            return 0;
        char* end = out + used;
        if (used > 0)
            *end++ = ',';
        end = putHex(end, w.port, 1);
        *end++ = ':';
        end = putHex(end, w.value, 2);
        used = size_t(end - out);
    }
    if (used == size)
        return 0;
    out[used] = '\0';
    return used;
}

bool ParsePortWrites(const char* text, PortWrites& writes) noexcept {
    writes.count = 0;
    while (*text) {
        unsigned port = 0;
        unsigned value = 0;
        text = parseNumber(text, 0xFFFF, port);
        if (!text || *text++ != ':')
            return false;
        text = parseNumber(text, 0xFF, value);
        if (!text || (*text != ',' && *text != '\0'))
            return false;
        if (*text == ',' && *++text == '\0')
            return false;
        if (!writes.add(uint16_t(port), uint8_t(value)))
            return false;
    }
    return writes.count > 0;
}

} // namespace hmdx
