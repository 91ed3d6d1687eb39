// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace hmdx::guardian {

// One line on standard error ("hmdx-guardian: ...") and, where there is one, in the journal.
void Report(const char* text);

} // namespace hmdx::guardian
