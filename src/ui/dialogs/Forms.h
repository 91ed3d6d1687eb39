#pragma once

#include "ConfirmPassword.h"
#include "WarningDialog.h"
#include "chip/Module1.h"
#include "frmAbout.h"
#include "frmConfig.h"
#include "monitor/WarningDispatch.h"
#include "platform/MessageBoxes.h"
#include "platform/PowerOff.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <string>

class QWidget;

namespace hmdx {

class frmdoctor;

// The program's dialogs and how they reach each other and the main window. A dialog that is
// closed is unloaded (destroyed); the next use loads it afresh from its design state.
class Forms : public QObject, public WarningDialogs {
    Q_OBJECT
public:
    Forms(Module1& m, MessageBoxes& boxes, PowerOff& power);
    ~Forms() override;

    // Connects the main window's Configuration and About entries.
    void attach(frmdoctor& window);
    frmdoctor& main() const;
    bool hasMain() const { return m_main; }
    Module1& module() const { return m_m; }
    MessageBoxes& boxes() const { return m_boxes; }

    // The configuration dialog: loaded (its Load run) on first use, shown only by the menu.
    frmConfig* configIfLoaded() const { return m_config; }
    frmConfig& loadConfig();
    void mConfigure_Click();

    // The password prompt of the case-open warning: mode 0 Ignore, 1 Disable.
    void openPassword(int mode);
    ConfirmPassword* passwordIfLoaded() const { return m_password; }

    void mAbout_Click();
    frmAbout* aboutIfLoaded() const { return m_about; }

    WarningDialog* warningIfLoaded(int item) const { return m_warnings[item]; }
    bool isShown(int item) override;
    void show(int item) override;
    void unload(int item) override;

    // Stops monitoring item k: the Disable action of a warning (steps shared with the
    // password prompt's Disable).
    void disableItem(int k);
    // The Shut Down action of item's warning.
    void shutdownSystem(int item);
    // An event of item as its row shows it now.
    void recordItemEvent(int item, const char* what, std::string detail = {}, bool warning = false);

private:
    Module1& m_m;
    MessageBoxes& m_boxes;
    PowerOff& m_power;
    QPointer<frmdoctor> m_main;
    QPointer<frmConfig> m_config;
    QPointer<ConfirmPassword> m_password;
    QPointer<frmAbout> m_about;
    std::array<QPointer<WarningDialog>, 16> m_warnings;
};

// Places a dialog at the centre of the screen.
void CentreOnScreen(QWidget* dialog);

} // namespace hmdx
