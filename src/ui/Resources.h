// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace hmdx {

// Registers the icons compiled into the ui library (a static library's resources are not
// registered by themselves). Safe to call more than once.
void InitUiResources();

} // namespace hmdx
