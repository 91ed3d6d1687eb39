// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBoxes.h"

#include <QtGlobal>

namespace hmdx {

inline constexpr const char* kApplicationTitle = QT_TRANSLATE_NOOP("hmdx::Messages", "hmdx");

class QtMessageBoxes : public MessageBoxes {
public:
    void inform(const std::string& text, const std::string& title = {}) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
};

} // namespace hmdx
