#pragma once

#include <QDialog>

class QPushButton;

namespace hmdx {

// Names the utility and its version.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout();
    QPushButton* cmdOk = nullptr;
};

} // namespace hmdx
