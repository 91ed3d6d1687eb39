// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace hmdx {

// Opens a window inside the available area of its screen, frame included: no larger than the
// area (never below its own minimum), centred the first time, and moved in when it would
// reach past an edge. A window laid out for a large screen stays usable on a small one.
void PlaceOnScreen(QWidget* window);
// How wide the window must be for a title bar to show its title whole, buttons beside it.
int WidthForTitle(const QWidget* window);
// Sized to its contents and placed at the centre of the screen, every time.
void CentreOnScreen(QWidget* window);

} // namespace hmdx
