// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBoxes.h"

namespace hmdx {

inline constexpr const char* kApplicationTitle = "hmdx";

class QtMessageBoxes : public MessageBoxes {
public:
    void inform(const std::string& text, const std::string& title = {}) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
};

} // namespace hmdx
