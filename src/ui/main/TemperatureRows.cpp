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
    return {captionLabel,   lowUpDown, lowLabel,   scaleLowLabel, scaleSlider,
            scaleHighLabel, highLabel, highUpDown, readingLabel,  unitLabel};
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
    r.captionLabel = MakeLabel(ShownCaption(TemperatureItem(t)), parent);
    r.lowUpDown = new UpDown(parent);
    r.lowLabel = MakeLabel(QString(), parent, Qt::AlignRight);
    r.scaleLowLabel =
        MakeLabel(QString::number(TemperatureScale::kLowestDegrees), parent, Qt::AlignRight);
    r.scaleSlider = new ScaleSlider(parent);
    r.scaleHighLabel = MakeLabel(QString::number(TemperatureScale::kHighestDegrees), parent);
    r.highLabel = MakeLabel(QString(), parent, Qt::AlignRight);
    r.highUpDown = new UpDown(parent);
    r.readingLabel = MakeStatusLabel(parent);
    r.unitLabel = MakeLabel(ShownUnit(ItemKind::Temperature, true), parent);
    r.scaleSlider->setEnabled(false);
    const char* names[] = {
        "lblTempItem",    "updTempLoLimit", "lblTempLoLimit", "lblTempLoBound", "sldTemp",
        "lblTempHiBound", "lblTempHiLimit", "updTempHiLimit", "lblStatusT",     "lblT"};
    const auto controls = r.controls();
    for (int c = 0; c < int(controls.size()); ++c) {
        controls[c]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(t));
        grid->addWidget(controls[c], 1 + t, c);
    }
    r.highUpDown->setAccessibleName(tr("%1 high limit").arg(r.captionLabel->text()));
    r.readingLabel->setAccessibleName(r.captionLabel->text());
    ExplainScale(r.scaleLowLabel, r.scaleSlider, r.scaleHighLabel);
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
    r.lowUpDown->refresh();
    r.highUpDown->refresh();
    r.scaleSlider->setMaximum(limits.scaleMax);
    r.scaleSlider->setMinimum(limits.scaleMin);
    r.scaleSlider->setSelStart(limits.band.start);
    r.scaleSlider->setSelLength(limits.band.length);
    r.lowLabel->setText(limits.lowText.text);
    r.highLabel->setText(limits.highText.text);
    r.highUpDown->setShownValue(limits.highText.text.trimmed() + QLatin1Char(' ') +
                                ShownUnit(ItemKind::Temperature));
    DescribeStatus(r.readingLabel, StatusWords::description(m_monitor, TemperatureItem(t)));
}

void TemperatureRows::refreshReading(int t) {
    const int item = TemperatureItem(t);
    const ItemReading& reading = m_monitor.reading(item);
    row[t].scaleSlider->setValue(reading.marker);
    if (ShowReading(row[t].readingLabel, reading, m_monitor.machine().state.everRead[size_t(item)]))
        DescribeStatus(row[t].readingLabel, StatusWords::description(m_monitor, item));
}

} // namespace hmdx
