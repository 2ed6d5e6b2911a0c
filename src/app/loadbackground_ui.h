// SPDX-License-Identifier: GPL-3.0-or-later
// TLoadBackGround: the dialog "Load Business Card Background Art" behind "Set or Change Background Art".
#pragma once

class QWidget;

namespace qm {

class CardDocument;

// Shows the dialog over the window, starting at the card's background art; OK puts the chosen file behind
// the card, None takes the background away (both are changes of the card), Cancel changes nothing.
void SetOrChangeBackgroundArt(QWidget* window, CardDocument& document);

} // namespace qm
