// SPDX-License-Identifier: GPL-3.0-or-later
#include "PasswordDialog.h"

#include "Dialogs.h"
#include "chip/Items.h"
#include "monitor/ItemActions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdint>

namespace hmdx {
namespace {

constexpr char kWrongPassword[] =
    QT_TRANSLATE_NOOP("hmdx::Messages", "Input Password is not correct!");

} // namespace

PasswordDialog::PasswordDialog(Dialogs& forms) : QDialog(nullptr), m_dialogs(forms) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ConfirmPassword"));
    setWindowTitle(tr("Confirm Psssword"));
    auto* grid = new QGridLayout(this);
    promptLabel = new QLabel(tr("Input password:"), this);
    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("txtPasswd"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    passwordEdit->setMaxLength(kPasswordLength);
    promptLabel->setBuddy(passwordEdit);
    grid->addWidget(promptLabel, 0, 0);
    grid->addWidget(passwordEdit, 1, 0);
    // Both buttons share one cell; the hidden one takes no room, so the mode decides which
    // of them stands there.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        confirmButtons[i] = new QPushButton(tr("OK"), this);
        confirmButtons[i]->setAutoDefault(false);
        confirmButtons[i]->setDefault(false);
        buttons->addWidget(confirmButtons[i]);
        connect(confirmButtons[i], &QPushButton::clicked, this,
                [this, i] { confirm(PasswordAction(i)); });
    }
    grid->addLayout(buttons, 2, 0);
    // No default button, yet Enter in the box still confirms, as a keyboard user expects.
    connect(passwordEdit, &QLineEdit::returnPressed, this,
            [this] { confirmButtons[int(m_mode)]->click(); });
    setMode(PasswordAction::Ignore);
}

void PasswordDialog::setMode(PasswordAction action) {
    m_mode = action;
    const int shown = int(action);
    confirmButtons[shown]->setVisible(true);
    confirmButtons[1 - shown]->setVisible(false);
    passwordEdit->setFocus();
}

void PasswordDialog::confirm(PasswordAction i) {
    const bool ignore = i == PasswordAction::Ignore;
    if (!m_dialogs.actions().confirmCaseAction(ignore, passwordEdit->text())) {
        m_dialogs.boxes().inform(kWrongPassword);
        return;
    }
    close(); // deleted later, so the rest still runs
    if (!ignore)
        m_dialogs.showDisabled(kCaseOpenItem);
    m_dialogs.takeDown(kCaseOpenItem);
}

} // namespace hmdx
