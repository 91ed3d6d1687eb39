// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigurationDialog.h"

#include "Dialogs.h"
#include "monitor/ItemTable.h"
#include "ui/ScreenPlacement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>

namespace hmdx {
namespace {

enum Column { kCaption, kEnable, kOne, kThree, kBeep, kColumns };
enum Line { kLine1, kLine2, kLine3, kLine4, kLine5, kLinCaseOpen, kLines };
constexpr const char* kLineNames[kLines] = {"Line1", "Line2", "Line3",
                                            "Line4", "Line5", "LinCaseOpen"};

// One grid row below the headings: an item's row or a separator line.
struct GridEntry {
    int item;
    int line;
};
constexpr GridEntry row(int item) {
    return {item, -1};
}
constexpr GridEntry rule(Line line) {
    return {-1, line};
}

// Top to bottom. The CPU temperature stands above the system one, as users have always seen
// it; the core voltages are set off from the others because HMC has only one of them.
constexpr std::array kGrid{
    rule(kLine1), row(0),       row(1),  rule(kLine2), row(2),
    row(3),       row(4),       row(5),  row(6),       row(7),
    row(8),       rule(kLine3), row(9),  row(10),      row(11),
    rule(kLine4), row(13),      row(12), row(14),      rule(kLinCaseOpen),
    row(15),      rule(kLine5),
};
constexpr int kHeadingRow = 0;

// Two blanks after "Count" and thirteen between the digits put each digit over its box.
constexpr const char* kHeadings[3] = {
    QT_TRANSLATE_NOOP("hmdx::ConfigurationDialog", "Enable"),
    QT_TRANSLATE_NOOP("hmdx::ConfigurationDialog", "Faults Count  1             3"),
    QT_TRANSLATE_NOOP("hmdx::ConfigurationDialog", "Beep")};
constexpr const char* kButtons[2] = {QT_TRANSLATE_NOOP("hmdx::ConfigurationDialog", "OK"),
                                     QT_TRANSLATE_NOOP("hmdx::ConfigurationDialog", "Cancel")};

QCheckBox* makeBox(QWidget* parent, const char* name, int item, bool checked) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(item));
    box->setChecked(checked);
    return box;
}

} // namespace

ConfigurationDialog::ConfigurationDialog(Dialogs& forms) : QDialog(nullptr), m_dialogs(forms) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(tr("Monitoring Config."));
    buildGrid();
}

Machine& ConfigurationDialog::machine() const {
    return m_dialogs.machine();
}

ItemActions& ConfigurationDialog::actions() const {
    return m_dialogs.actions();
}

void ConfigurationDialog::buildGrid() {
    m_grid = new QGridLayout(this);
    m_grid->setSizeConstraint(QLayout::SetFixedSize);
    m_grid->setVerticalSpacing(2);
    m_grid->setHorizontalSpacing(16);
    buildHeadings();
    // Widgets are made top to bottom, so Tab walks the rows in the order they stand.
    int gridRow = kHeadingRow + 1;
    for (const GridEntry& entry : kGrid) {
        if (entry.item >= 0)
            buildRow(entry.item, gridRow);
        else
            buildLine(entry.line, gridRow);
        ++gridRow;
    }
    buildButtons(gridRow);
}

void ConfigurationDialog::buildHeadings() {
    for (int c = 0; c < 3; ++c) {
        headings[c] = new QLabel(tr(kHeadings[c]), this);
        headings[c]->setObjectName(QStringLiteral("ColumeName_%1").arg(c));
    }
    m_grid->addWidget(headings[0], kHeadingRow, kEnable, Qt::AlignHCenter);
    // The heading's digits stand above the two fault-count columns: each column ends where
    // its digit does, and its boxes sit at the column's right edge.
    m_grid->addWidget(headings[1], kHeadingRow, kOne, 1, 2, Qt::AlignLeft);
    const QFontMetrics metrics = headings[1]->fontMetrics();
    const QString heading = headings[1]->text();
    const int oneEnd =
        metrics.horizontalAdvance(heading.left(heading.indexOf(QLatin1Char('1')) + 1));
    m_grid->setColumnMinimumWidth(kOne, oneEnd);
    m_grid->setColumnMinimumWidth(kThree, metrics.horizontalAdvance(heading) - oneEnd -
                                              m_grid->horizontalSpacing());
    m_grid->addWidget(headings[2], kHeadingRow, kBeep, Qt::AlignHCenter);
}

void ConfigurationDialog::buildLine(int line, int gridRow) {
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setObjectName(QLatin1String(kLineNames[line]));
    m_lines[size_t(line)] = frame;
    m_grid->addWidget(frame, gridRow, 0, 1, kColumns);
}

void ConfigurationDialog::buildRow(int item, int gridRow) {
    captionLabels[item] = new QLabel(this);
    captionLabels[item]->setObjectName(QStringLiteral("lblItemName_%1").arg(item));
    // As built: monitored, warn at the first fault, beep; the load sets them from the settings.
    monitoredBoxes[item] = makeBox(this, "chkEnable", item, true);
    warnAtOnceBoxes[item] = makeBox(this, "chkWErr1", item, true);
    warnAfterThreeBoxes[item] = makeBox(this, "chkWErr3", item, false);
    beepBoxes[item] = makeBox(this, "ChkBeep", item, true);
    nameRow(item, ShownConfigCaption(item));
    placeRow(item, gridRow);
    connect(monitoredBoxes[item], &QCheckBox::toggled, this,
            [this, item] { monitoredToggled(item); });
    connect(warnAtOnceBoxes[item], &QCheckBox::toggled, this,
            [this, item](bool on) { faultCountChanged(item, !on); });
    connect(warnAfterThreeBoxes[item], &QCheckBox::toggled, this,
            [this, item](bool on) { faultCountChanged(item, on); });
    connect(beepBoxes[item], &QCheckBox::toggled, this, [this, item] { beepToggled(item); });
}

void ConfigurationDialog::buildButtons(int gridRow) {
    auto* buttons = new QHBoxLayout;
    // The grid packs its check boxes tight; the buttons keep the style's usual gap.
    buttons->setSpacing(fontMetrics().height() / 2);
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        okCancelButtons[i] = new QPushButton(tr(kButtons[i]), this);
        okCancelButtons[i]->setObjectName(QStringLiteral("cmdSelect_%1").arg(i));
        // Neither is the default: Enter presses whichever button has the focus, and nothing
        // while a check box has it.
        okCancelButtons[i]->setAutoDefault(true);
        buttons->addWidget(okCancelButtons[i]);
        connect(okCancelButtons[i], &QPushButton::clicked, this,
                [this, i] { press(ConfigurationButton(i)); });
    }
    buttons->addStretch();
    m_grid->addLayout(buttons, gridRow, 0, 1, kColumns);
    // The dialog keeps the size its grid asks for; that size must leave its title whole.
    m_grid->addItem(new QSpacerItem(WidthForTitle(this), 0), gridRow + 1, 0, 1, kColumns);
}

// The boxes have no text of their own; screen readers get the row and column instead.
void ConfigurationDialog::nameRow(int item, const QString& caption) {
    captionLabels[item]->setText(caption);
    monitoredBoxes[item]->setAccessibleName(tr("%1 Enable").arg(caption));
    warnAtOnceBoxes[item]->setAccessibleName(tr("%1 1 fault").arg(caption));
    warnAfterThreeBoxes[item]->setAccessibleName(tr("%1 3 faults").arg(caption));
    beepBoxes[item]->setAccessibleName(tr("%1 Beep").arg(caption));
}

Qt::Alignment ConfigurationDialog::alignmentOf(int column) {
    if (column == kCaption)
        return Qt::AlignLeft | Qt::AlignVCenter;
    if (column == kOne || column == kThree)
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignCenter;
}

std::array<QWidget*, 5> ConfigurationDialog::rowControls(int item) const {
    return {captionLabels[item], monitoredBoxes[item], warnAtOnceBoxes[item],
            warnAfterThreeBoxes[item], beepBoxes[item]};
}

void ConfigurationDialog::placeRow(int item, int gridRow) {
    const auto controls = rowControls(item);
    for (int c = 0; c < kColumns; ++c) {
        m_grid->removeWidget(controls[size_t(c)]);
        m_grid->addWidget(controls[size_t(c)], gridRow, c, alignmentOf(c));
    }
}

int ConfigurationDialog::gridRowOf(int item) const {
    const int index = m_grid->indexOf(captionLabels[item]);
    if (index < 0)
        return -1;
    int gridRow = 0, column = 0, rowSpan = 0, columnSpan = 0;
    m_grid->getItemPosition(index, &gridRow, &column, &rowSpan, &columnSpan);
    return gridRow;
}

// HMC has a single core voltage: the voltages below it close the gap of the missing one.
void ConfigurationDialog::closeVcoreBGap() {
    for (int i = 6; i >= 2; --i)
        placeRow(i, gridRowOf(i - 1));
}

void ConfigurationDialog::load() {
    const ChipModel* model = machine().chip.model();
    if (model && model->singleCoreVoltage) {
        nameRow(0, QStringLiteral("Vcore"));
        m_lines[kLine2]->hide();
        m_lines[kLinCaseOpen]->hide();
        closeVcoreBGap();
    }
    for (int i = 0; i < kItemCount; ++i)
        loadRow(i);
    m_logged = actions().now();
}

void ConfigurationDialog::showSwitchedOff(int item) {
    m_found.monitored[item] = 0;
    monitoredBoxes[item]->setChecked(false);
    warnAtOnceBoxes[item]->setVisible(false);
    warnAfterThreeBoxes[item]->setVisible(false);
    beepBoxes[item]->setVisible(false);
    const ItemActions::Snapshot now = actions().now();
    m_logged.monitored[item] = now.monitored[item];
    m_logged.warnAtOnce[item] = now.warnAtOnce[item];
    m_logged.warnAfterThree[item] = now.warnAfterThree[item];
    m_logged.beep[item] = now.beep[item];
}

void ConfigurationDialog::loadRow(int i) {
    const SettingsModel& s = machine().settings;
    m_found.monitored[i] = s.monitored[i];
    m_found.warnAtOnce[i] = s.warnAtOnce[i];
    m_found.warnAfterThree[i] = s.warnAfterThree[i];
    m_found.beep[i] = s.beep[i];
    // Each box is set from the setting as it stands at that moment: a change of an earlier
    // box may already have moved it. This is what mends a row whose fault options are both
    // set or both clear.
    monitoredBoxes[i]->setChecked(IsMonitored(s, i));
    warnAtOnceBoxes[i]->setChecked(WarnsAtOnce(s, i));
    warnAfterThreeBoxes[i]->setChecked(WarnsAfterThree(s, i));
    beepBoxes[i]->setChecked(Beeps(s, i));
    if (machine().chip.hasItem(i)) {
        captionLabels[i]->show();
        monitoredBoxes[i]->show();
        showRowBoxes(i);
    } else {
        for (QWidget* control : rowControls(i))
            control->hide();
    }
    actions().rememberBeep(i);
}

// The fault-count and beep boxes are offered only while the item is monitored, and beep
// only in one-fault mode on an input the chip can beep for.
void ConfigurationDialog::showRowBoxes(int i) {
    const bool on = monitoredBoxes[i]->isChecked();
    warnAtOnceBoxes[i]->setVisible(on);
    warnAfterThreeBoxes[i]->setVisible(on);
    beepBoxes[i]->setVisible(on && warnAtOnceBoxes[i]->isChecked() && beepCapable(i));
}

bool ConfigurationDialog::beepCapable(int i) const {
    return machine().chip.canBeep(i);
}

void ConfigurationDialog::refreshMainWindow() {
    if (m_dialogs.hasMain())
        m_dialogs.main().refreshItemEnabled();
}

void ConfigurationDialog::monitoredToggled(int i) {
    showRowBoxes(i);
    actions().setMonitored(i, monitoredBoxes[i]->isChecked());
    refreshMainWindow();
    if (KindOf(i) == ItemKind::Fan && FanIndex(i) < 2 && m_dialogs.hasMain())
        m_dialogs.main().refreshFans();
}

// The two fault-count boxes are one switch: the box that changed picks the mode, and the row
// shows what the mode did to the other box and the beep.
void ConfigurationDialog::faultCountChanged(int i, bool threeFaults) {
    if (m_switching[i])
        return;
    m_switching[i] = true;
    actions().setWarnAfterThree(i, threeFaults);
    const SettingsModel& s = machine().settings;
    warnAtOnceBoxes[i]->setChecked(WarnsAtOnce(s, i));
    warnAfterThreeBoxes[i]->setChecked(WarnsAfterThree(s, i));
    beepBoxes[i]->setChecked(Beeps(s, i));
    beepBoxes[i]->setVisible(!threeFaults && beepCapable(i));
    m_switching[i] = false;
}

void ConfigurationDialog::beepToggled(int i) {
    if (!m_switching[i])
        actions().setBeep(i, beepBoxes[i]->isChecked());
}

void ConfigurationDialog::press(ConfigurationButton button) {
    if (button == ConfigurationButton::Cancel) {
        actions().restore(m_found);
        refreshMainWindow();
    }
    close();
}

void ConfigurationDialog::reject() {
    close();
}

void ConfigurationDialog::closeEvent(QCloseEvent* event) {
    // Closing keeps the settings as they are, like OK. QDialog would route this through
    // reject(), which here closes again.
    actions().recordChanges(m_logged);
    m_logged = actions().now();
    event->accept();
}

} // namespace hmdx
