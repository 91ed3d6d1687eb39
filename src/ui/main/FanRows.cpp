// SPDX-License-Identifier: GPL-3.0-or-later
#include "FanRows.h"

#include "RowWidgets.h"
#include "StatusWords.h"
#include "UpDown.h"
#include "monitor/ItemTable.h"
#include "monitor/NumberFormat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

namespace hmdx {

std::array<QWidget*, 6> FanRows::Row::controls() const {
    return {lblFanItem, updFanLoLimit, lblFanLoLimit, prbFanSpeed, lblFanSpeed, lblFanUnit};
}

FanRows::FanRows(Monitor& monitor, QGroupBox* frame) : QObject(frame), m_monitor(monitor) {
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
    SetColumnWidths(grid, {"CPU FAN__", "__", "-13.00"});
    QLabel* limit = MakeLabel(tr("Low Limit"), frame, Qt::AlignCenter);
    QLabel* unit = MakeLabel(tr("Units"), frame);
    limit->setObjectName(QStringLiteral("lblFanLimit"));
    unit->setObjectName(QStringLiteral("lblUnit"));
    grid->addWidget(limit, 0, 1, 1, 2);
    grid->addWidget(unit, 0, 5);
    for (int f = 0; f < 3; ++f)
        buildRow(f, grid);
}

void FanRows::buildRow(int f, QGridLayout* grid) {
    QWidget* parent = grid->parentWidget();
    Row& r = row[f];
    r.lblFanItem = MakeLabel(QString::fromUtf8(kItems[kFirstFanItem + f].caption), parent);
    r.updFanLoLimit = new UpDown(parent);
    r.lblFanLoLimit = MakeLabel(QString(), parent, Qt::AlignRight);
    r.prbFanSpeed = new QProgressBar(parent);
    r.prbFanSpeed->setRange(0, 255);
    r.prbFanSpeed->setValue(0);
    r.prbFanSpeed->setTextVisible(false);
    r.lblFanSpeed = MakeStatusLabel(parent);
    r.lblFanUnit = MakeLabel(QStringLiteral("RPM"), parent);
    const char* names[] = {"lblFanItem",  "updFanLoLimit", "lblFanLoLimit",
                           "prbFanSpeed", "lblFanSpeed",   "lblFanUnit"};
    const auto controls = r.controls();
    for (int c = 0; c < int(controls.size()); ++c) {
        controls[c]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(f));
        grid->addWidget(controls[c], 1 + f, c);
    }
    r.updFanLoLimit->setAccessibleName(tr("%1 low limit").arg(r.lblFanItem->text()));
    r.lblFanSpeed->setAccessibleName(r.lblFanItem->text());
    r.updFanLoLimit->bind(m_monitor.limits().fan(f).setting);
    connect(r.updFanLoLimit, &UpDown::edited, this, [this, f] { refreshLimits(f); });
}

void FanRows::refresh() {
    for (int f = 0; f < 3; ++f) {
        refreshLimits(f);
        refreshReading(f);
    }
}

void FanRows::refreshReadings() {
    for (int f = 0; f < 3; ++f)
        refreshReading(f);
}

void FanRows::refreshLimits(int f) {
    const FanLimit& limit = m_monitor.limits().fan(f);
    Row& r = row[f];
    r.updFanLoLimit->refresh();
    r.updFanLoLimit->setEnabled(limit.editable);
    r.lblFanLoLimit->setText(limit.text.text);
    DescribeStatus(r.lblFanSpeed, StatusWords::description(m_monitor, kFirstFanItem + f));
}

void FanRows::refreshReading(int f) {
    const int item = kFirstFanItem + f;
    const ItemReading& reading = m_monitor.reading(item);
    const bool read = m_monitor.machine().state.everRead[size_t(item)];
    if (read)
        row[f].prbFanSpeed->setValue(reading.marker);
    if (ShowReading(row[f].lblFanSpeed, reading, read))
        DescribeStatus(row[f].lblFanSpeed, StatusWords::description(m_monitor, item));
}

} // namespace hmdx
