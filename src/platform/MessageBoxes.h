// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace hmdx {

// Modal message boxes. Only the real implementation opens a window; tests record.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Text with an OK button. An empty title means the application's own title.
    virtual void inform(const std::string& text, const std::string& title = {}) = 0;
    // Text with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
};

} // namespace hmdx
