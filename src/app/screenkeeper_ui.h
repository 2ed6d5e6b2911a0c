// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping every window and dialog the program shows on the available area of its screen.
#pragma once

class QDialog;
class QSize;
class QWidget;

namespace qm {

// Fits a window (a top-level widget about to show or showing) onto the available area of its screen: no
// larger than the area, frame included, and wholly on it (see FitOnScreen). A dialog not yet placed is
// first centred over the window it belongs to, as it would be. Maximised and full-screen windows are left
// alone. A dialog whose contents need more than the screen scrolls them (ScrollWhenTooLarge); any other window
// whose least size is larger than the screen keeps its top-left corner on the screen.
void FitWindowOnScreen(QWidget* window);

// A dialog whose contents need more room than `room` (a screen's available size less the window frame) has
// them moved into a scrolling area that fills it, and takes the room it may have; true when that happened.
// Done once per dialog; a dialog without a layout, or one that fits, is left alone.
bool ScrollWhenTooLarge(QDialog* dialog, QSize room);

// From now on every window and dialog of the application is fitted onto its screen as it is shown (an
// application-wide event filter; installing it again does nothing).
void KeepWindowsOnScreen();

} // namespace qm
