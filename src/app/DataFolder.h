// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace hmdx {

// The settings file lives beside the program when the user may write there (a build tree, a
// program copied to a folder of one's own); an installed program (in a bin folder or under
// /usr) keeps it in the user's data folder (~/.local/share/hmdx), created on demand.
std::filesystem::path DefaultDataFolder(const std::filesystem::path& programFolder);

} // namespace hmdx
