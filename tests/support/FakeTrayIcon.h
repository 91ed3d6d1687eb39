// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TrayIcon.h"

namespace hmdx::test {

// A notification area that is there (or not) without a desktop.
class FakeTrayIcon : public TrayIcon {
public:
    bool available = true;
    bool visible = false;
    bool alert = false;
    QString toolTip;
    int updates = 0; // calls of setAlert and setToolTip

    bool isAvailable() const override { return available; }
    void show() override { visible = true; }
    void hide() override { visible = false; }
    bool isVisible() const override { return visible; }
    void setAlert(bool on) override { ++updates, alert = on; }
    void setToolTip(const QString& text) override { ++updates, toolTip = text; }
};

} // namespace hmdx::test
