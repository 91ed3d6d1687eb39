// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Chip.h"
#include "PortClaims.h"
#include "platform/ChipClaim.h"
#include "platform/MessageBoxes.h"
#include "platform/SingleInstance.h"
#include "platform/TextMark.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsModel.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace hmdx {

inline constexpr const char* kDriverFailMessage =
    QT_TRANSLATE_NOOP("hmdx::Messages", "LOAD Device Driver fail!");
inline constexpr const char* kBusFailMessage =
    QT_TRANSLATE_NOOP("hmdx::Messages", "Initialize Bus Fail!");
inline constexpr const char* kNoChipMessage =
    QT_TRANSLATE_NOOP("hmdx::Messages", "Norvane Hardware Monitor chip does not exist!");

enum class StartupOutcome {
    Ready, // the main window may open
    AlreadyRunning,
    DriverFailed,
    PortsClaimed,
    BusFailed,
    NoChip,
    UnsupportedChip,
    ChipInUse, // another hmdx holds the machine's claim on the chip
};

// What looking for the chip found. The port work may run while hmdx still holds the port
// capability, before the user's language is loaded: nothing is said until it is told.
struct ChipDetection {
    StartupOutcome outcome = StartupOutcome::Ready;
    ClaimOutcome claim;    // the machine's claim on the chip
    std::string driver;    // PortsClaimed: the kernel driver holding the chip's ports
    std::string unchecked; // why no kernel driver could be looked for; empty when one could
    // Where the chip was found and what it is, as the detecting Chip holds them.
    uint16_t indexPort = 0;
    uint16_t configPort = 0;
    int savedActivate = 0;
    int32_t vendorId = 0;
    uint8_t chipId = 0;

    void applyTo(Chip& chip) const;
};

struct StartupServices {
    SingleInstance& instance;
    PortClaims& claims;
    MessageBoxes& boxes;
    std::filesystem::path dataFolder; // where the chip model's settings file lives
    ChipClaim* machine = nullptr;     // the machine's claim; none: nothing is claimed
    // The chip as found before the capability was given up; none: start-up looks for it.
    const ChipDetection* detected = nullptr;
};

// What start-up fills in: the settings and the file they came from (none until the chip
// model is known).
struct LoadedSettings {
    SettingsModel& model;
    std::unique_ptr<SettingsFile>& file;
};

// Claims the chip for this machine, finds it and reads its identity as start-up does, with no
// instance check and no settings; says nothing.
ChipDetection FindChip(Chip& chip, PortClaims& claims, ChipClaim& machine);
// Says what FindChip found that the user must know; its outcome.
StartupOutcome TellDetection(const ChipDetection& found, MessageBoxes& boxes);

// FindChip, then TellDetection: Ready when a model describes the chip.
StartupOutcome DetectChip(Chip& chip, PortClaims& claims, ChipClaim& machine, MessageBoxes& boxes);

// The ports hmdx goes on using once start-up is done: the chip's index and data ports, and
// the Super I/O's configuration ports when the way out must give its monitor device back.
std::vector<uint16_t> PortsInUse(const Chip& chip);

// Everything from program start to the moment the main window opens: finds the chip, reads
// its identity, loads the settings and prepares the chip. Every failure has been told to
// the user by the time this returns something other than Ready.
StartupOutcome StartUp(Chip& chip, LoadedSettings settings, StartupServices& services);

} // namespace hmdx
