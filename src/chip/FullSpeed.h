// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Chip.h"
#include "PortWrites.h"

#include <span>

namespace hmdx {

// Every PWM output of the chip's model to full speed, through the normal routines.
void SetEveryPwmOutputFull(Chip& chip);

// The port writes that put the given outputs (1-based; ones the model lacks are left out) to
// full speed, write for write as SetPwmOutput makes them one output after another: made
// ready beforehand for the crash handler and the guardian, which cannot read the chip.
PortWrites FullSpeedWrites(const Chip& chip, std::span<const int> outputs);

} // namespace hmdx
