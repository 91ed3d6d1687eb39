// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBoxes.h"

#include <string>
#include <vector>

namespace hmdx::test {

// Answers message boxes without a window and remembers them.
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Box {
        std::string text;
        std::string title;
        bool question = false;
    };
    std::vector<Box> boxes;
    bool answerYes = true;

    void inform(const std::string& text, const std::string& title = {}) override;
    bool askYesNo(const std::string& text, const std::string& title) override;

    std::vector<std::string> texts() const;
};

} // namespace hmdx::test
