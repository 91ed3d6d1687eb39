// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Machine.h"

#include <string>
#include <vector>

namespace hmdx::test {

// What a sane main window never shows, one line per fault (none: all is well): a label spelling
// out "nan" or "inf", a number the program could not make sense of; an up-down outside its own
// Min..Max or off its row's scale; and, with `registers`, a limit register that does not hold
// what its row shows. Items the chip lacks are skipped.
std::vector<std::string> WindowFaults(Machine& machine, bool registers = true);

} // namespace hmdx::test
