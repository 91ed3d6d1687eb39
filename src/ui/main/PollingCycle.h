#pragma once

#include "MainRows.h"
#include "chip/Module1.h"
#include "monitor/WarningDispatch.h"

class QLabel;

namespace hmdx {

// One reading of every monitored item: shows it in its row, judges it against the row's
// limits and raises or takes away the item's warning.
class PollingCycle {
public:
    PollingCycle(Module1& m, MainRows& rows, WarningDispatch& dispatch)
        : m_m(m), m_rows(rows), m_dispatch(dispatch) {}

    void Timer1_Timer();

    void ProcessVoltage();
    void ProcessFan();
    void ProcessTemperature();
    void ProcessCaseOpen();

    // The fan pins' input-control bits, once when the window loads.
    void Set_Fan_Status();

private:
    // Selects `bank` unless this read group already did: one selection per group of reads.
    void useBank(int bank);
    void report(int item, bool outOfRange, QLabel* status);

    Module1& m_m;
    MainRows& m_rows;
    WarningDispatch& m_dispatch;
    int m_bank = -1;
};

} // namespace hmdx
