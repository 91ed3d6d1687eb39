// SPDX-License-Identifier: GPL-3.0-or-later
#include "WarningDialog.h"

#include "Dialogs.h"
#include "monitor/ItemTable.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace hmdx {
namespace {

constexpr const char* kCaptions[3] = {QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Ignore"),
                                      QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Disable"),
                                      QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Shut Down")};
constexpr const char* kTips[3] = {
    QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Ignore this Warning Message."),
    QT_TRANSLATE_NOOP("hmdx::WarningDialog", "No more monitor this item"),
    QT_TRANSLATE_NOOP("hmdx::WarningDialog", "Exit Windows")};

QString messageFor(const Machine& m, int item) {
    const bool singleVcore = item == 0 && m.chip.model() && m.chip.model()->singleCoreVoltage;
    return WarningDialog::tr(
        (singleVcore ? kSingleVcoreWarning : kItems[item].warningMessage).data());
}

} // namespace

WarningDialog::WarningDialog(Dialogs& forms, int item)
    : QDialog(nullptr), m_dialogs(forms), m_item(item) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QString::fromUtf8(kItems[item].formName));
    setWindowTitle(tr(kItems[item].warningCaption.data()));
    auto* grid = new QGridLayout(this);
    headlineLabel = new QLabel(tr("Warning!"), this);
    QFont big(QStringLiteral("Sans Serif"), 18);
    headlineLabel->setFont(big);
    headlineLabel->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    messageLabel = new QLabel(messageFor(forms.machine(), item), this);
    messageLabel->setObjectName(item == 0 ? QStringLiteral("lblWarning")
                                          : QStringLiteral("Label2"));
    messageLabel->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
    messageLabel->setWordWrap(true);
    // Read out as the dialog comes up, with the focus on a button.
    setAccessibleDescription(messageLabel->text());
    grid->addWidget(headlineLabel, 0, 0);
    grid->addWidget(messageLabel, 0, 1);
    for (int i = 0; i < 3; ++i) {
        actionButtons[i] = new QPushButton(tr(kCaptions[i]), this);
        actionButtons[i]->setAutoDefault(false);
        actionTips[i] = new QLabel(tr(kTips[i]), this);
        actionTips[i]->setBuddy(actionButtons[i]);
        grid->addWidget(actionButtons[i], 1 + i, 0);
        grid->addWidget(actionTips[i], 1 + i, 1);
        connect(actionButtons[i], &QPushButton::clicked, this,
                [this, i] { act(WarningAction(i)); });
    }
    grid->setColumnStretch(1, 1);
    actionButtons[0]->setFocus();
    if (item == kCaseOpenItem)
        setCaseShown(true);
}

void WarningDialog::closeEvent(QCloseEvent* event) {
    // Unloading the case-open warning, by whatever road, tells the window the case is shut;
    // the next poll sets the label from the chip again.
    if (m_item == kCaseOpenItem)
        setCaseShown(false);
    QDialog::closeEvent(event);
}

void WarningDialog::setCaseShown(bool open) {
    if (m_dialogs.hasMain())
        m_dialogs.main().showCaseOpen(open);
}

void WarningDialog::act(WarningAction action) {
    if (action == WarningAction::ShutDown) {
        // The warning stays, whatever the answer.
        m_dialogs.actions().shutDown(m_item, m_dialogs.boxes(), m_dialogs.power());
        return;
    }
    const bool ignore = action == WarningAction::Ignore;
    if (m_item == kCaseOpenItem) {
        m_dialogs.openPassword(ignore ? PasswordAction::Ignore : PasswordAction::Disable);
        return;
    }
    if (ignore) {
        m_dialogs.actions().ignore(m_item);
    } else {
        m_dialogs.actions().disable(m_item);
        m_dialogs.showDisabled(m_item);
    }
    close();
}

} // namespace hmdx
