#pragma once

#include "MainRows.h"
#include "chip/Module1.h"

namespace hmdx {

// Hides every row of an item the chip model does not have, shows the others.
void HideAbsentItems(const Module1& m, MainRows& rows);

// A monitored item shows its whole row; an unmonitored one keeps only its name, greyed.
void RefreshItemEnabled(const Module1& m, MainRows& rows);

} // namespace hmdx
