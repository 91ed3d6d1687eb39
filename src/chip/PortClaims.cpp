// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortClaims.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace hmdx {
namespace {

struct Region {
    unsigned first = 0;
    unsigned last = 0;
    size_t depth = 0;
    std::string name;
};

std::optional<Region> parseLine(std::string_view line) {
    const size_t depth = line.find_first_not_of(' ');
    const size_t dash = line.find('-');
    const size_t colon = line.find(" : ");
    if (depth == std::string_view::npos || dash == std::string_view::npos ||
        colon == std::string_view::npos || dash > colon)
        return std::nullopt;
    Region r;
    r.depth = depth;
    const char* begin = line.data();
    if (std::from_chars(begin + depth, begin + dash, r.first, 16).ec != std::errc{} ||
        std::from_chars(begin + dash + 1, begin + colon, r.last, 16).ec != std::errc{})
        return std::nullopt;
    r.name = std::string(line.substr(colon + 3));
    return r;
}

// Buses and firmware reservations contain the chip's ports without using them.
bool isContainer(std::string_view name) {
    for (std::string_view prefix : {"PCI Bus", "pnp ", "ACPI", "PCI conf", "reserved"})
        if (name.substr(0, prefix.size()) == prefix)
            return true;
    return false;
}

} // namespace

std::optional<std::string> FindPortClaimant(std::string_view ioports, uint16_t first,
                                            uint16_t last) {
    std::optional<Region> best;
    bool addressesShown = false;
    size_t pos = 0;
    while (pos < ioports.size()) {
        size_t end = ioports.find('\n', pos);
        if (end == std::string_view::npos)
            end = ioports.size();
        const auto region = parseLine(ioports.substr(pos, end - pos));
        pos = end + 1;
        if (!region)
            continue;
        addressesShown = addressesShown || region->last != 0;
        const bool overlaps = region->first <= last && region->last >= first;
        if (overlaps && !isContainer(region->name) && (!best || region->depth >= best->depth))
            best = region;
    }
    if (!addressesShown || !best)
        return std::nullopt;
    return best->name;
}

std::optional<std::string> ProcIoports::claimant(uint16_t first, uint16_t last) {
    std::ifstream file("/proc/ioports");
    if (!file)
        return std::nullopt;
    std::stringstream text;
    text << file.rdbuf();
    return FindPortClaimant(text.str(), first, last);
}

} // namespace hmdx
