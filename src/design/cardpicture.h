// SPDX-License-Identifier: GPL-3.0-or-later
// The card as a picture at 100 %: what export writes and the template chooser shows.
#pragma once

#include <QImage>

namespace qm {

class TCardModel;

// A picture of the card at scale 1.0 (96 pixels per inch): white, the background pictures, every object back
// to front; no grid, outline or selection markers. With border, the outermost pixel rows and columns are
// black. The card is left as it is, whatever its zoom.
QImage RenderCardPicture(const TCardModel& card, bool border = false);

} // namespace qm
