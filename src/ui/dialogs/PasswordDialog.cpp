// SPDX-License-Identifier: GPL-3.0-or-later
#include "PasswordDialog.h"

#include "Dialogs.h"
#include "chip/Items.h"
#include "monitor/MachineControl.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdint>

namespace hmdx {
namespace {

constexpr int kPasswordLength = 8;
constexpr char kWrongPassword[] =
    QT_TRANSLATE_NOOP("hmdx::Messages", "Input Password is not correct!");

} // namespace

bool PasswordMatches(const std::array<char, 8>& stored, const QString& typed) {
    // The data file holds single-byte text. toLatin1 turns any other character into '?',
    // which would let it stand for a stored '?'; such a character is therefore a mismatch.
    const QString fitted = typed.left(kPasswordLength);
    unsigned diff = 0;
    for (const QChar c : fitted)
        diff |= c.unicode() > 0xFF ? 1u : 0u;
    std::array<char, 8> entry;
    entry.fill(' ');
    const QByteArray bytes = fitted.toLatin1();
    std::copy_n(bytes.constData(), bytes.size(), entry.begin());
    // No early exit: the time taken must not tell how many leading characters were right.
    for (std::size_t i = 0; i < entry.size(); ++i)
        diff |=
            static_cast<unsigned>(static_cast<uint8_t>(stored[i]) ^ static_cast<uint8_t>(entry[i]));
    return diff == 0;
}

PasswordDialog::PasswordDialog(Dialogs& forms) : QDialog(nullptr), m_dialogs(forms) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(tr("Confirm Psssword"));
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(tr("Input password:"), this);
    txtPasswd = new QLineEdit(this);
    txtPasswd->setObjectName(QStringLiteral("txtPasswd"));
    txtPasswd->setEchoMode(QLineEdit::Password);
    txtPasswd->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    txtPasswd->setMaxLength(kPasswordLength);
    Label1->setBuddy(txtPasswd);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtPasswd, 1, 0);
    // Both buttons share one cell; the hidden one takes no room, so the mode decides which
    // of them stands there.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 2; ++i) {
        cmdOk[i] = new QPushButton(tr("OK"), this);
        cmdOk[i]->setAutoDefault(false);
        cmdOk[i]->setDefault(false);
        buttons->addWidget(cmdOk[i]);
        connect(cmdOk[i], &QPushButton::clicked, this, [this, i] { confirm(PasswordAction(i)); });
    }
    grid->addLayout(buttons, 2, 0);
    // No default button, yet Enter in the box still confirms, as a keyboard user expects.
    connect(txtPasswd, &QLineEdit::returnPressed, this, [this] { cmdOk[int(m_mode)]->click(); });
    setMode(PasswordAction::Ignore);
}

void PasswordDialog::setMode(PasswordAction action) {
    m_mode = action;
    const int shown = int(action);
    cmdOk[shown]->setVisible(true);
    cmdOk[1 - shown]->setVisible(false);
    txtPasswd->setFocus();
}

void PasswordDialog::confirm(PasswordAction i) {
    const bool ignore = i == PasswordAction::Ignore;
    Machine& m = m_dialogs.machine();
    const char* action = ignore ? "ignore" : "disable";
    if (!PasswordMatches(m.settings.Password, txtPasswd->text())) {
        m_dialogs.recordItemEvent(kCaseOpenItem, "password refused", action, true);
        m_dialogs.boxes().inform(kWrongPassword);
        return;
    }
    m_dialogs.recordItemEvent(kCaseOpenItem, "password accepted", action);
    m_dialogs.recordItemEvent(kCaseOpenItem, action);
    close(); // deleted later, so the rest still runs
    ClearCaseOpened(m_dialogs.machine());
    if (ignore)
        m.state.faultCounts[kCaseOpenItem] = 0;
    else
        m_dialogs.disableItem(kCaseOpenItem);
    m_dialogs.unload(kCaseOpenItem);
}

} // namespace hmdx
