// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace hmdx {

class Dialogs;

// What the password lets through: the case-open warning's Ignore or its Disable.
enum class PasswordAction { Ignore, Disable };

// "Confirm Psssword": guards the case-open warning's Ignore and Disable.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(Dialogs& forms);

    // Shows the OK button of `action` and hides the other; the typed text stays.
    void setMode(PasswordAction action);
    PasswordAction mode() const { return m_mode; }

    // One of the two OK buttons pressed.
    void confirm(PasswordAction action);

    QLabel* promptLabel = nullptr;
    QLineEdit* passwordEdit = nullptr;
    std::array<QPushButton*, 2> confirmButtons{};

private:
    Dialogs& m_dialogs;
    PasswordAction m_mode = PasswordAction::Ignore;
};

} // namespace hmdx
