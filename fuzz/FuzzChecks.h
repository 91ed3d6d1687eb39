// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The properties the fuzzers hold the program to, one input at a time. Each returns an empty
// string when the input was handled as it must be, or what went wrong. Crashes, sanitizer
// findings and hangs are caught around them by the fuzzer itself.
namespace hmdx::fuzz {

// The bytes as a settings file, loaded with every item present: it loads (or falls back to
// the factory settings when too short), nothing is left to repair, and a save followed by a
// fresh load gives the same settings while the bytes the program does not use stay as they were.
std::string CheckSettingsFile(const uint8_t* data, std::size_t size);

// The bytes as a scenario: either a scenario or an error naming one of its lines; a scenario
// builds a simulated chip that goes through start-up, a few seconds and port reads.
std::string CheckScenario(const uint8_t* data, std::size_t size);

// The bytes as fan-control.ini for two outputs: the text comes back byte for byte; a save of
// what loaded changes nothing; a save with output 1 changed loads output 1 as saved, output 2
// as before, and keeps every other line as it was.
std::string CheckFanControlFile(const uint8_t* data, std::size_t size);

// The bytes as hmdx.conf: a file that reads gets startAtLogin turned over, loads back with it
// and the same alert command, every other line kept; one that does not is not written.
std::string CheckDesktopConf(const uint8_t* data, std::size_t size);

} // namespace hmdx::fuzz
