// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleRow.h"

#include "RowWidgets.h"
#include "ScaleSlider.h"
#include "UpDown.h"
#include "monitor/ItemTable.h"

#include <QGridLayout>
#include <QLabel>

namespace hmdx {

ScaleRow ScaleRow::Build(QGridLayout* grid, int gridRow, int item, int index,
                         const std::array<const char*, 10>& names) {
    QWidget* parent = grid->parentWidget();
    ScaleRow r;
    r.item = item;
    r.gridRow = gridRow;
    r.captionLabel = MakeLabel(ShownCaption(item), parent);
    r.lowUpDown = new UpDown(parent);
    r.lowLabel = MakeLabel(QString(), parent, Qt::AlignRight);
    r.scaleLowLabel = MakeLabel(QString(), parent, Qt::AlignRight);
    r.scaleSlider = new ScaleSlider(parent);
    r.scaleHighLabel = MakeLabel(QString(), parent);
    r.highLabel = MakeLabel(QString(), parent, Qt::AlignRight);
    r.highUpDown = new UpDown(parent);
    r.readingLabel = MakeStatusLabel(parent);
    r.unitLabel = MakeLabel(ShownUnit(KindOf(item), true), parent);
    r.scaleSlider->setEnabled(false);
    const auto controls = r.controls();
    for (int c = 0; c < int(controls.size()); ++c) {
        controls[c]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(index));
        grid->addWidget(controls[c], gridRow, c);
    }
    r.readingLabel->setAccessibleName(r.captionLabel->text());
    ExplainScale(r.scaleLowLabel, r.scaleSlider, r.scaleHighLabel);
    return r;
}

std::array<QWidget*, 10> ScaleRow::controls() const {
    return {captionLabel,   lowUpDown, lowLabel,   scaleLowLabel, scaleSlider,
            scaleHighLabel, highLabel, highUpDown, readingLabel,  unitLabel};
}

void ScaleRow::showLimits(int scaleMin, int scaleMax, Band band, const Shown& low,
                          const Shown& high) {
    lowUpDown->refresh();
    highUpDown->refresh();
    scaleSlider->setMaximum(scaleMax);
    scaleSlider->setMinimum(scaleMin);
    scaleSlider->setSelStart(band.start);
    scaleSlider->setSelLength(band.length);
    lowLabel->setText(low.text);
    highLabel->setText(high.text);
    const QString unit = QLatin1Char(' ') + ShownUnit(KindOf(item));
    lowUpDown->setShownValue(low.text.trimmed() + unit);
    highUpDown->setShownValue(high.text.trimmed() + unit);
}

bool ScaleRow::showReading(const ItemReading& reading, bool read) {
    scaleSlider->setValue(reading.marker);
    return ShowReading(readingLabel, reading, read);
}

} // namespace hmdx
