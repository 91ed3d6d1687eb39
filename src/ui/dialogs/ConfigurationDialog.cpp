// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigurationDialog.h"

#include "Dialogs.h"
#include "monitor/ItemTable.h"
#include "monitor/MachineControl.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

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

uint8_t bit(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

QCheckBox* makeBox(QWidget* parent, const char* name, int item, bool checked) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(item));
    box->setChecked(checked);
    return box;
}

} // namespace

ConfigurationDialog::ConfigurationDialog(Dialogs& forms) : QDialog(nullptr), m_dialogs(forms) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ConfigurationDialog"));
    setWindowTitle(tr("Monitoring Config."));
    buildGrid();
}

Machine& ConfigurationDialog::machine() const {
    return m_dialogs.machine();
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
        columnHeadings[c] = new QLabel(tr(kHeadings[c]), this);
        columnHeadings[c]->setObjectName(QStringLiteral("ColumeName_%1").arg(c));
    }
    m_grid->addWidget(columnHeadings[0], kHeadingRow, kEnable, Qt::AlignHCenter);
    // The heading's digits stand above the two fault-count columns: each column ends where
    // its digit does, and its boxes sit at the column's right edge.
    m_grid->addWidget(columnHeadings[1], kHeadingRow, kOne, 1, 2, Qt::AlignLeft);
    const QFontMetrics metrics = columnHeadings[1]->fontMetrics();
    const QString heading = columnHeadings[1]->text();
    const int oneEnd =
        metrics.horizontalAdvance(heading.left(heading.indexOf(QLatin1Char('1')) + 1));
    m_grid->setColumnMinimumWidth(kOne, oneEnd);
    m_grid->setColumnMinimumWidth(kThree, metrics.horizontalAdvance(heading) - oneEnd -
                                              m_grid->horizontalSpacing());
    m_grid->addWidget(columnHeadings[2], kHeadingRow, kBeep, Qt::AlignHCenter);
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
    lblItemName[item] = new QLabel(this);
    lblItemName[item]->setObjectName(QStringLiteral("lblItemName_%1").arg(item));
    // Design state: monitored, warn at the first fault, beep.
    chkEnable[item] = makeBox(this, "chkEnable", item, true);
    chkWErr1[item] = makeBox(this, "chkWErr1", item, true);
    chkWErr3[item] = makeBox(this, "chkWErr3", item, false);
    ChkBeep[item] = makeBox(this, "ChkBeep", item, true);
    nameRow(item, QString::fromUtf8(kItems[item].configCaption));
    placeRow(item, gridRow);
    connect(chkEnable[item], &QCheckBox::toggled, this, [this, item] { monitoredToggled(item); });
    connect(chkWErr1[item], &QCheckBox::toggled, this,
            [this, item](bool on) { faultCountChanged(item, !on); });
    connect(chkWErr3[item], &QCheckBox::toggled, this,
            [this, item](bool on) { faultCountChanged(item, on); });
    connect(ChkBeep[item], &QCheckBox::toggled, this, [this, item] { beepToggled(item); });
}

void ConfigurationDialog::buildButtons(int gridRow) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        cmdSelect[i] = new QPushButton(tr(kButtons[i]), this);
        cmdSelect[i]->setObjectName(QStringLiteral("cmdSelect_%1").arg(i));
        // Neither is the default: Enter presses whichever button has the focus, and nothing
        // while a check box has it.
        cmdSelect[i]->setAutoDefault(true);
        buttons->addWidget(cmdSelect[i]);
        connect(cmdSelect[i], &QPushButton::clicked, this,
                [this, i] { press(ConfigurationButton(i)); });
    }
    buttons->addStretch();
    m_grid->addLayout(buttons, gridRow, 0, 1, kColumns);
}

// The boxes have no text of their own; screen readers get the row and column instead.
void ConfigurationDialog::nameRow(int item, const QString& caption) {
    lblItemName[item]->setText(caption);
    chkEnable[item]->setAccessibleName(tr("%1 Enable").arg(caption));
    chkWErr1[item]->setAccessibleName(tr("%1 1 fault").arg(caption));
    chkWErr3[item]->setAccessibleName(tr("%1 3 faults").arg(caption));
    ChkBeep[item]->setAccessibleName(tr("%1 Beep").arg(caption));
}

Qt::Alignment ConfigurationDialog::alignmentOf(int column) {
    if (column == kCaption)
        return Qt::AlignLeft | Qt::AlignVCenter;
    if (column == kOne || column == kThree)
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignCenter;
}

std::array<QWidget*, 5> ConfigurationDialog::rowControls(int item) const {
    return {lblItemName[item], chkEnable[item], chkWErr1[item], chkWErr3[item], ChkBeep[item]};
}

void ConfigurationDialog::placeRow(int item, int gridRow) {
    const auto controls = rowControls(item);
    for (int c = 0; c < kColumns; ++c) {
        m_grid->removeWidget(controls[size_t(c)]);
        m_grid->addWidget(controls[size_t(c)], gridRow, c, alignmentOf(c));
    }
}

int ConfigurationDialog::gridRowOf(int item) const {
    const int index = m_grid->indexOf(lblItemName[item]);
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
    m_logged = switchesNow();
}

void ConfigurationDialog::keepSwitchedOff(int item) {
    m_found.enabled[item] = 0;
}

void ConfigurationDialog::takeAsLogged(int item) {
    const Switches now = switchesNow();
    m_logged.enabled[item] = now.enabled[item];
    m_logged.warnOpt1[item] = now.warnOpt1[item];
    m_logged.warnOpt3[item] = now.warnOpt3[item];
    m_logged.beep[item] = now.beep[item];
}

ConfigurationDialog::Switches ConfigurationDialog::switchesNow() const {
    const SettingsModel& s = machine().settings;
    return {s.ItemEnabled, s.ItemWarnOpt1, s.ItemWarnOpt3, s.ItemBeep};
}

// One event for everything this visit changed, item by item: "+5V: beep off -> on".
void ConfigurationDialog::recordChanges() {
    const Switches now = switchesNow();
    if (now == m_logged)
        return;
    static constexpr const char* kNames[4] = {"monitor", "warn at once", "warn after 3", "beep"};
    const ItemBytes Switches::*fields[4] = {&Switches::enabled, &Switches::warnOpt1,
                                            &Switches::warnOpt3, &Switches::beep};
    std::string detail;
    for (int i = 0; i < kItemCount; ++i)
        for (int f = 0; f < 4; ++f) {
            const int was = (m_logged.*fields[f])[i], is = (now.*fields[f])[i];
            if (was == is)
                continue;
            detail += (detail.empty() ? "" : "; ") + std::string(kItems[i].configCaption) + ": " +
                      kNames[f] + (is ? " off -> on" : " on -> off");
        }
    m_logged = now;
    machine().events.record({.event = "configuration changed", .detail = detail});
}

void ConfigurationDialog::loadRow(int i) {
    SettingsModel& s = machine().settings;
    m_found.enabled[i] = s.ItemEnabled[i];
    m_found.warnOpt1[i] = s.ItemWarnOpt1[i];
    m_found.warnOpt3[i] = s.ItemWarnOpt3[i];
    m_found.beep[i] = s.ItemBeep[i];
    // Each box is set from the setting as it stands at that moment: a change of an earlier
    // box may already have moved it. This is what mends a row whose fault options are both
    // set or both clear.
    chkEnable[i]->setChecked(s.ItemEnabled[i] == 1);
    chkWErr1[i]->setChecked(s.ItemWarnOpt1[i] == 1);
    chkWErr3[i]->setChecked(s.ItemWarnOpt3[i] == 1);
    ChkBeep[i]->setChecked(s.ItemBeep[i] == 1);
    if (machine().chip.hasItem(i)) {
        lblItemName[i]->show();
        chkEnable[i]->show();
        showRowBoxes(i);
    } else {
        for (QWidget* control : rowControls(i))
            control->hide();
    }
    RememberedBeep[i] = s.ItemBeep[i];
}

// The fault-count and beep boxes are offered only while the item is monitored, and beep
// only in one-fault mode on an input the chip can beep for.
void ConfigurationDialog::showRowBoxes(int i) {
    const bool on = chkEnable[i]->isChecked();
    chkWErr1[i]->setVisible(on);
    chkWErr3[i]->setVisible(on);
    ChkBeep[i]->setVisible(on && chkWErr1[i]->isChecked() && beepCapable(i));
}

bool ConfigurationDialog::beepCapable(int i) const {
    return machine().chip.canBeep(i);
}

void ConfigurationDialog::refreshMainWindow() {
    if (m_dialogs.hasMain())
        m_dialogs.main().refreshItemEnabled();
}

void ConfigurationDialog::monitoredToggled(int i) {
    const bool on = chkEnable[i]->isChecked();
    showRowBoxes(i);
    if (!on && m_dialogs.hasMain())
        m_dialogs.main().monitor().dispatch().reportInRange(i);
    machine().settings.ItemEnabled[i] = on ? 1 : 0;
    refreshMainWindow();
    ProgramBeeps(machine());
    // The first two fans' limit rows are read again from the chip; the third's never were.
    if ((i == kFirstFanItem || i == kFirstFanItem + 1) && m_dialogs.hasMain())
        m_dialogs.main().reloadFans();
}

// The two fault-count boxes are one switch: the box that changed picks the mode and the
// other follows. The chip beeps at the first bad reading, which three-fault mode means to
// tolerate, so that mode turns the beep off and remembers it for the way back.
void ConfigurationDialog::faultCountChanged(int i, bool threeFaults) {
    if (m_switching[i])
        return;
    const bool beepBefore = ChkBeep[i]->isChecked();
    m_switching[i] = true;
    chkWErr1[i]->setChecked(!threeFaults);
    chkWErr3[i]->setChecked(threeFaults);
    m_switching[i] = false;
    if (threeFaults) {
        RememberedBeep[i] = beepBefore ? 1 : 0;
        ChkBeep[i]->setChecked(false);
        ChkBeep[i]->hide();
    } else {
        ChkBeep[i]->setChecked(RememberedBeep[i] == 1);
        ChkBeep[i]->setVisible(beepCapable(i));
    }
    SettingsModel& s = machine().settings;
    s.ItemWarnOpt1[i] = bit(chkWErr1[i]);
    s.ItemWarnOpt3[i] = bit(chkWErr3[i]);
    s.ItemBeep[i] = bit(ChkBeep[i]);
    ProgramBeeps(machine());
}

void ConfigurationDialog::beepToggled(int i) {
    machine().settings.ItemBeep[i] = bit(ChkBeep[i]);
    ProgramBeeps(machine());
}

void ConfigurationDialog::press(ConfigurationButton button) {
    if (button == ConfigurationButton::Cancel) {
        SettingsModel& s = machine().settings;
        for (int k = 0; k < kItemCount; ++k) {
            s.ItemEnabled[k] = m_found.enabled[k];
            s.ItemWarnOpt1[k] = m_found.warnOpt1[k];
            s.ItemWarnOpt3[k] = m_found.warnOpt3[k];
            s.ItemBeep[k] = m_found.beep[k];
        }
        refreshMainWindow();
        ProgramBeeps(machine());
    }
    close();
}

void ConfigurationDialog::reject() {
    close();
}

void ConfigurationDialog::closeEvent(QCloseEvent* event) {
    // Closing keeps the settings as they are, like OK. QDialog would route this through
    // reject(), which here closes again.
    recordChanges();
    event->accept();
}

} // namespace hmdx
