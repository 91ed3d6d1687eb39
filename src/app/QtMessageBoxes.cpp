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

// Messages carry file names and program output: text, never markup or links.
int show(const std::string& text, const std::string& title, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), shown(text), buttons);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

} // namespace

void QtMessageBoxes::inform(const std::string& text, const std::string& title) {
    show(text, title, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(const std::string& text, const std::string& title) {
    return show(text, title, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace hmdx
