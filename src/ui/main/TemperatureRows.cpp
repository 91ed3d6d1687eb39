// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemperatureRows.h"

#include "RowWidgets.h"
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
    row[t] = ScaleRow::Build(grid, 1 + t, TemperatureItem(t), t,
                             {"lblTempItem", "updTempLoLimit", "lblTempLoLimit", "lblTempLoBound",
                              "sldTemp", "lblTempHiBound", "lblTempHiLimit", "updTempHiLimit",
                              "lblStatusT", "lblT"});
    Row& r = row[t];
    r.scaleLowLabel->setText(QString::number(TemperatureScale::kLowestDegrees));
    r.scaleHighLabel->setText(QString::number(TemperatureScale::kHighestDegrees));
    r.highUpDown->setAccessibleName(tr("%1 high limit").arg(r.captionLabel->text()));
    r.lowLabel->setToolTip(tr("Hysteresis: once the temperature went above its high limit, the "
                              "chip's alarm clears only below this temperature"));
    TemperatureLimits& limits = m_monitor.limits().temperature(t);
    r.lowUpDown->bind(limits.hysteresis);
    r.highUpDown->bind(limits.high);
    connect(r.highUpDown, &UpDown::edited, this, [this, t] { refreshLimits(t); });
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
    r.showLimits(limits.scaleMin, limits.scaleMax, limits.band, limits.lowText, limits.highText);
    DescribeStatus(r.readingLabel, StatusWords::description(m_monitor, TemperatureItem(t)));
}

void TemperatureRows::refreshReading(int t) {
    const int item = TemperatureItem(t);
    if (row[t].showReading(m_monitor.reading(item),
                           m_monitor.machine().state.everRead[size_t(item)]))
        DescribeStatus(row[t].readingLabel, StatusWords::description(m_monitor, item));
}

} // namespace hmdx
