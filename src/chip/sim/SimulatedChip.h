// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModelProfiles.h"
#include "RegisterFile.h"
#include "Scenario.h"
#include "SimulatedReadings.h"
#include "SimulatedSuperIo.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace hmdx::sim {

// Register-level model of the monitor chip and, where the scenario has one, the Super I/O
// chip around it, as seen through byte-wide ports. Faithful to the hardware: where the real
// chip would answer differently, this model is wrong.
class SimulatedChip {
public:
    explicit SimulatedChip(const Scenario& scenario);

    const Scenario& scenario() const { return m_scenario; }

    uint8_t in(uint16_t port);
    void out(uint16_t port, uint8_t value);

    // Moves simulated time forward to `second` after start: applies the scheduled writes due by
    // then and, unless the scenario holds, lets the readings drift once per elapsed second.
    void advanceTo(int second);

    // Register contents without side effects (for dumps and tests).
    uint8_t peek(int bank, int reg) const;
    // Sets a register as a scenario `set` does: a reading register also moves that reading's
    // centre, 0x42 bit 4 is the case latch. Out-of-range banks or registers are ignored.
    void poke(int bank, int reg, uint8_t value);
    // Logical device 0x0B configuration register; 0xFF without a Super I/O chip.
    uint8_t peekSio(int reg) const;

    // Every monitor register back to its power-on value, the scenario's plain `set` lines
    // applied again, as after a power loss. The Super I/O chip keeps its configuration.
    void reset();
    // Called when a scheduled `resume` happens (after its reset), from inside the port access
    // that moved the clock: the receiver must not touch the chip before that access returns.
    std::function<void()> onResume;
    // Called when a scheduled `sleep` happens, likewise from inside a port access.
    std::function<void()> onSleep;

    void countPowerOff() { ++m_powerOffRequests; }
    int powerOffRequests() const { return m_powerOffRequests; }

    // Lines "B:RR VV" for banks 0..7, "sio:RR VV" for the logical device when there is a
    // Super I/O chip, then "shutdown N" and "ports N" (`portAccesses` is the caller's count).
    std::string dump(long long portAccesses) const;

private:
    void powerOn();
    void applyDueWrites();
    std::optional<uint16_t> monitorIndexPort() const;
    void writeRegister(int reg, uint8_t value);
    bool monitoring() const;

    Scenario m_scenario;
    const ModelProfile* m_profile;
    RegisterFile m_regs;
    SimulatedReadings m_readings;
    std::optional<SimulatedSuperIo> m_superIo;
    uint8_t m_index = 0;                   // monitor index register
    std::vector<ScheduledWrite> m_pending; // ordered by second, file order within one
    size_t m_nextWrite = 0;
    int m_powerOffRequests = 0;
    int m_second = 0;
};

} // namespace hmdx::sim
