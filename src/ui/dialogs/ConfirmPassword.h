#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace hmdx {

class Forms;

// "Confirm Psssword": guards the case-open warning's Ignore (mode 0) and Disable (mode 1).
class ConfirmPassword : public QDialog {
    Q_OBJECT
public:
    explicit ConfirmPassword(Forms& forms);

    // Shows the OK button of `mode` and hides the other; the typed text stays.
    void setMode(int mode);
    int mode() const;

    void cmdOk_Click(int i);

    QLabel* Label1 = nullptr;
    QLineEdit* txtPasswd = nullptr;
    std::array<QPushButton*, 2> cmdOk{};

private:
    void clearCaseLatch();

    Forms& m_forms;
    int m_mode = 0;
};

// The typed text fitted to 8 characters (blank padded or cut) equals the stored password,
// case-sensitive. Takes the same time whichever character differs.
bool PasswordMatches(const std::array<char, 8>& stored, const QString& typed);

} // namespace hmdx
