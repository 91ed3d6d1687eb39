// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/HistorySeries.h"

#include <QString>

namespace hmdx {

// Writes the series' readings at full resolution as CSV: time (ISO 8601 local with offset),
// value, low, high (empty where none), warning (0/1). Replaces the file whole or not at all; on
// failure returns false with a message naming the file.
bool ExportHistoryCsv(const HistorySeries& series, const QString& path, QString* error);

// The file name the export offers for an item, "hmdx-CPU Temp.csv": its caption made safe for a
// file name (no folder separator, control character or leading dot).
QString HistoryCsvFileName(const QString& caption);

} // namespace hmdx
