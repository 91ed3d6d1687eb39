// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hmdx::sim {

// A register value the chip holds at a given second after start (0 = power-on). Writing a
// reading register moves that reading's centre there; a fan count is the count at the divisor
// selected at that moment (8 at power-on); 0x42 bit 4 opens the case; 0x47 bits 0-3 and 0x49
// bit 0 set the VID pins; 0x4F always shows `vendor`.
// `reset` puts every monitor register back to its power-on value (the plain `set` lines
// included); `resume` is a reset followed by the system's resume-from-sleep notification;
// `sleep` is the system's notification that it is about to sleep, and changes no register.
struct ScheduledWrite {
    enum class Action { Set, Reset, Resume, Sleep };
    int atSecond = 0;
    int bank = 0;
    int reg = 0;
    uint8_t value = 0;
    Action action = Action::Set;
};

// What the simulated machine looks like: which chip, how it is wired, how it fails.
struct Scenario {
    std::string model = "hmb";     // hma, hma11, hmb, hmc, hmdf
    std::optional<uint8_t> chipId; // overrides the model's chip ID
    uint16_t vendor = 0x5CA3;
    std::optional<uint16_t> superio; // 0 (none), 0x2E or 0x4E; unset: the model's default
    uint16_t base = 0x290;           // Super I/O base address of the monitor device
    uint8_t activate = 1;            // logical device 0x0B register 0x30 at power-on
    bool driverFails = false;
    bool busFails = false;
    bool privilege = true;
    std::string claimedBy;              // kernel driver holding the chip ports, if any
    bool ioportsHidden = false;         // /proc/ioports lists zeros, as without CAP_SYS_ADMIN
    bool claimMachine = false;          // claims the chip for the machine as a real one does
    bool hold = false;                  // no drift
    std::vector<ScheduledWrite> writes; // in file order

    uint8_t effectiveChipId() const;       // chipId, or the model's
    uint16_t effectiveSuperIoPort() const; // superio, or 0x2E for hmdf and 0 for the others
};

bool IsKnownModelName(std::string_view name);

struct ScenarioError {
    int line = 0;        // 1-based
    std::string message; // names the line, e.g. "scenario line 3: unknown statement 'foo'"
};

struct ScenarioParse {
    std::optional<Scenario> scenario;
    std::optional<ScenarioError> error;
};

// Parses the scenario language; `base` supplies the defaults (e.g. the --simulate model).
ScenarioParse ParseScenario(std::string_view text, Scenario base = {});

} // namespace hmdx::sim
