// SPDX-License-Identifier: GPL-3.0-or-later
// The position and size panel docked beside the card, with its switch in the View menu.
#pragma once

class QMainWindow;
class QMenu;

namespace qm {

class Preferences;
class TKBasePanel;
class TPositionPanel;

// Docks a position panel over panel's selection on the right of the window and puts its switch ("Position
// and Size") into the window's View menu, which is made before `before` when the window has none. Shown
// when it was shown last time (kept in prefs), hidden the first time.
TPositionPanel* AddPositionDock(QMainWindow& window, TKBasePanel& panel, QMenu* before,
                                const Preferences& prefs);

} // namespace qm
