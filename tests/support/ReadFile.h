// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace hmdx::test {

// A whole file as text (std::string) or bytes (std::vector<uint8_t>); empty if unreadable.
template <typename Out = std::string> Out ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Out(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

} // namespace hmdx::test
