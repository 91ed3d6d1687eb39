#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace hmdx {

// Status colours: in range, out of range, and not yet read.
inline const QColor kStatusGreen(0, 255, 0);
inline const QColor kStatusRed(255, 0, 0);
inline const QColor kStatusFresh(128, 255, 128);

QLabel* MakeLabel(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignLeft);
// A right-aligned reading on a coloured background (starts light green).
QLabel* MakeStatusLabel(QWidget* parent);
void SetStatusColour(QLabel* label, const QColor& colour);
QColor StatusColour(const QLabel* label);

} // namespace hmdx
