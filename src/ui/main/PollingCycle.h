#pragma once

#include "MainRows.h"
#include "monitor/Machine.h"
#include "monitor/WarningDispatch.h"

#include <array>
#include <cstdint>

class QLabel;

namespace hmdx {

// One reading of every monitored item: shows it in its row, judges it against the row's
// limits and raises or takes away the item's warning.
class PollingCycle {
public:
    PollingCycle(Machine& m, MainRows& rows, WarningDispatch& dispatch)
        : m_m(m), m_rows(rows), m_dispatch(dispatch) {}

    void pollOnce();

    void readVoltages();
    void readFans();
    void readTemperatures();
    void readCaseSwitch();

private:
    // Selects `bank` unless this read group already did: one selection per group of reads.
    void useBank(int bank);
    void report(int item, bool outOfRange, QLabel* status);

    // The raw byte of every item read this tick, for the history.
    void keep(int item, uint8_t raw) {
        m_raw[item] = raw;
        m_read |= uint16_t(1U << item);
    }

    Machine& m_m;
    std::array<uint8_t, kItemCount> m_raw{};
    uint16_t m_read = 0;
    MainRows& m_rows;
    WarningDispatch& m_dispatch;
    int m_bank = -1;
};

} // namespace hmdx
