// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesktopSettings.h"
#include "platform/MessageBoxes.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMenu;

namespace hmdx {

// $XDG_CONFIG_HOME/autostart/hmdx.desktop (~/.config when that is unset or not absolute), where
// the desktop session finds what to start at login.
std::filesystem::path AutostartFile();

// One argument of an Exec line: quoted when it holds a reserved character, with the escapes a
// desktop entry's string value needs on top.
std::string ExecArgument(const std::string& argument);
// Whether a desktop entry can hold the argument at all: UTF-8 text with no control character
// but a tab, a newline or a carriage return.
bool ExecArgumentFits(std::string_view argument);

// Starting hmdx at login: the desktop entry that runs `command` (the program and its options,
// --minimized among them) is there or not.
struct StartAtLogin {
    std::filesystem::path file;
    std::vector<std::string> command;

    bool enabled() const;
    std::string entry() const;
    // Writes the entry in one step or removes it; a message when that fails.
    std::string set(bool on) const;
};

// Tools > Start at Login: checked while the entry exists; a change is kept in hmdx.conf too.
QAction* AddStartAtLoginAction(QMenu& tools, const StartAtLogin& login, DesktopSettings& settings,
                               MessageBoxes& boxes);

} // namespace hmdx
