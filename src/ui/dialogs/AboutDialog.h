// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

namespace hmdx {

// Names the utility and its version.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog();
    QPushButton* okButton = nullptr;
};

} // namespace hmdx
