// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "ChipKeeping.h"
#include "ChipProgramming.h"
#include "RegisterMap.h"
#include "platform/Filled.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace hmdx {
namespace {

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string claimedMessage(uint16_t indexPort, const std::string& driver) {
    return QCoreApplication::translate(
               "hmdx::Startup",
               "The monitor chip's ports %1-%2 are in use by the kernel driver \"%3\". Two "
               "programs moving the chip's bank register at once corrupt each other's readings "
               "and limits. Unload it with \"sudo modprobe -r %3\" and start hmdx again.")
        .arg(QString::fromStdString(hex(indexPort, 3)),
             QString::fromStdString(hex(indexPort + 1U, 3)), QString::fromStdString(driver))
        .toStdString();
}

std::string translated(const char* text) {
    return QCoreApplication::translate("hmdx::Startup", text).toStdString();
}

// Who holds the claim, in a sentence that names them.
std::string claimHeldMessage(const ClaimOutcome& claim) {
    const ClaimHolder& h = claim.holder;
    if (claim.state == ClaimOutcome::State::Unusable)
        return Filled(translated(QT_TRANSLATE_NOOP(
                          "hmdx::Startup",
                          "The monitor chip cannot be claimed: %1. The file belongs to user %2, "
                          "and hmdx takes the chip as in use. Only one hmdx at a time may drive "
                          "the chip; remove the file, or have an administrator remove it.")),
                      {claim.why, h.user ? UserName(*h.user) : "?"});
    if (h.service)
        return Filled(translated(QT_TRANSLATE_NOOP(
                          "hmdx::Startup",
                          "The monitor chip is in use by the hmdx service (process %1). Only one "
                          "hmdx at a time may drive the chip; stop the service first with "
                          "\"sudo systemctl stop hmdx\".")),
                      {std::to_string(h.pid)});
    if (h.pid == 0)
        return translated(QT_TRANSLATE_NOOP(
            "hmdx::Startup", "The monitor chip is in use by another hmdx, whose process cannot "
                             "be seen from here. Only one hmdx at a time may drive the chip."));
    // A sandboxed service may see a process but not whose it is.
    const std::string holder =
        h.user ? Filled(translated(QT_TRANSLATE_NOOP("hmdx::Startup", "process %1 of user %2")),
                        {std::to_string(h.pid), UserName(*h.user)})
               : Filled(translated(QT_TRANSLATE_NOOP("hmdx::Startup", "process %1")),
                        {std::to_string(h.pid)});
    return Filled(translated(QT_TRANSLATE_NOOP(
                      "hmdx::Startup", "The monitor chip is in use by another hmdx: %1. Only one "
                                       "hmdx at a time may drive the chip; end that one first.")),
                  {holder});
}

// A claim this user's own hmdx holds is that instance running, which ends a second start
// without a word, as the user's instance lock does.
bool heldByThisUser(const ClaimOutcome& claim) {
    return claim.state == ClaimOutcome::State::Held && claim.holder.pid != 0 &&
           !claim.holder.service && claim.holder.user == ::getuid();
}

// Finding the chip; says nothing, so that it can run before the user's language is known.
class Detection {
public:
    Detection(Chip& chip, PortClaims& claims, ChipClaim& machine)
        : m_chip(chip), m_claims(claims), m_machine(machine) {}

    ChipDetection run() {
        m_found.outcome = find();
        m_found.indexPort = m_chip.bus.indexPort;
        m_found.configPort = m_chip.superIo.configPort;
        m_found.savedActivate = m_chip.savedActivate;
        m_found.vendorId = m_chip.vendorId;
        m_found.chipId = m_chip.chipId;
        return m_found;
    }

private:
    StartupOutcome find() {
        // Before any port: two programs moving the chip's index and bank registers at once
        // corrupt each other's readings and limits.
        m_found.claim = m_machine.take();
        using State = ClaimOutcome::State;
        if (heldByThisUser(m_found.claim))
            return StartupOutcome::AlreadyRunning;
        if (m_found.claim.state == State::Held || m_found.claim.state == State::Unusable)
            return StartupOutcome::ChipInUse;
        if (m_chip.io.openPorts() != 0)
            return StartupOutcome::DriverFailed;
        m_chip.bus.indexPort = findSuperIo();
        const uint16_t port = m_chip.bus.indexPort;
        PortClaim claim = m_claims.check(port, uint16_t(port + 1));
        m_found.unchecked = std::move(claim.unknown);
        if (claim.driver) {
            m_found.driver = *claim.driver;
            return StartupOutcome::PortsClaimed;
        }
        if (m_chip.io.initBus(1, 0x5A, 0x92, 0x90) != 0)
            return StartupOutcome::BusFailed;
        m_chip.vendorId = m_chip.bus.readVendorId();
        if (m_chip.vendorId != reg::kExpectedVendor)
            return StartupOutcome::NoChip;
        m_chip.selectBank(0);
        m_chip.chipId = m_chip.readRegister(reg::kChipId);
        return m_chip.model() ? StartupOutcome::Ready : StartupOutcome::UnsupportedChip;
    }

    // The monitor's index port: where the Super I/O placed it, or the fixed default.
    uint16_t findSuperIo() {
        SuperIo& sio = m_chip.superIo;
        sio.configPort = 0;
        for (const uint16_t port : sio::kConfigPorts)
            if (sio.detect(port)) {
                sio.configPort = port;
                break;
            }
        if (sio.configPort == 0)
            return reg::kDefaultIndexPort;
        m_chip.savedActivate = sio.readRegister(sio::kActivate);
        if (m_chip.savedActivate == 0)
            sio.writeRegister(sio::kActivate, 1);
        const auto base =
            uint16_t(sio.readRegister(sio::kBaseHigh) * 256 + sio.readRegister(sio::kBaseLow));
        // The monitor's index port sits at offset 5 of its 8-port window.
        return uint16_t((base & ~7U) + 5);
    }

    Chip& m_chip;
    PortClaims& m_claims;
    ChipClaim& m_machine;
    ChipDetection m_found;
};

class Startup {
public:
    Startup(Chip& chip, LoadedSettings settings, StartupServices& services)
        : m_chip(chip), m_settings(settings), s(services) {}

    StartupOutcome run() {
        if (s.instance.anotherIsRunning()) {
            // Found already, before this user's instance lock could be asked: left as found.
            if (s.detected && s.detected->outcome == StartupOutcome::Ready) {
                s.detected->applyTo(m_chip);
                GiveBackSuperIo(m_chip);
            }
            return StartupOutcome::AlreadyRunning;
        }
        StartupOutcome found;
        if (s.detected) {
            s.detected->applyTo(m_chip);
            found = TellDetection(*s.detected, s.boxes);
        } else {
            NoChipClaim none;
            found = DetectChip(m_chip, s.claims, s.machine ? *s.machine : none, s.boxes);
        }
        if (found == StartupOutcome::Ready)
            prepare();
        return found;
    }

private:
    // Settings and chip preparation once the model is known.
    void prepare() {
        m_settings.file = std::make_unique<SettingsFile>(s.dataFolder / m_chip.model()->dataFile);
        const SettingsLoadResult loaded = m_settings.file->load(
            m_settings.model, m_chip.presentItems(), m_chip.beepCapableItems());
        if (!loaded.message.empty())
            s.boxes.inform(loaded.message.text(
                QCoreApplication::translate(kSettingsMessageContext, loaded.message.form)
                    .toStdString()));
        if (m_settings.model.vcoreFromVid != kFileFalse) {
            SetVcoreLimitsFromVid(m_chip, m_settings.model);
            m_settings.model.vcoreFromVid = kFileFalse;
        }
        SetFanPinStartBit(m_chip);
    }

    Chip& m_chip;
    LoadedSettings m_settings;
    StartupServices& s;
};

} // namespace

void ChipDetection::applyTo(Chip& chip) const {
    chip.bus.indexPort = indexPort;
    chip.superIo.configPort = configPort;
    chip.savedActivate = savedActivate;
    chip.vendorId = vendorId;
    chip.chipId = chipId;
}

ChipDetection FindChip(Chip& chip, PortClaims& claims, ChipClaim& machine) {
    return Detection(chip, claims, machine).run();
}

StartupOutcome TellDetection(const ChipDetection& found, MessageBoxes& boxes) {
    if (found.claim.state == ClaimOutcome::State::NotMade)
        std::cerr << "hmdx: "
                  << Filled(translated(QT_TRANSLATE_NOOP(
                                "hmdx::Startup", "could not claim the monitor chip for this "
                                                 "machine: %1; another hmdx driving it would "
                                                 "not be noticed.")),
                            {found.claim.why})
                  << "\n";
    if (!found.unchecked.empty())
        std::cerr << "hmdx: "
                  << Filled(translated(QT_TRANSLATE_NOOP("hmdx::Startup",
                                                         "could not check whether a kernel "
                                                         "driver uses the chip's ports: %1.")),
                            {found.unchecked})
                  << "\n";
    switch (found.outcome) {
    case StartupOutcome::ChipInUse:
        boxes.inform(claimHeldMessage(found.claim));
        break;
    case StartupOutcome::DriverFailed:
        boxes.inform(kDriverFailMessage);
        break;
    case StartupOutcome::PortsClaimed:
        boxes.inform(claimedMessage(found.indexPort, found.driver));
        break;
    case StartupOutcome::BusFailed:
        boxes.inform(kBusFailMessage);
        break;
    case StartupOutcome::NoChip:
        boxes.inform(kNoChipMessage);
        break;
    case StartupOutcome::UnsupportedChip:
        boxes.inform(Filled(translated(QT_TRANSLATE_NOOP(
                                "hmdx::Startup", "Unsupported hardware monitor chip (ID %1).")),
                            {hex(found.chipId, 2)}));
        break;
    case StartupOutcome::Ready:
    case StartupOutcome::AlreadyRunning:
        break;
    }
    return found.outcome;
}

StartupOutcome DetectChip(Chip& chip, PortClaims& claims, ChipClaim& machine, MessageBoxes& boxes) {
    return TellDetection(FindChip(chip, claims, machine), boxes);
}

std::vector<uint16_t> PortsInUse(const Chip& chip) {
    std::vector<uint16_t> ports{chip.bus.indexPort, uint16_t(chip.bus.indexPort + 1)};
    if (SuperIoToGiveBack(chip))
        ports.insert(ports.end(), {chip.superIo.configPort, uint16_t(chip.superIo.configPort + 1)});
    return ports;
}

StartupOutcome StartUp(Chip& chip, LoadedSettings settings, StartupServices& services) {
    return Startup(chip, settings, services).run();
}

} // namespace hmdx
