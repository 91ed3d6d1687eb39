#include "PlainWarningDialogs.h"

#include "monitor/ItemTable.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace hmdx {

PlainWarningDialogs::~PlainWarningDialogs() {
    for (auto& dialog : m_dialogs)
        delete dialog;
}

bool PlainWarningDialogs::isShown(int item) {
    return m_dialogs[item] && m_dialogs[item]->isVisible();
}

void PlainWarningDialogs::show(int item) {
    if (!m_dialogs[item])
        m_dialogs[item] = create(item);
    QDialog* dialog = m_dialogs[item];
    dialog->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
    dialog->show();
}

void PlainWarningDialogs::unload(int item) {
    delete m_dialogs[item];
}

QDialog* PlainWarningDialogs::create(int item) const {
    const ItemInfo& info = kItems[item];
    // No owner: a warning stands on its own, even while the main window is hidden.
    auto* dialog = new QDialog(nullptr);
    dialog->setObjectName(QString::fromUtf8(info.formName));
    dialog->setWindowTitle(QString::fromUtf8(info.warningCaption));
    const bool hmcVcore = item == 0 && m_m.model() && m_m.model()->model == Model::HMC;
    const std::string_view message = hmcVcore ? kHmcVcoreWarning : info.warningMessage;
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(QString::fromUtf8(message), dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::hide);
    layout->addWidget(buttons);
    return dialog;
}

} // namespace hmdx
