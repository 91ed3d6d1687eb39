// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/Items.h"
#include "monitor/ItemActions.h"

#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QCloseEvent;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace hmdx {

class Dialogs;

enum class ConfigurationButton { Ok, Cancel };
class Machine;

// "Monitoring Config.": per item, whether it is monitored, after one or three faults it
// warns, and whether the chip beeps for it. Every click takes effect at once; Cancel puts
// back what the settings held when the dialog was loaded.
class ConfigurationDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConfigurationDialog(Dialogs& forms);

    // Takes the snapshot and sets the boxes from the settings. Runs once, when loaded.
    void load();
    // An item switched off outside the dialog (a warning's Disable): its boxes show it, it
    // stays off on Cancel, and closing does not log again what has an event of its own.
    void showSwitchedOff(int item);

    std::array<QLabel*, 16> captionLabels{};
    std::array<QCheckBox*, 16> monitoredBoxes{};
    std::array<QCheckBox*, 16> warnAtOnceBoxes{};
    std::array<QCheckBox*, 16> warnAfterThreeBoxes{};
    std::array<QCheckBox*, 16> beepBoxes{};
    std::array<QLabel*, 3> headings{};
    std::array<QPushButton*, 2> okCancelButtons{};

    void press(ConfigurationButton button);

    // Grid row where item i's controls stand (for layout checks).
    int gridRowOf(int item) const;

    // Escape keeps the changes, like the window's close control: only Cancel undoes them.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static Qt::Alignment alignmentOf(int column);
    void buildGrid();
    void buildHeadings();
    void buildLine(int line, int gridRow);
    void buildRow(int item, int gridRow);
    void buildButtons(int gridRow);
    void nameRow(int item, const QString& caption);
    std::array<QWidget*, 5> rowControls(int item) const; // by column, caption first
    void placeRow(int item, int gridRow);
    void closeVcoreBGap();
    void loadRow(int i);
    void showRowBoxes(int i);

    void monitoredToggled(int i);
    void faultCountChanged(int i, bool threeFaults);
    void beepToggled(int i);

    bool beepCapable(int i) const;
    void refreshMainWindow();
    Machine& machine() const;
    ItemActions& actions() const;
    // The switches as last logged; closing logs what changed since.
    ItemActions::Snapshot m_logged{};
    // The switches as the dialog found them when it loaded: what Cancel puts back.
    ItemActions::Snapshot m_found{};

    Dialogs& m_dialogs;
    QGridLayout* m_grid = nullptr;
    std::array<QFrame*, 6> m_lines{}; // Line1..Line5, LinCaseOpen
    // Set while a fault-count switch redraws the row's other boxes, so that their own changes
    // do not start a second switch.
    std::array<bool, 16> m_switching{};
};

} // namespace hmdx
