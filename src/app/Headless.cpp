// SPDX-License-Identifier: GPL-3.0-or-later
#include "Headless.h"

#include "Translations.h"

#include <string>

namespace hmdx {

void ConsoleMessageBoxes::inform(const std::string& text, const std::string&) {
    m_out << "hmdx: " << Translated("hmdx::Messages", text.c_str()) << std::endl;
}

bool ConsoleMessageBoxes::askYesNo(const std::string& text, const std::string&) {
    m_out << "hmdx: " << Translated("hmdx::Messages", text.c_str())
          << Translated("hmdx::Messages", " (no one to answer: no)") << std::endl;
    return false;
}

void ConsoleWarnings::show(int item) {
    m_shown[item] = true;
    m_out << "hmdx: warning: " << (describe ? describe(item) : "item " + std::to_string(item))
          << std::endl;
}

} // namespace hmdx
