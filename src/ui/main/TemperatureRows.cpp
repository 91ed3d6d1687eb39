#include "TemperatureRows.h"

#include "RowWidgets.h"
#include "ScaleSlider.h"
#include "UpDown.h"
#include "monitor/Conversions.h"
#include "monitor/ItemTable.h"
#include "monitor/NumberFormat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpacerItem>
#include <algorithm>

namespace hmdx {
namespace {

// The leading number of a caption ("-40", "127"), as the bound labels are read back.
double leadingNumber(const QString& text) {
    int end = 0;
    while (end < text.size() &&
           (text[end].isDigit() || text[end] == QLatin1Char('.') ||
            (end == 0 && (text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))))
        ++end;
    return text.left(end).toDouble();
}

} // namespace

std::array<QWidget*, 10> TemperatureRows::Row::controls() const {
    return {lblTempItem,    updTempLoLimit, lblTempLoLimit, lblTempLoBound, sldTemp,
            lblTempHiBound, lblTempHiLimit, updTempHiLimit, lblStatusT,     lblT};
}

TemperatureRows::TemperatureRows(Machine& m, QGroupBox* frame) : QObject(frame), m_m(m) {
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(kScale, 1);
    SetColumnWidths(grid, {"CPU FAN__", "__", "-13.00", "-14.00", "", "-10.00", "-11.00"});
    // The hysteresis up-downs are hidden for good; this keeps their column as wide as the
    // voltage frame's, so the scales of both frames line up.
    grid->addItem(new QSpacerItem(UpDown().sizeHint().width(), 0), 0, kLoUpDown);
    grid->addWidget(MakeLabel(tr("High Limit"), frame, Qt::AlignCenter), 0, kHiLimit, 1, 2);
    grid->addWidget(MakeLabel(tr("Status"), frame, Qt::AlignCenter), 0, kStatus);
    for (int t = 0; t < 3; ++t)
        buildRow(t, grid);
}

void TemperatureRows::buildRow(int t, QGridLayout* grid) {
    QWidget* parent = grid->parentWidget();
    Row& r = row[t];
    r.lblTempItem = MakeLabel(QString::fromUtf8(kItems[kFirstTempItem + t].caption), parent);
    r.updTempLoLimit = new UpDown(parent);
    r.lblTempLoLimit = MakeLabel(QString(), parent, Qt::AlignRight);
    r.lblTempLoBound = MakeLabel(QStringLiteral("-40"), parent, Qt::AlignRight);
    r.sldTemp = new ScaleSlider(parent);
    r.lblTempHiBound = MakeLabel(QStringLiteral("127"), parent);
    r.lblTempHiLimit = MakeLabel(QString(), parent, Qt::AlignRight);
    r.updTempHiLimit = new UpDown(parent);
    r.lblStatusT = MakeStatusLabel(parent);
    r.lblT = MakeLabel(QStringLiteral("C"), parent);
    const char* names[] = {
        "lblTempItem",    "updTempLoLimit", "lblTempLoLimit", "lblTempLoBound", "sldTemp",
        "lblTempHiBound", "lblTempHiLimit", "updTempHiLimit", "lblStatusT",     "lblT"};
    const auto controls = r.controls();
    for (int c = 0; c < int(controls.size()); ++c) {
        controls[c]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(t));
        grid->addWidget(controls[c], 1 + t, c);
    }
    r.updTempHiLimit->setAccessibleName(tr("%1 high limit").arg(r.lblTempItem->text()));
    connect(r.updTempHiLimit, &UpDown::changed, this, [this, t] { hiChanged(t); });
}

void TemperatureRows::loadFromSettings() {
    for (int t = 0; t < 3; ++t)
        if (m_m.chip.hasItem(kFirstTempItem + t))
            initRow(t);
}

void TemperatureRows::initRow(int t) {
    const SettingsModel& s = m_m.settings;
    Row& r = row[t];
    const int st = step(t);
    const int offset = 40 * st;
    const int top = RoundHalfEven(leadingNumber(r.lblTempHiBound->text()) * st + offset);
    const int bottom = RoundHalfEven(leadingNumber(r.lblTempLoBound->text()) * st + offset);
    // Limits beyond the scale are held at its ends rather than wrapped into the register.
    const int a =
        std::clamp(RoundHalfEven(double(st) * s.TempHiLimit[t]), bottom - offset, top - offset);
    const int b =
        std::clamp(RoundHalfEven(double(st) * s.TempLoLimit[t]), bottom - offset, top - offset);
    r.sldTemp->setMaximum(top);
    r.sldTemp->setMinimum(bottom);
    r.updTempLoLimit->setMaximum(offset + a);
    r.updTempLoLimit->setMinimum(r.sldTemp->minimum());
    r.updTempHiLimit->setMaximum(r.sldTemp->maximum());
    r.updTempHiLimit->setMinimum(r.sldTemp->minimum());
    r.updTempLoLimit->setValue(r.updTempHiLimit->minimum());
    r.updTempHiLimit->setValue(r.updTempLoLimit->maximum());
    r.sldTemp->setSelStart(offset + b);
    r.sldTemp->setSelLength(0);
    r.sldTemp->setValue(r.sldTemp->selStart());
    r.lblTempLoLimit->setText(FormatTwoDecimals(s.TempLoLimit[t]));
    r.lblTempHiLimit->setText(FormatTwoDecimals(s.TempHiLimit[t]));
    r.sldTemp->setEnabled(false);
    writeLimits(t, a, b);
}

void TemperatureRows::hiChanged(int t) {
    if (!m_m.state.limitEditsLive)
        return;
    Row& r = row[t];
    const int st = step(t);
    const int v = r.updTempHiLimit->value();
    const int h = v - 40 * st;
    r.sldTemp->setSelStart(v);
    r.sldTemp->setSelLength(0);
    const float degrees = float(h) / float(st);
    const QString before = r.lblTempHiLimit->text();
    r.lblTempLoLimit->setText(FormatOneDecimal(degrees));
    r.lblTempHiLimit->setText(FormatOneDecimal(degrees));
    if (onLimitChanged)
        onLimitChanged(kFirstTempItem + t, "high " + before.toStdString() + " -> " +
                                               r.lblTempHiLimit->text().toStdString() + " C");
    m_m.settings.TempHiLimit[t] = degrees;
    m_m.settings.TempLoLimit[t] = degrees;
    writeLimits(t, h, h);
}

// Row 0 holds whole degrees in one register each; rows 1 and 2 hold half degrees as a 9-bit
// two's complement number: bits 1..8 in one register, the half in bit 7 of the next.
void TemperatureRows::writeLimits(int t, int high, int hysteresis) {
    m_m.chip.selectBank(t);
    if (t == 0) {
        m_m.chip.writeKept(t, 0x39, uint8_t(high & 0xFF));
        m_m.chip.writeKept(t, 0x3A, uint8_t(hysteresis & 0xFF));
        return;
    }
    m_m.chip.writeKept(t, 0x55, uint8_t((high & 0x1FE) / 2));
    m_m.chip.writeKept(t, 0x56, uint8_t((high & 1) ? 0x80 : 0x00));
    m_m.chip.writeKept(t, 0x53, uint8_t((hysteresis & 0x1FE) / 2));
    m_m.chip.writeKept(t, 0x54, uint8_t((hysteresis & 1) ? 0x80 : 0x00));
}

} // namespace hmdx
