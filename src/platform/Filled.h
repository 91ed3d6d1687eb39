// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace hmdx {

// `form` with %1, %2, ... replaced by `args` byte for byte (file names need not be UTF-8).
// Plain C++, so that layers without Qt can fill their messages' translated forms.
inline std::string Filled(std::string_view form, std::initializer_list<std::string_view> args) {
    std::string out;
    for (size_t i = 0; i < form.size(); ++i) {
        const size_t n = i + 1 < form.size() ? size_t(form[i + 1] - '1') : args.size();
        if (form[i] == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += form[i];
        }
    }
    return out;
}

} // namespace hmdx
