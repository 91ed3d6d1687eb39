#include "Startup.h"

#include "ChipProgramming.h"
#include "Registers.h"

#include <cstdio>

namespace hmdx {
namespace {

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string claimedMessage(uint16_t indexPort, const std::string& driver) {
    return "The monitor chip's ports " + hex(indexPort, 3) + "-" + hex(indexPort + 1U, 3) +
           " are in use by the kernel driver \"" + driver +
           "\". Two programs moving the chip's bank register at once corrupt each other's "
           "readings and limits. Unload it with \"sudo modprobe -r " +
           driver + "\" and start hmdx again.";
}

class Startup {
public:
    Startup(Module1& module, StartupServices& services) : m(module), s(services) {}

    StartupOutcome run() {
        m.ChipAddress = 0x295;
        if (s.instance.anotherIsRunning())
            return StartupOutcome::AlreadyRunning;
        if (m.io.LoadPortGateVxD() != 0)
            return fail(StartupOutcome::DriverFailed, kDriverFailMessage);
        findSuperIo();
        m.bus.ChipIndexPort = m.ChipAddress;
        const auto last = uint16_t(m.bus.ChipIndexPort + 1);
        if (auto driver = s.claims.claimant(m.bus.ChipIndexPort, last))
            return fail(StartupOutcome::PortsClaimed, claimedMessage(m.bus.ChipIndexPort, *driver));
        if (m.io.InitialBus(1, 0x5A, 0x92, 0x90) != 0)
            return fail(StartupOutcome::BusFailed, kBusFailMessage);
        m.VendorID = m.bus.ReadVendorID();
        if (m.VendorID != reg::kExpectedVendor)
            return fail(StartupOutcome::NoChip, kNoChipMessage);
        m.SelectBank(0);
        m.ChipID = m.ReadChipReg(reg::kChipId);
        InitChipItems(m);
        if (!m.model())
            return fail(StartupOutcome::UnsupportedChip,
                        "Unsupported hardware monitor chip (ID " + hex(m.ChipID, 2) + ").");
        prepare();
        return StartupOutcome::Ready;
    }

private:
    StartupOutcome fail(StartupOutcome outcome, const std::string& message) {
        s.boxes.inform(message);
        return outcome;
    }

    void findSuperIo() {
        if (m.sio.DetectSuperIO(0x2E))
            m.sio.SioConfigPort = 0x2E;
        else if (m.sio.DetectSuperIO(0x4E))
            m.sio.SioConfigPort = 0x4E;
        else
            m.sio.SioConfigPort = 0;
        if (m.sio.SioConfigPort == 0)
            return;
        m.SioSavedActivate = int16_t(m.sio.SioReadReg(sio::kActivate));
        if (m.SioSavedActivate == 0)
            m.sio.SioWriteReg(sio::kActivate, 1);
        const auto base =
            uint16_t(m.sio.SioReadReg(sio::kBaseHigh) * 256 + m.sio.SioReadReg(sio::kBaseLow));
        // The monitor's index port sits at offset 5 of its 8-port window.
        m.ChipAddress = uint16_t((base & ~7U) + 5);
    }

    // Settings and chip preparation once the model is known.
    void prepare() {
        m.settingsFile = std::make_unique<SettingsFile>(s.dataFolder / m.model()->dataFile);
        const SettingsLoadResult loaded =
            m.settingsFile->load(m.settings, m.ItemPresent, m.ItemBeepCapable);
        if (!loaded.message.empty())
            s.boxes.inform(loaded.message);
        if (m.settings.VcoreFromVID != kFalse) {
            SetVcoreLimitsFromVID(m);
            m.settings.VcoreFromVID = kFalse;
        }
        m.SelectBank(0);
        m.bus.setBits(reg::kFanPinControl, 0x80);
        m.HelpFile = s.programFolder / "hma.hlp";
        InitFanTables(m);
    }

    Module1& m;
    StartupServices& s;
};

} // namespace

StartupOutcome Main(Module1& m, StartupServices& services) {
    return Startup(m, services).run();
}

} // namespace hmdx
