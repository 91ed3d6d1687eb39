// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "ChipKeeping.h"
#include "ChipProgramming.h"
#include "RegisterMap.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>

namespace hmdx {
namespace {

inline constexpr uint16_t kDefaultIndexPort = 0x295;

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

// Finding the chip and telling what it is; every failure is told to the user.
class Detection {
public:
    Detection(Chip& chip, PortClaims& claims, MessageBoxes& boxes)
        : m_chip(chip), m_claims(claims), m_boxes(boxes) {}

    StartupOutcome run() {
        if (m_chip.io.openPorts() != 0)
            return fail(StartupOutcome::DriverFailed, kDriverFailMessage);
        m_chip.bus.indexPort = findSuperIo();
        const uint16_t port = m_chip.bus.indexPort;
        const PortClaim claim = m_claims.check(port, uint16_t(port + 1));
        if (claim.driver)
            return fail(StartupOutcome::PortsClaimed, claimedMessage(port, *claim.driver));
        if (!claim.unknown.empty())
            std::cerr << "hmdx: "
                      << QCoreApplication::translate("hmdx::Startup",
                                                     "could not check whether a kernel driver "
                                                     "uses the chip's ports: %1.")
                             .arg(QString::fromStdString(claim.unknown))
                             .toStdString()
                      << "\n";
        if (m_chip.io.initBus(1, 0x5A, 0x92, 0x90) != 0)
            return fail(StartupOutcome::BusFailed, kBusFailMessage);
        m_chip.vendorId = m_chip.bus.readVendorId();
        if (m_chip.vendorId != reg::kExpectedVendor)
            return fail(StartupOutcome::NoChip, kNoChipMessage);
        m_chip.selectBank(0);
        m_chip.chipId = m_chip.readRegister(reg::kChipId);
        if (!m_chip.model())
            return fail(StartupOutcome::UnsupportedChip,
                        QCoreApplication::translate("hmdx::Startup",
                                                    "Unsupported hardware monitor chip (ID %1).")
                            .arg(QString::fromStdString(hex(m_chip.chipId, 2)))
                            .toStdString());
        return StartupOutcome::Ready;
    }

private:
    StartupOutcome fail(StartupOutcome outcome, const std::string& message) {
        m_boxes.inform(message);
        return outcome;
    }

    // The monitor's index port: where the Super I/O placed it, or the fixed default.
    uint16_t findSuperIo() {
        SuperIo& sio = m_chip.superIo;
        if (sio.detect(0x2E))
            sio.configPort = 0x2E;
        else if (sio.detect(0x4E))
            sio.configPort = 0x4E;
        else
            sio.configPort = 0;
        if (sio.configPort == 0)
            return kDefaultIndexPort;
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
    MessageBoxes& m_boxes;
};

class Startup {
public:
    Startup(Chip& chip, LoadedSettings settings, StartupServices& services)
        : m_chip(chip), m_settings(settings), s(services) {}

    StartupOutcome run() {
        if (s.instance.anotherIsRunning())
            return StartupOutcome::AlreadyRunning;
        const StartupOutcome found = DetectChip(m_chip, s.claims, s.boxes);
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
        if (m_settings.model.VcoreFromVID != kFalse) {
            SetVcoreLimitsFromVid(m_chip, m_settings.model);
            m_settings.model.VcoreFromVID = kFalse;
        }
        SetFanPinStartBit(m_chip);
    }

    Chip& m_chip;
    LoadedSettings m_settings;
    StartupServices& s;
};

} // namespace

StartupOutcome DetectChip(Chip& chip, PortClaims& claims, MessageBoxes& boxes) {
    return Detection(chip, claims, boxes).run();
}

StartupOutcome StartUp(Chip& chip, LoadedSettings settings, StartupServices& services) {
    return Startup(chip, settings, services).run();
}

} // namespace hmdx
