// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortClaims.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

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

// Whether the listing shows addresses at all, and the claimant if it does.
struct IoportsAnswer {
    bool told = false;
    std::optional<std::string> driver;
};

IoportsAnswer readIoports(std::string_view ioports, uint16_t first, uint16_t last) {
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
    if (!addressesShown)
        return {};
    return {true, best ? std::optional<std::string>(best->name) : std::nullopt};
}

// The device whose 8-port window, at the decimal address after the last dot of its name,
// overlaps [first, last].
std::optional<std::string> boundClaimant(const std::vector<BoundDevice>& devices, uint16_t first,
                                         uint16_t last) {
    for (const BoundDevice& d : devices) {
        const size_t dot = d.name.rfind('.');
        unsigned base = 0;
        const char* end = d.name.data() + d.name.size();
        if (dot == std::string::npos || d.driver.empty() ||
            std::from_chars(d.name.data() + dot + 1, end, base).ptr != end)
            continue;
        if (base <= last && base + 7 >= first)
            return d.driver;
    }
    return std::nullopt;
}

std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    if (!file)
        return std::nullopt;
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The devices of the platform and ISA buses with a driver bound; nullopt when neither bus
// can be read.
std::optional<std::vector<BoundDevice>> readBoundDevices(const std::filesystem::path& root) {
    std::optional<std::vector<BoundDevice>> devices;
    for (const char* bus : {"sys/bus/platform/devices", "sys/bus/isa/devices"}) {
        std::error_code error;
        std::filesystem::directory_iterator it(root / bus, error);
        if (error)
            continue;
        if (!devices)
            devices.emplace();
        for (const auto& entry : it) {
            const auto driver = std::filesystem::read_symlink(entry.path() / "driver", error);
            if (!error)
                devices->push_back({entry.path().filename().string(), driver.filename().string()});
        }
    }
    return devices;
}

} // namespace

std::optional<std::string> FindPortClaimant(std::string_view ioports, uint16_t first,
                                            uint16_t last) {
    return readIoports(ioports, first, last).driver;
}

PortClaim FindPortClaim(const std::optional<std::string>& ioports,
                        const std::optional<std::vector<BoundDevice>>& devices, uint16_t first,
                        uint16_t last) {
    const IoportsAnswer listed = ioports ? readIoports(*ioports, first, last) : IoportsAnswer{};
    if (listed.told)
        return {listed.driver, {}};
    if (devices)
        return {boundClaimant(*devices, first, last), {}};
    return {std::nullopt,
            std::string(ioports ? "/proc/ioports hides its addresses (they show only with "
                                  "CAP_SYS_ADMIN)"
                                : "/proc/ioports cannot be read") +
                " and the platform and ISA devices under /sys/bus cannot be read"};
}

PortClaim SystemPortClaims::check(uint16_t first, uint16_t last) {
    return FindPortClaim(readFile(m_root / "proc/ioports"), readBoundDevices(m_root), first, last);
}

} // namespace hmdx
