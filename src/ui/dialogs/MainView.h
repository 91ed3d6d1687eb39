// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/Monitor.h"

class QAction;
class QWidget;

namespace hmdx {

// What the dialogs ask of the main window: its monitor, and the parts of the rows that follow
// a dialog's action at once.
class MainView {
public:
    virtual ~MainView() = default;
    virtual QWidget* widget() = 0;
    virtual Monitor& monitor() = 0;
    // A monitored item shows its whole row; an unmonitored one keeps only its name, greyed.
    virtual void refreshItemEnabled() = 0;
    // The fan rows drawn again (their limits were read again from the chip).
    virtual void refreshFans() = 0;
    // The case-open warning's say on the case line while it is up.
    virtual void showCaseOpen(bool open) = 0;
    virtual QAction* configureAction() const = 0;
    virtual QAction* aboutAction() const = 0;
};

} // namespace hmdx
