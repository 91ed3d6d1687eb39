#pragma once

#include "Module1.h"
#include "PortClaims.h"
#include "platform/MessageBoxes.h"
#include "platform/SingleInstance.h"

#include <filesystem>

namespace hmdx {

inline constexpr const char* kDriverFailMessage = "LOAD Device Driver fail!";
inline constexpr const char* kBusFailMessage = "Initialize Bus Fail!";
inline constexpr const char* kNoChipMessage = "Norvane Hardware Monitor chip does not exist!";

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
    std::filesystem::path dataFolder;    // where the chip model's settings file lives
    std::filesystem::path programFolder; // where the help file is looked for
};

// Everything from program start to the moment the main window opens: finds the chip, reads
// its identity, loads the settings and prepares the chip. Every failure has been told to
// the user by the time this returns something other than Ready.
StartupOutcome Main(Module1& m, StartupServices& services);

} // namespace hmdx
