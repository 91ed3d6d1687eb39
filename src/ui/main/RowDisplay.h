// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainRows.h"
#include "monitor/Machine.h"

namespace hmdx {

// Hides every row of an item the chip model does not have, shows the others.
void HideAbsentItems(const Machine& m, MainRows& rows);

// A monitored item shows its whole row; an unmonitored one keeps only its name, greyed.
void RefreshItemEnabled(const Machine& m, MainRows& rows);

} // namespace hmdx
