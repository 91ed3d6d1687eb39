#include "PollingCycle.h"

#include "FanRows.h"
#include "RowDisplay.h"
#include "RowWidgets.h"
#include "ScaleSlider.h"
#include "TemperatureRows.h"
#include "UpDown.h"
#include "VoltageRows.h"
#include "chip/ChipKeeping.h"
#include "monitor/Conversions.h"
#include "monitor/NumberFormat.h"

#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <chrono>

namespace hmdx {
namespace {

struct Source {
    int bank;
    int reg;
};

// Where each voltage item's reading comes from.
constexpr Source kVoltageSources[9] = {
    {0, 0x20}, {0, 0x21}, {0, 0x22}, {0, 0x23}, {0, 0x24},
    {0, 0x25}, {0, 0x26}, {5, 0x50}, {5, 0x51},
};

constexpr int kFanCountReg = 0x28;
constexpr int kFanStopped = 255;
constexpr uint8_t kCaseOpenBit = 0x10;

} // namespace

void PollingCycle::pollOnce() {
    m_read = 0;
    readVoltages();
    readFans();
    readTemperatures();
    readCaseSwitch();
    RefreshItemEnabled(m_m, m_rows);
    // Reading the interrupt status registers clears the chip's pending alarms.
    m_bank = -1;
    useBank(0);
    m_m.chip.readRegister(0x41);
    m_m.chip.readRegister(0x42);
    m_m.history.record(std::chrono::system_clock::now(), m_raw, m_read);
}

void PollingCycle::useBank(int bank) {
    if (m_bank != bank)
        m_m.chip.selectBank(bank);
    m_bank = bank;
}

void PollingCycle::report(int item, bool outOfRange, QLabel* status) {
    m_m.state.everRead[item] = true;
    m_m.state.alarm[item] = outOfRange;
    if (outOfRange)
        m_dispatch.reportOutOfRange(item);
    else
        m_dispatch.reportInRange(item);
    SetStatusColour(status, outOfRange ? kStatusRed : kStatusGreen);
}

void PollingCycle::readVoltages() {
    m_bank = -1;
    VoltageRows& rows = *m_rows.voltage;
    for (int i = 0; i < kVoltItems; ++i) {
        const VoltageRows::Rail rail = rows.rail(i);
        if (m_m.settings.ItemEnabled[i] != 1 || rail == VoltageRows::Rail::None)
            continue;
        useBank(kVoltageSources[i].bank);
        const int raw = m_m.chip.readRegister(kVoltageSources[i].reg);
        keep(i, uint8_t(raw));
        const int scale = rail == VoltageRows::Rail::Negated ? -raw : raw;
        VoltageRows::Row& r = rows.row[i];
        r.SldVoltage->setValue(scale);
        const float volts = rail == VoltageRows::Rail::Converted
                                ? CalRealNegVoltage(i, raw)
                                : ScaleToVolts(scale, m_m.settings.VoltFactor[i]);
        r.lblStatusV->setText(FormatTwoDecimals(volts));
        const int low = r.SldVoltage->selStart();
        const int high = low + r.SldVoltage->selLength();
        report(i, scale > high || scale < low, r.lblStatusV);
    }
}

void PollingCycle::readFans() {
    m_bank = -1;
    for (int f = 0; f < 3; ++f) {
        const int item = kFirstFanItem + f;
        if (m_m.settings.ItemEnabled[item] != 1)
            continue;
        useBank(0);
        int count = m_m.chip.readRegister(kFanCountReg + f);
        keep(item, uint8_t(count));
        FanRows::Row& r = m_rows.fan->row[f];
        r.prbFanSpeed->setValue(255 - count);
        const int limitSetting = r.updFanLoLimit->value();
        if (count == kFanStopped) {
            // At the lowest setting a standing fan is no fault: it was off at start.
            const bool fault = limitSetting != 1;
            r.lblFanSpeed->setText(fault ? QStringLiteral("low_speed") : QStringLiteral("Fan off"));
            report(item, fault, r.lblFanSpeed);
            continue;
        }
        if (count == 0)
            count = 1;
        r.lblFanSpeed->setText(FormatRpm(*FanSpeed(count, m_m.settings.FanDivisor[f])));
        report(item, count > 255 - limitSetting, r.lblFanSpeed);
    }
}

void PollingCycle::readTemperatures() {
    m_bank = -1;
    for (int t = 0; t < 3; ++t) {
        const int item = kFirstTempItem + t;
        if (m_m.settings.ItemEnabled[item] != 1)
            continue;
        useBank(t);
        double degrees = 0;
        int scale = 0;
        if (t == 0) {
            const uint8_t raw = m_m.chip.readRegister(0x27);
            keep(item, raw);
            degrees = Temp1Degrees(raw);
            scale = int(degrees) + 40;
        } else {
            const uint8_t whole = m_m.chip.readRegister(0x50);
            keep(item, whole);
            const int halves = TempHalfDegrees(whole, m_m.chip.readRegister(0x51));
            degrees = halves / 2.0;
            scale = halves + 80;
        }
        TemperatureRows::Row& r = m_rows.temperature->row[t];
        r.sldTemp->setValue(scale);
        r.lblStatusT->setText(FormatTwoDecimals(degrees));
        const int start = r.sldTemp->selStart();
        report(item, scale >= start && scale > start + r.sldTemp->selLength(), r.lblStatusT);
    }
}

void PollingCycle::readCaseSwitch() {
    if (m_m.settings.ItemEnabled[kCaseOpenItem] != 1)
        return;
    m_bank = -1;
    useBank(0);
    const bool open = m_m.chip.readRegister(0x42) & kCaseOpenBit;
    keep(kCaseOpenItem, open);
    m_rows.caseLine.optCaseOpened->setChecked(open);
    m_m.state.everRead[kCaseOpenItem] = true;
    m_m.state.alarm[kCaseOpenItem] = open;
    m_rows.caseLine.lblCaseOpen->setText(open ? QStringLiteral("PC Case is opened")
                                              : QStringLiteral("PC Case is closed"));
    if (open)
        m_dispatch.reportOutOfRange(kCaseOpenItem);
    else
        m_dispatch.reportInRange(kCaseOpenItem);
}

} // namespace hmdx
