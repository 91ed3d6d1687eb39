// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtMessageBoxes.h"

#include "support/QtApp.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace hmdx::test {
namespace {

// A folder named "<b>x</b> <a href=...>" is shown as typed, not bold and not as a link.
TEST(QtMessageBoxes, ShowFileNamesAsTyped) {
    QtApp();
    QtMessageBoxes boxes;
    for (const bool question : {false, true}) {
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&format] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    format = box->textFormat();
                    box->reject();
                }
        });
        const std::string text = "/home/u/<b>x</b> <a href=\"file:///etc\">y</a>";
        question ? (void)boxes.askYesNo(text, {}) : boxes.inform(text);
        EXPECT_EQ(format, Qt::PlainText) << question;
    }
}

} // namespace
} // namespace hmdx::test
