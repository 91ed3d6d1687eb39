// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzChecks.h"
#include "chip/Startup.h"
#include "chip/sim/Scenario.h"
#include "chip/sim/SimulatedPortIo.h"
#include "chip/sim/SimulatedServices.h"

#include <algorithm>
#include <string_view>

namespace hmdx::fuzz {
namespace {

struct Alone : SingleInstance {
    bool anotherIsRunning() override { return false; }
};

struct Silent : MessageBoxes {
    void inform(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
};

std::string checkError(const sim::ScenarioError& error, std::string_view text) {
    const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
    if (error.line < 1 || error.line > lines)
        return "the error names line " + std::to_string(error.line) + " of " +
               std::to_string(lines);
    const std::string prefix = "scenario line " + std::to_string(error.line) + ": ";
    if (error.message.rfind(prefix, 0) != 0 || error.message.size() == prefix.size())
        return "the error message does not name its line: " + error.message;
    return {};
}

// Start-up over the chip, then three seconds of readings through both port pairs.
void run(const sim::Scenario& scenario) {
    sim::SimulatedChip chip(scenario);
    int now = 0;
    sim::SimulatedPortIo io(chip, [&now] { return now; });
    Chip m(io);
    SettingsModel settings;
    std::unique_ptr<SettingsFile> file;
    Alone instance;
    sim::SimulatedPortClaims claims(chip);
    Silent boxes;
    // No such folder: the settings are the factory ones and nothing is written.
    const std::filesystem::path nowhere = "/nonexistent/hmdx-fuzz";
    StartupServices services{instance, claims, boxes, nowhere};
    StartUp(m, {settings, file}, services);
    for (now = 1; now <= 3; ++now) {
        for (int bank = 0; bank < 8; bank += 5) {
            m.selectBank(bank);
            for (int reg = 0x20; reg <= 0x2A; ++reg)
                m.readRegister(reg);
            m.readRegister(0x50);
        }
        for (int port : {0x2E, 0x2F, 0x4E, 0x4F, 0x295, 0x296})
            io.inByte(uint16_t(port));
    }
    chip.dump(io.portAccesses());
}

} // namespace

std::string CheckScenario(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const sim::ScenarioParse parse = sim::ParseScenario(text);
    if (parse.scenario.has_value() == parse.error.has_value())
        return "the parse gave both or neither a scenario and an error";
    if (parse.error)
        return checkError(*parse.error, text);
    run(*parse.scenario);
    return {};
}

} // namespace hmdx::fuzz
