// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

    std::function<void()> onRestore; // double-click or the menu's Restore
    std::function<void()> onExit;    // the menu's Exit
};

} // namespace hmdx
