// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMessageBoxes.h"

#include <QMessageBox>
#include <QString>

namespace hmdx {
namespace {

QString titleOrDefault(const std::string& title) {
    return QString::fromStdString(title.empty() ? std::string(kApplicationTitle) : title);
}

} // namespace

void QtMessageBoxes::inform(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

bool QtMessageBoxes::askYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace hmdx
