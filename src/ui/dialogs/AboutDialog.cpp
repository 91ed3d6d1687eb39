// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hmdx {

AboutDialog::AboutDialog() : QDialog(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Hardware Monitor"));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(tr("r810/hmdx Hardware Monitor Product Utility"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(255, 0, 255); }"));
    auto* inside = new QVBoxLayout(frame);
    auto* name = new QLabel(tr("Hardware Monitor for NT/Win2000"), frame);
    name->setObjectName(QStringLiteral("Label2"));
    name->setFont(QFont(QStringLiteral("Serif"), 14));
    name->setStyleSheet(QStringLiteral("color: black;"));
    auto* version = new QLabel(tr("Version 1.0.0"), frame);
    version->setObjectName(QStringLiteral("Label4"));
    version->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
    inside->addWidget(name);
    inside->addWidget(version);
    layout->addWidget(frame);
    auto* notice =
        new QLabel(tr("Watches the board's voltages, fans, temperatures and case switch."), this);
    notice->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(notice);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setDefault(true);
    layout->addWidget(okButton, 0, Qt::AlignRight);
    connect(okButton, &QPushButton::clicked, this, &QDialog::close);
}

} // namespace hmdx
