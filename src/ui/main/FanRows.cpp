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
    return {captionLabel, lowUpDown, lowLabel, speedBar, readingLabel, unitLabel};
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
    r.captionLabel = MakeLabel(ShownCaption(FanItem(f)), parent);
    r.lowUpDown = new UpDown(parent);
    r.lowLabel = MakeLabel(QString(), parent, Qt::AlignRight);
    r.speedBar = new QProgressBar(parent);
    r.speedBar->setRange(0, 255);
    r.speedBar->setValue(0);
    r.speedBar->setTextVisible(false);
    r.readingLabel = MakeStatusLabel(parent);
    r.unitLabel = MakeLabel(ShownUnit(ItemKind::Fan, true), parent);
    const char* names[] = {"lblFanItem",  "updFanLoLimit", "lblFanLoLimit",
                           "prbFanSpeed", "lblFanSpeed",   "lblFanUnit"};
    const auto controls = r.controls();
    for (int c = 0; c < int(controls.size()); ++c) {
        controls[c]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(f));
        grid->addWidget(controls[c], 1 + f, c);
    }
    r.lowUpDown->setAccessibleName(tr("%1 low limit").arg(r.captionLabel->text()));
    r.readingLabel->setAccessibleName(r.captionLabel->text());
    r.speedBar->setToolTip(tr("Fan speed: the fuller the bar, the faster the fan turns"));
    r.lowUpDown->bind(m_monitor.limits().fan(f).setting);
    connect(r.lowUpDown, &UpDown::edited, this, [this, f] { refreshLimits(f); });
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
    r.lowUpDown->refresh();
    r.lowUpDown->setEnabled(limit.editable);
    r.lowLabel->setText(limit.text.text);
    r.lowUpDown->setShownValue(limit.text.text.trimmed() + QLatin1Char(' ') +
                               ShownUnit(ItemKind::Fan));
    DescribeStatus(r.readingLabel, StatusWords::description(m_monitor, FanItem(f)));
}

void FanRows::refreshReading(int f) {
    const int item = FanItem(f);
    const ItemReading& reading = m_monitor.reading(item);
    const bool read = m_monitor.machine().state.everRead[size_t(item)];
    if (read)
        row[f].speedBar->setValue(reading.marker);
    if (ShowReading(row[f].readingLabel, reading, read))
        DescribeStatus(row[f].readingLabel, StatusWords::description(m_monitor, item));
}

} // namespace hmdx
