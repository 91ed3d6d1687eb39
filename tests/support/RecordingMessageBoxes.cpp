// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingMessageBoxes.h"

namespace hmdx::test {

void RecordingMessageBoxes::inform(const std::string& text, const std::string& title) {
    boxes.push_back({text, title, false});
}

bool RecordingMessageBoxes::askYesNo(const std::string& text, const std::string& title) {
    boxes.push_back({text, title, true});
    return answerYes;
}

std::vector<std::string> RecordingMessageBoxes::texts() const {
    std::vector<std::string> result;
    for (const Box& box : boxes)
        result.push_back(box.text);
    return result;
}

} // namespace hmdx::test
