// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/EventLog.h"
#include "monitor/WarningDispatch.h"
#include "platform/MessageBoxes.h"
#include "platform/TrayIcon.h"

#include <array>
#include <ostream>

namespace hmdx {

// With no one at a screen, a message is a line on standard error and a question is answered
// no (nothing is shut down unasked).
class ConsoleMessageBoxes : public MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::ostream& out) : m_out(out) {}
    void inform(const std::string& text, const std::string& title = {}) override;
    bool askYesNo(const std::string& text, const std::string& title) override;

private:
    std::ostream& m_out;
};

// Warnings without dialogs: each is a line on standard error (and an event in the log), in the
// user's language; it counts as shown until its item is back in range.
class ConsoleWarnings : public WarningDialogs {
public:
    explicit ConsoleWarnings(std::ostream& out) : m_out(out) {}
    // The item's caption, reading and limits as its row shows them.
    std::function<Event(int item)> describe;

    bool isShown(int item) override { return m_shown[item]; }
    void show(int item) override;
    void takeDown(int item) override { m_shown[item] = false; }

private:
    std::ostream& m_out;
    std::array<bool, 16> m_shown{};
};

class NoTray : public TrayIcon {
public:
    bool isAvailable() const override { return false; }
    void show() override {}
    void hide() override {}
    bool isVisible() const override { return false; }
};

} // namespace hmdx
