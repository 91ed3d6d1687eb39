// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace hmdx {

class Dialogs;

// A warning's buttons, left to right.
enum class WarningAction { Ignore, Disable, ShutDown };

// The warning of one monitored item: its message and three actions, Ignore, Disable and
// Shut Down. The case-open warning asks for the password before Ignore and Disable act, and
// tells the main window the case is open for as long as it is loaded.
class WarningDialog : public QDialog {
    Q_OBJECT
public:
    WarningDialog(Dialogs& forms, int item);

    int item() const { return m_item; }
    void act(WarningAction action);

    QLabel* headlineLabel = nullptr;
    QLabel* messageLabel = nullptr;
    std::array<QPushButton*, 3> actionButtons{};
    std::array<QLabel*, 3> actionTips{};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setCaseShown(bool open);

    Dialogs& m_dialogs;
    int m_item;
};

} // namespace hmdx
