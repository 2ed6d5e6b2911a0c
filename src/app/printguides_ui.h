// SPDX-License-Identifier: GPL-3.0-or-later
// View, "Show Bleed and Safe Area": the print shop's guides around and on the card in the design window.
#pragma once

class QAction;
class QMenu;
class QWidget;

namespace qm {

class Preferences;
class TKBasePanel;

// Adds the switch to the View menu, shown as it was last time (off at first) and remembered when changed.
// The bleed is a band around the card, painted on holder (the widget the card sits in, whose margins grow to
// make room for it at any zoom); the safe area is the panel's dashed line.
QAction* AddPrintGuides(QWidget& holder, QWidget& panelWidget, TKBasePanel& panel, QMenu& viewMenu,
                        const Preferences& prefs);

} // namespace qm
