// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemperatureRows.h"

#include "RowWidgets.h"
#include "ScaleSlider.h"
#include "StatusWords.h"
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

std::array<QWidget*, 10> TemperatureRows::Row::controls() const {
    return {lblTempItem,    updTempLoLimit, lblTempLoLimit, lblTempLoBound, sldTemp,
            lblTempHiBound, lblTempHiLimit, updTempHiLimit, lblStatusT,     lblT};
}

TemperatureRows::TemperatureRows(Monitor& monitor, QGroupBox* frame)
    : QObject(frame), m_monitor(monitor) {
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
    r.lblTempLoBound = MakeLabel(QString::number(Limits::kLowestDegrees), parent, Qt::AlignRight);
    r.sldTemp = new ScaleSlider(parent);
    r.lblTempHiBound = MakeLabel(QString::number(Limits::kHighestDegrees), parent);
    r.lblTempHiLimit = MakeLabel(QString(), parent, Qt::AlignRight);
    r.updTempHiLimit = new UpDown(parent);
    r.lblStatusT = MakeStatusLabel(parent);
    r.lblT = MakeLabel(QStringLiteral("C"), parent);
    r.sldTemp->setEnabled(false);
    const char* names[] = {
        "lblTempItem",    "updTempLoLimit", "lblTempLoLimit", "lblTempLoBound", "sldTemp",
        "lblTempHiBound", "lblTempHiLimit", "updTempHiLimit", "lblStatusT",     "lblT"};
    const auto controls = r.controls();
    for (int c = 0; c < int(controls.size()); ++c) {
        controls[c]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(t));
        grid->addWidget(controls[c], 1 + t, c);
    }
    r.updTempHiLimit->setAccessibleName(tr("%1 high limit").arg(r.lblTempItem->text()));
    r.lblStatusT->setAccessibleName(r.lblTempItem->text());
    TemperatureLimits& limits = m_monitor.limits().temperature(t);
    r.updTempLoLimit->bind(limits.hysteresis);
    r.updTempHiLimit->bind(limits.high);
    connect(r.updTempHiLimit, &UpDown::edited, this, [this, t] { refreshLimits(t); });
}

void TemperatureRows::refresh() {
    for (int t = 0; t < 3; ++t) {
        refreshLimits(t);
        refreshReading(t);
    }
}

void TemperatureRows::refreshReadings() {
    for (int t = 0; t < 3; ++t)
        refreshReading(t);
}

void TemperatureRows::refreshLimits(int t) {
    const TemperatureLimits& limits = m_monitor.limits().temperature(t);
    Row& r = row[t];
    r.updTempLoLimit->refresh();
    r.updTempHiLimit->refresh();
    r.sldTemp->setMaximum(limits.scaleMax);
    r.sldTemp->setMinimum(limits.scaleMin);
    r.sldTemp->setSelStart(limits.band.start);
    r.sldTemp->setSelLength(limits.band.length);
    r.lblTempLoLimit->setText(limits.lowText.text);
    r.lblTempHiLimit->setText(limits.highText.text);
    DescribeStatus(r.lblStatusT, StatusWords::description(m_monitor, kFirstTempItem + t));
}

void TemperatureRows::refreshReading(int t) {
    const int item = kFirstTempItem + t;
    const ItemReading& reading = m_monitor.reading(item);
    row[t].sldTemp->setValue(reading.marker);
    if (ShowReading(row[t].lblStatusT, reading, m_monitor.machine().state.everRead[size_t(item)]))
        DescribeStatus(row[t].lblStatusT, StatusWords::description(m_monitor, item));
}

} // namespace hmdx
