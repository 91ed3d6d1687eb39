// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoltageRows.h"

#include "RowWidgets.h"
#include "StatusWords.h"
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

constexpr int kFirstRow = 1; // grid row 0 holds the headers

} // namespace

VoltageRows::VoltageRows(Monitor& monitor, QGroupBox* frame)
    : QObject(frame), m_monitor(monitor), m_grid(new QGridLayout(frame)) {
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
    row[i] = ScaleRow::Build(grid, kFirstRow + i, i, i,
                             {"lblItemName", "updLoLimit", "LblLoLimit", "lblLoBound", "SldVoltage",
                              "lblHiBound", "LblHiLimit", "updHiLimit", "lblStatusV", "lblV"});
    Row& r = row[i];
    r.lowUpDown->setAccessibleName(tr("%1 low limit").arg(r.captionLabel->text()));
    r.highUpDown->setAccessibleName(tr("%1 high limit").arg(r.captionLabel->text()));
    VoltageLimits& limits = m_monitor.limits().voltage(i);
    r.lowUpDown->bind(limits.low);
    r.highUpDown->bind(limits.high);
    for (UpDown* updown : {r.lowUpDown, r.highUpDown})
        connect(updown, &UpDown::edited, this, [this, i] { refreshLimits(i); });
}

void VoltageRows::refresh() {
    for (int i = 0; i < kVoltItems; ++i) {
        refreshLimits(i);
        refreshReading(i);
    }
}

void VoltageRows::refreshReadings() {
    for (int i = 0; i < kVoltItems; ++i)
        refreshReading(i);
}

void VoltageRows::refreshLimits(int i) {
    const VoltageLimits& limits = m_monitor.limits().voltage(i);
    Row& r = row[i];
    r.showLimits(limits.scaleMin, limits.scaleMax, limits.band, limits.lowText, limits.highText);
    r.scaleLowLabel->setText(limits.lowBound);
    r.scaleHighLabel->setText(limits.highBound);
    DescribeStatus(r.readingLabel, StatusWords::description(m_monitor, i));
}

void VoltageRows::refreshReading(int i) {
    if (row[i].showReading(m_monitor.reading(i), m_monitor.machine().state.everRead[size_t(i)]))
        DescribeStatus(row[i].readingLabel, StatusWords::description(m_monitor, i));
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
