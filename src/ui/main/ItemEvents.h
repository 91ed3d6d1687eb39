#pragma once

#include "MainRows.h"
#include "monitor/EventLog.h"

#include <string>

namespace hmdx {

// An event of one item, with its caption, reading and limits as its row shows them now.
Event ItemEvent(const MainRows& rows, int item, std::string what);

// A number as a row shows it ("4.92", "2,860"); NaN for an empty or wordy text ("Fan off").
double ShownNumber(const std::string& text);

} // namespace hmdx
