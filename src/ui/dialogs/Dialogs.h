// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AboutDialog.h"
#include "ConfigurationDialog.h"
#include "MainView.h"
#include "PasswordDialog.h"
#include "WarningDialog.h"
#include "monitor/Machine.h"
#include "monitor/WarningDispatch.h"
#include "platform/MessageBoxes.h"
#include "platform/PowerOff.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <string>

class QWidget;

namespace hmdx {

// The program's dialogs and how they reach each other and the main window. A dialog that is
// closed is destroyed; the next use builds it afresh, as it first stood.
class Dialogs : public QObject, public WarningDialogs {
    Q_OBJECT
public:
    Dialogs(Machine& m, MessageBoxes& boxes, PowerOff& power);
    ~Dialogs() override;

    // Connects the main window's Configuration and About entries.
    void attach(MainView& window);
    MainView& main() const { return *m_main; }
    bool hasMain() const { return m_mainWidget; }
    Machine& machine() const { return m_machine; }
    MessageBoxes& boxes() const { return m_boxes; }

    // The configuration dialog: built and filled from the settings on first use, shown only
    // by the menu.
    ConfigurationDialog* configIfLoaded() const { return m_config; }
    ConfigurationDialog& loadConfig();
    void openConfiguration();

    // The password prompt of the case-open warning.
    void openPassword(PasswordAction action);
    PasswordDialog* passwordIfLoaded() const { return m_password; }

    void openAbout();
    AboutDialog* aboutIfLoaded() const { return m_about; }

    WarningDialog* warningIfLoaded(int item) const { return m_warnings[item]; }
    bool isShown(int item) override;
    void show(int item) override;
    void takeDown(int item) override;
    // A desktop notification's action: the item's warning to the front, shown again if it was
    // ignored while the item is still out of range.
    void bringUpWarning(int item);

    // What the user does to an item, in the model.
    ItemActions& actions() const { return m_main->monitor().actions(); }
    // Item k was switched off by a warning's Disable: the main window and the configuration
    // dialog show it.
    void showDisabled(int k);
    PowerOff& power() const { return m_power; }

private:
    Machine& m_machine;
    MessageBoxes& m_boxes;
    PowerOff& m_power;
    MainView* m_main = nullptr;
    QPointer<QWidget> m_mainWidget; // whether the main window still exists
    QPointer<ConfigurationDialog> m_config;
    QPointer<PasswordDialog> m_password;
    QPointer<AboutDialog> m_about;
    std::array<QPointer<WarningDialog>, 16> m_warnings;
};

} // namespace hmdx
