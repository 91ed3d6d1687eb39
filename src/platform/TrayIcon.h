// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace hmdx {

// The notification-area icon that stands for the hidden main window. The window sets the
// callbacks; the icon calls them from its double-click and its menu (Restore, Exit).
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // False when the desktop has no notification area.
    virtual bool isAvailable() const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    // The state it stands for: the alert variant while an item is out of range, and a tip
    // that says which. Every call may cost the desktop a round trip: call on a change only.
    // A notification area that cannot show them ignores them.
    virtual void setAlert(bool) {}
    virtual void setToolTip(const QString&) {}

    std::function<void()> onRestore; // double-click or the menu's Restore
    std::function<void()> onExit;    // the menu's Exit
};

} // namespace hmdx
