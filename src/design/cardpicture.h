// SPDX-License-Identifier: GPL-3.0-or-later
// The card as a picture at 100 %: what export writes and the template chooser shows.
#pragma once

#include <QImage>

namespace qm {

class CardModel;

// A picture of the card at 96 pixels per inch times scale (1 to kMaxPictureScale): white, the background
// pictures, every object back to front; no grid, outline or selection markers. With border, the outermost
// pixel rows and columns are black. The picture says its resolution, so that it keeps the card's real size.
// The card is left as it is, whatever its zoom.
constexpr int kMaxPictureScale = 8;
QImage RenderCardPicture(const CardModel& card, bool border = false, int scale = 1);

} // namespace qm
