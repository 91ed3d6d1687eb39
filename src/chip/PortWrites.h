// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain C++ and POSIX with no C++ runtime: the guardian links it with libc alone.
#include <array>
#include <cstddef>
#include <cstdint>

namespace hmdx {

struct PortWrite {
    uint16_t port;
    uint8_t value;
};

// A short list of port writes made ready beforehand, so that a signal handler or the
// guardian can make them with no allocation, lock or stdio.
struct PortWrites {
    static constexpr size_t kCapacity = 16;
    std::array<PortWrite, kCapacity> list{};
    size_t count = 0;

    bool add(uint16_t port, uint8_t value); // false when full
    const PortWrite* begin() const { return list.data(); }
    const PortWrite* end() const { return list.data() + count; }
};

// Where such writes go: the real ports, a simulation's trace file (appended in the trace's
// own lines, "out 0x295 0x5b"), or nowhere (a simulation with no trace).
struct RawPorts {
    enum class Kind : uint8_t { None, Hardware, Trace };
    Kind kind = Kind::None;
    int traceFd = -1;
};

// Async-signal-safe.
void PerformPortWrites(const PortWrites& writes, RawPorts to) noexcept;

// One trace line with its newline into `out`, which holds kTraceLineMax; its length.
inline constexpr size_t kTraceLineMax = 24;
size_t FormatTraceLine(char* out, PortWrite write) noexcept;

// The command-line form "0x295:0x4e,0x296:0x00": written into `out` (its length, 0 when it
// does not fit), and read back (false when malformed or too long).
size_t FormatPortWrites(const PortWrites& writes, char* out, size_t size) noexcept;
bool ParsePortWrites(const char* text, PortWrites& writes) noexcept;

} // namespace hmdx
