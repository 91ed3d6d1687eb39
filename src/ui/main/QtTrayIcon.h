// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TrayIcon.h"

#include <QObject>

class QMenu;
class QSystemTrayIcon;

namespace hmdx {

// The tray icon of the desktop's notification area, with its tip "Hardware Monitor" and a
// menu of Restore and Exit; a red badge while something is out of range.
class QtTrayIcon : public QObject, public TrayIcon {
    Q_OBJECT
public:
    explicit QtTrayIcon(QObject* parent = nullptr);
    ~QtTrayIcon() override;

    bool isAvailable() const override;
    void show() override;
    void hide() override;
    bool isVisible() const override;
    void setAlert(bool on) override;
    void setToolTip(const QString& text) override;

private:
    QMenu* m_menu;
    QSystemTrayIcon* m_icon;
};

} // namespace hmdx
