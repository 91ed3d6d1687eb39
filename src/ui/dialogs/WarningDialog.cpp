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
    Label1 = new QLabel(tr("Warning!"), this);
    QFont big(QStringLiteral("Sans Serif"), 18);
    Label1->setFont(big);
    Label1->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    Label2 = new QLabel(messageFor(forms.machine(), item), this);
    Label2->setObjectName(item == 0 ? QStringLiteral("lblWarning") : QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
    Label2->setWordWrap(true);
    // Read out as the dialog comes up, with the focus on a button.
    setAccessibleDescription(Label2->text());
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    for (int i = 0; i < 3; ++i) {
        Command[i] = new QPushButton(tr(kCaptions[i]), this);
        Command[i]->setAutoDefault(false);
        Tip[i] = new QLabel(tr(kTips[i]), this);
        Tip[i]->setBuddy(Command[i]);
        grid->addWidget(Command[i], 1 + i, 0);
        grid->addWidget(Tip[i], 1 + i, 1);
        connect(Command[i], &QPushButton::clicked, this, [this, i] { act(WarningAction(i)); });
    }
    grid->setColumnStretch(1, 1);
    Command[0]->setFocus();
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
        m_dialogs.shutdownSystem(m_item); // the warning stays, whatever the answer
        return;
    }
    const bool ignore = action == WarningAction::Ignore;
    if (m_item == kCaseOpenItem) {
        m_dialogs.openPassword(ignore ? PasswordAction::Ignore : PasswordAction::Disable);
        return;
    }
    m_dialogs.recordItemEvent(m_item, ignore ? "ignore" : "disable");
    if (ignore)
        m_dialogs.machine().state.faultCounts[m_item] = 0;
    else
        m_dialogs.disableItem(m_item);
    close();
}

} // namespace hmdx
