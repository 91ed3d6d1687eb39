// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/Monitor.h"

#include <QColor>
#include <QString>
#include <initializer_list>

class QGridLayout;
class QLabel;
class QWidget;

namespace hmdx {

// Grid columns of a voltage or temperature row, left to right.
enum LimitColumn {
    kName,
    kLoUpDown,
    kLoLimit,
    kLoBound,
    kScale,
    kHiBound,
    kHiLimit,
    kHiUpDown,
    kStatus,
    kUnit
};

// Status colours: in range, out of range, and not yet read.
inline const QColor kStatusGreen(0, 255, 0);
inline const QColor kStatusRed(255, 0, 0);
inline const QColor kStatusFresh(128, 255, 128);

QLabel* MakeLabel(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft);
// A label that changes its text every second keeps one size, wide enough for any of `texts`,
// so that a new reading repaints the label alone instead of laying out its whole frame again.
void FixSizeFor(QLabel* label, std::initializer_list<QString> texts);
// A right-aligned reading on a coloured background (starts light green).
QLabel* MakeStatusLabel(QWidget* parent);
void SetStatusColour(QLabel* label, const QColor& colour);
QColor StatusColour(const QLabel* label);
// A reading's text, and its colour once the item has been read: green in range, red out.
// Out of range, a bold frame too: a sign that needs no colour. True when the label changed.
bool ShowReading(QLabel* status, const ItemReading& reading, bool read);
bool HasOutOfRangeFrame(const QWidget* status);
// What a status label's colour means, for a screen reader (its name is the item's caption).
void DescribeStatus(QLabel* status, const QString& description);
// A word the monitor shows ("Fan off") in the user's language; a number as it is.
QString ShownText(const QString& text);

// Says what a scale's two end numbers and its marker and band show: the window has no
// header over them.
void ExplainScale(QLabel* lowEnd, QWidget* scale, QLabel* highEnd);

// Gives the columns of a voltage or temperature frame the same widths in every frame, so the
// scales of all rows line up. `texts` are the widest contents of columns 0, 1, 2, ...
void SetColumnWidths(QGridLayout* grid, std::initializer_list<const char*> texts);

} // namespace hmdx
