// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chip/Items.h"

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
    // A switch changed outside the dialog (a warning's Disable) has an event of its own:
    // closing the dialog does not log it again.
    void takeAsLogged(int item);
    // An item switched off outside the dialog (a warning's Disable) stays off on Cancel.
    void keepSwitchedOff(int item);

    std::array<QLabel*, 16> lblItemName{};
    std::array<QCheckBox*, 16> chkEnable{};
    std::array<QCheckBox*, 16> chkWErr1{};
    std::array<QCheckBox*, 16> chkWErr3{};
    std::array<QCheckBox*, 16> ChkBeep{};
    std::array<QLabel*, 3> columnHeadings{};
    std::array<QPushButton*, 2> cmdSelect{};
    std::array<int16_t, 17> RememberedBeep{};

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
    // The switches as last logged; closing logs what changed since.
    struct Switches {
        ItemBytes enabled, warnOpt1, warnOpt3, beep;
        bool operator==(const Switches&) const = default;
    };
    Switches switchesNow() const;
    void recordChanges();
    Switches m_logged{};
    // The switches as the dialog found them when it loaded: what Cancel puts back.
    Switches m_found{};

    Dialogs& m_dialogs;
    QGridLayout* m_grid = nullptr;
    std::array<QFrame*, 6> m_lines{}; // Line1..Line5, LinCaseOpen
    // Set while a fault-count switch moves the row's other box, so that box's own change
    // does not start a second switch.
    std::array<bool, 16> m_switching{};
};

} // namespace hmdx
