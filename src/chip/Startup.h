// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Chip.h"
#include "PortClaims.h"
#include "platform/MessageBoxes.h"
#include "platform/SingleInstance.h"
#include "platform/TextMark.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsModel.h"

#include <filesystem>
#include <memory>

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
};

struct StartupServices {
    SingleInstance& instance;
    PortClaims& claims;
    MessageBoxes& boxes;
    std::filesystem::path dataFolder; // where the chip model's settings file lives
};

// What start-up fills in: the settings and the file they came from (none until the chip
// model is known).
struct LoadedSettings {
    SettingsModel& model;
    std::unique_ptr<SettingsFile>& file;
};

// Finds the chip and reads its identity as start-up does, with no instance check and no
// settings: Ready when a model describes it. Every failure has been told to the user.
StartupOutcome DetectChip(Chip& chip, PortClaims& claims, MessageBoxes& boxes);

// Everything from program start to the moment the main window opens: finds the chip, reads
// its identity, loads the settings and prepares the chip. Every failure has been told to
// the user by the time this returns something other than Ready.
StartupOutcome StartUp(Chip& chip, LoadedSettings settings, StartupServices& services);

} // namespace hmdx
