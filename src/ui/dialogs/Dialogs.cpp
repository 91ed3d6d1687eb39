// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"

#include "AboutDialog.h"
#include "ConfigurationDialog.h"
#include "PasswordDialog.h"
#include "WarningDialog.h"
#include "ui/ScreenPlacement.h"

#include <QAction>
#include <QCheckBox>

namespace hmdx {
namespace {

void bringUp(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

Dialogs::Dialogs(Machine& m, MessageBoxes& boxes, PowerOff& power)
    : m_machine(m), m_boxes(boxes), m_power(power) {}

Dialogs::~Dialogs() {
    for (auto& warning : m_warnings)
        delete warning;
    delete m_password;
    delete m_config;
    delete m_about;
}

void Dialogs::attach(MainView& window) {
    m_main = &window;
    m_mainWidget = window.widget();
    connect(window.configureAction(), &QAction::triggered, this, &Dialogs::openConfiguration);
    connect(window.aboutAction(), &QAction::triggered, this, &Dialogs::openAbout);
}

ConfigurationDialog& Dialogs::loadConfig() {
    if (!m_config) {
        m_config = new ConfigurationDialog(*this);
        m_config->load();
        CentreOnScreen(m_config);
    }
    return *m_config;
}

void Dialogs::openConfiguration() {
    bringUp(&loadConfig());
}

void Dialogs::openPassword(PasswordAction mode) {
    if (!m_password) {
        m_password = new PasswordDialog(*this);
        CentreOnScreen(m_password);
    }
    m_password->setMode(mode);
    bringUp(m_password);
}

void Dialogs::openAbout() {
    if (!m_about)
        m_about = new AboutDialog;
    PlaceOnScreen(m_about);
    bringUp(m_about);
}

bool Dialogs::isShown(int item) {
    return m_warnings[item] && m_warnings[item]->isVisible();
}

void Dialogs::show(int item) {
    if (!m_warnings[item])
        m_warnings[item] = new WarningDialog(*this, item);
    CentreOnScreen(m_warnings[item]);
    m_warnings[item]->show();
}

void Dialogs::takeDown(int item) {
    // Closing deletes the dialog once control is back in the event loop, so taking one down
    // reached from the dialog's own button is safe.
    if (WarningDialog* dialog = m_warnings[item]) {
        m_warnings[item] = nullptr;
        dialog->close();
    }
}

void Dialogs::bringUpWarning(int item) {
    if (item < 0 || item >= kItemCount)
        return;
    if (!m_warnings[item] && !m_machine.state.alarm[item])
        return;
    if (!isShown(item))
        show(item);
    bringUp(m_warnings[item]);
}

void Dialogs::showDisabled(int k) {
    if (hasMain())
        main().refreshItemEnabled();
    // A configuration dialog that is not loaded is loaded hidden; its Load then finds the
    // item off and does the rest.
    loadConfig().showSwitchedOff(k);
}

} // namespace hmdx
