#pragma once

#include "ChipBus.h"
#include "ChipModels.h"
#include "Items.h"
#include "SuperIo.h"
#include "monitor/EventLog.h"
#include "monitor/History.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsModel.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace hmdx {

// A register hmdx programs and keeps right: a limit, as last written.
struct KeptRegister {
    int bank;
    int reg;
    uint8_t value;
};

// The program-wide state: chip identity and access, the settings, the fault counters and the
// guard flags. One object per run; a test builds a fresh one.
class Module1 {
public:
    explicit Module1(PortIo& port) : io(port), bus(port), sio(port) {}
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    PortIo& io;
    ChipBus bus;
    SuperIo sio;

    uint16_t ChipAddress = 0x295;
    int16_t SioSavedActivate = 0;
    int32_t VendorID = 0;
    uint8_t ChipID = 0;
    ItemBytes ItemPresent{};
    ItemBytes ItemBeepCapable{};

    SettingsModel settings;
    std::unique_ptr<SettingsFile> settingsFile; // none until the chip model is known

    std::array<int16_t, kItemCount> WarnCount{};
    // The configuration dialog's snapshot of the item switches, taken when it loads; its
    // Cancel puts them back.
    ItemBytes CfgItemEnabled{};
    ItemBytes CfgWarnOpt1{};
    ItemBytes CfgWarnOpt3{};
    ItemBytes CfgItemBeep{};
    // While false, a limit up-down that moves (the window setting it up) writes nothing.
    bool limitEditsLive = false;
    bool fanLimitEditsLive = false;
    std::array<int16_t, 4> FanPwmChannel{}; // by fan number 1..3; 0 = no channel

    // Every limit register written since start with its last value, by bank and register:
    // what a chip that lost its programming gets back.
    std::vector<KeptRegister> Kept;

    // What the readings showed, for the metrics: whether each item has been read, whether
    // its last reading was out of range, how often its warning went up; and how often the
    // chip was programmed again.
    ItemFlags EverRead{};
    ItemFlags Alarm{};
    std::array<uint64_t, kItemCount> WarningsRaised{};
    uint64_t Reprogrammings = 0;

    // Every tick's raw readings of the last 24 hours, with limits and warnings, for the
    // History window.
    ReadingHistory history;

    // This run's events, for the journal, the event log file and the Event Log window.
    EventLog events;
    // Set while the program itself moves the limits (Default): one event says it all.
    bool QuietLimits = false;

    std::filesystem::path HelpFile;
    // Lets pending window events run; the window installs it, tests leave it empty.
    std::function<void()> pumpEvents;

    // The model of ChipID, or nullptr for a chip no model describes.
    const ChipModel* model() const { return FindChipModel(ChipID); }

    // Convenience forwarding to the register routines.
    void SelectBank(int bank) { bus.SelectBank(bank); }
    uint8_t ReadChipReg(int reg) { return bus.ReadChipReg(reg); }
    void WriteChipReg(int reg, uint8_t value) { bus.WriteChipReg(reg, value); }
    // Writes a limit register of `bank`, already selected, and remembers it in Kept.
    void WriteKeptReg(int bank, int reg, uint8_t value);
};

// Monitoring on the chip (register 0x40 bit 0, and 0x5D bit 0 where the model has it).
void StartMonitor(Module1& m);
void StopMonitor(Module1& m);

// ItemPresent and ItemBeepCapable from the chip model table.
void InitChipItems(Module1& m);

} // namespace hmdx
