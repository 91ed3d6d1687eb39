#include "VoltageRows.h"

#include "RowWidgets.h"
#include "ScaleSlider.h"
#include "UpDown.h"
#include "monitor/Conversions.h"
#include "monitor/ItemTable.h"
#include "monitor/NumberFormat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <utility>

namespace hmdx {
namespace {

struct LimitRegisters {
    int bank;
    int high;
    int low;
};

// High and low limit register of each voltage item.
constexpr std::array<LimitRegisters, 9> kLimitRegisters{{
    {0, 0x2B, 0x2C},
    {0, 0x2D, 0x2E},
    {0, 0x2F, 0x30},
    {0, 0x31, 0x32},
    {0, 0x33, 0x34},
    {0, 0x35, 0x36},
    {0, 0x37, 0x38},
    {5, 0x54, 0x55},
    {5, 0x56, 0x57},
}};

constexpr int kFirstRow = 1; // grid row 0 holds the headers

// Register counts are bytes; a limit is never wrapped into one.
uint8_t toRegister(int value) {
    return uint8_t(std::clamp(value, 0, 255));
}

} // namespace

std::array<QWidget*, 10> VoltageRows::Row::controls() const {
    return {lblItemName, updLoLimit, LblLoLimit, lblLoBound, SldVoltage,
            lblHiBound,  LblHiLimit, updHiLimit, lblStatusV, lblV};
}

VoltageRows::VoltageRows(Machine& m, QGroupBox* frame)
    : QObject(frame), m_m(m), m_grid(new QGridLayout(frame)) {
    m_grid->setVerticalSpacing(2);
    m_grid->setColumnStretch(kScale, 1);
    SetColumnWidths(m_grid, {"CPU FAN__", "__", "-13.00", "-14.00", "", "-10.00", "-11.00"});
    QLabel* lo = MakeLabel(tr("Low Limit"), frame, Qt::AlignCenter);
    QLabel* hi = MakeLabel(tr("High Limit"), frame, Qt::AlignCenter);
    QLabel* status = MakeLabel(tr("Status"), frame, Qt::AlignCenter);
    lo->setObjectName(QStringLiteral("Label1"));
    hi->setObjectName(QStringLiteral("Label2"));
    status->setObjectName(QStringLiteral("Label3"));
    m_grid->addWidget(lo, 0, kLoUpDown, 1, 2);
    m_grid->addWidget(hi, 0, kHiLimit, 1, 2);
    m_grid->addWidget(status, 0, kStatus);
    for (int i = 0; i < kVoltItems; ++i)
        buildRow(i, m_grid);
}

void VoltageRows::buildRow(int i, QGridLayout* grid) {
    QWidget* parent = grid->parentWidget();
    Row& r = row[i];
    r.lblItemName = MakeLabel(QString::fromUtf8(kItems[i].caption), parent);
    r.updLoLimit = new UpDown(parent);
    r.LblLoLimit = MakeLabel(QString(), parent, Qt::AlignRight);
    r.lblLoBound = MakeLabel(QString(), parent, Qt::AlignRight);
    r.SldVoltage = new ScaleSlider(parent);
    r.lblHiBound = MakeLabel(QString(), parent);
    r.LblHiLimit = MakeLabel(QString(), parent, Qt::AlignRight);
    r.updHiLimit = new UpDown(parent);
    r.lblStatusV = MakeStatusLabel(parent);
    r.lblV = MakeLabel(QStringLiteral("V"), parent);
    r.gridRow = kFirstRow + i;
    const char* names[] = {"lblItemName", "updLoLimit", "LblLoLimit", "lblLoBound", "SldVoltage",
                           "lblHiBound",  "LblHiLimit", "updHiLimit", "lblStatusV", "lblV"};
    const auto controls = r.controls();
    for (int c = 0; c < int(controls.size()); ++c) {
        controls[c]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(i));
        grid->addWidget(controls[c], r.gridRow, c);
    }
    r.updLoLimit->setAccessibleName(tr("%1 low limit").arg(r.lblItemName->text()));
    r.updHiLimit->setAccessibleName(tr("%1 high limit").arg(r.lblItemName->text()));
    connect(r.updHiLimit, &UpDown::changed, this, [this, i] { hiChanged(i); });
    connect(r.updLoLimit, &UpDown::changed, this, [this, i] { loChanged(i); });
}

VoltageRows::Rail VoltageRows::rail(int i) const {
    if (i != 5 && i != 6)
        return Rail::Plain;
    const ChipModel* model = m_m.chip.model();
    if (!model)
        return Rail::None;
    return model->convertedNegRails ? Rail::Converted : Rail::Negated;
}

// A setting in volts as a scale value, held within what the limit registers can take.
int VoltageRows::toScale(int i, float volts) const {
    const SettingsModel& s = m_m.settings;
    switch (rail(i)) {
    case Rail::Converted:
        return std::clamp<int>(TransVoltageToLimitReg(i, volts), 0, 255);
    case Rail::Negated:
        return std::clamp(VoltsToScale(volts, s.VoltFactor[i]), -255, 0);
    default:
        return std::clamp(VoltsToScale(volts, s.VoltFactor[i]), 0, 255);
    }
}

// HMA has no Vsb and Vbat inputs, so their limit controls do nothing there.
bool VoltageRows::handlesLimits(int i) const {
    const ChipModel* model = m_m.chip.model();
    return model && (model->convertedNegRails || i <= 6);
}

float VoltageRows::toVolts(int i, int scale) const {
    if (rail(i) == Rail::Converted)
        return CalRealNegVoltage(i, scale);
    return ScaleToVolts(scale, m_m.settings.VoltFactor[i]);
}

void VoltageRows::loadFromSettings() {
    for (int i = 0; i < kVoltItems; ++i) {
        if (rail(i) != Rail::None)
            initRow(i);
        row[i].SldVoltage->setEnabled(false);
    }
}

void VoltageRows::initRow(int i) {
    const SettingsModel& s = m_m.settings;
    Row& r = row[i];
    int top = toScale(i, s.VoltScaleMax[i]);
    int bottom = toScale(i, s.VoltScaleMin[i]);
    if (bottom > top)
        std::swap(bottom, top); // a scale the wrong way round in the file
    // Limits are held on the scale, so that neither up-down is left with an empty range.
    const int hi = std::clamp(toScale(i, s.VoltHiLimit[i]), bottom, top);
    const int lo = std::clamp(toScale(i, s.VoltLoLimit[i]), bottom, top);
    r.SldVoltage->setMaximum(top);
    r.SldVoltage->setMinimum(bottom);
    r.updLoLimit->setMaximum(hi);
    r.updLoLimit->setMinimum(bottom);
    r.updHiLimit->setMaximum(top);
    r.updHiLimit->setMinimum(lo);
    // Each up-down is fenced by the other limit.
    r.updLoLimit->setValue(r.updHiLimit->minimum());
    r.updHiLimit->setValue(r.updLoLimit->maximum());
    r.SldVoltage->setSelStart(r.updLoLimit->value());
    r.SldVoltage->setSelLength(r.updHiLimit->value() - r.updLoLimit->value());
    r.SldVoltage->setValue(r.SldVoltage->selStart());
    r.lblLoBound->setText(FormatTwoDecimals(s.VoltScaleMin[i]));
    r.lblHiBound->setText(FormatTwoDecimals(s.VoltScaleMax[i]));
    const Rail kind = rail(i);
    // Converted rails show the stored volts; the others the volts of the register value.
    r.LblLoLimit->setText(FormatTwoDecimals(
        kind == Rail::Converted ? s.VoltLoLimit[i]
                                : ScaleToVolts(r.updLoLimit->value(), s.VoltFactor[i])));
    r.LblHiLimit->setText(FormatTwoDecimals(
        kind == Rail::Converted ? s.VoltHiLimit[i]
                                : ScaleToVolts(r.updHiLimit->value(), s.VoltFactor[i])));
    m_m.chip.selectBank(kLimitRegisters[i].bank);
    writeLimitRegister(i, false, r.updLoLimit->value());
    writeLimitRegister(i, true, r.updHiLimit->value());
}

void VoltageRows::hiChanged(int i) {
    if (!m_m.state.limitEditsLive || !handlesLimits(i))
        return;
    Row& r = row[i];
    const int h = r.updHiLimit->value();
    r.SldVoltage->setSelLength(h - r.updLoLimit->value());
    r.updLoLimit->setMaximum(h);
    storeLimit(i, true, h);
}

void VoltageRows::loChanged(int i) {
    if (!m_m.state.limitEditsLive || !handlesLimits(i))
        return;
    Row& r = row[i];
    const int l = r.updLoLimit->value();
    r.SldVoltage->setSelStart(l);
    r.SldVoltage->setSelLength(r.updHiLimit->value() - l);
    r.updHiLimit->setMinimum(l);
    storeLimit(i, false, l);
}

// A limit the user moved: shown in volts, kept in the settings, and in the chip at once.
void VoltageRows::storeLimit(int i, bool high, int scale) {
    Row& r = row[i];
    const float v = toVolts(i, scale);
    QLabel* shown = high ? r.LblHiLimit : r.LblLoLimit;
    const QString before = shown->text();
    shown->setText(FormatTwoDecimals(v));
    if (onLimitChanged)
        onLimitChanged(i, (high ? "high " : "low ") + before.toStdString() + " -> " +
                              shown->text().toStdString() + " V");
    (high ? m_m.settings.VoltHiLimit : m_m.settings.VoltLoLimit)[i] = v;
    m_m.chip.selectBank(kLimitRegisters[i].bank);
    writeLimitRegister(i, high, scale);
}

// HMA reads its negative rails negated, so their limits go negated into the crossed register.
void VoltageRows::writeLimitRegister(int i, bool high, int scale) {
    const LimitRegisters regs = kLimitRegisters[i];
    const bool crossed = rail(i) == Rail::Negated;
    m_m.chip.writeKept(regs.bank, high != crossed ? regs.high : regs.low,
                     toRegister(crossed ? -scale : scale));
}

void VoltageRows::closeVcoreBGap() {
    for (int k = 6; k >= 2; --k) {
        row[k].gridRow = row[k - 1].gridRow;
        const auto controls = row[k].controls();
        for (int c = 0; c < int(controls.size()); ++c) {
            m_grid->removeWidget(controls[c]);
            m_grid->addWidget(controls[c], row[k].gridRow, c);
        }
    }
}

} // namespace hmdx
