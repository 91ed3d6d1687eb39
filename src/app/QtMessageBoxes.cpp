// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

namespace hmdx {
namespace {

// The fixed messages and titles are translated as they are shown; the others come translated.
QString shown(const std::string& text) {
    return QCoreApplication::translate("hmdx::Messages", text.c_str());
}

QString titleOrDefault(const std::string& title) {
    return shown(title.empty() ? std::string(kApplicationTitle) : title);
}

} // namespace

void QtMessageBoxes::inform(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), shown(text), QMessageBox::Ok);
    box.exec();
}

bool QtMessageBoxes::askYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), shown(text),
                    QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace hmdx
