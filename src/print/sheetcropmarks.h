// SPDX-License-Identifier: GPL-3.0-or-later
// Crop marks on a printed sheet: short lines on the extensions of the cards' edges, in the margins and the
// gaps between cards only.
#pragma once

#include <QLineF>
#include <QRectF>

#include <vector>

namespace qm {

struct SheetCropMarkStyle
{
    double Gap = 1.0 / 25.4;    // from the card's corner to the mark, inches
    double Length = 5.0 / 25.4; // the longest a mark is
    double Shortest = 1.5 / 25.4; // a mark cut shorter than this by a card or the paper's edge is left out
};

// At each corner of each card two marks lead away from it along its edges, each stopped short (by the gap)
// of any card in its way and of the paper's edge, so that no mark ever crosses a card. Coordinates in inches
// from the paper's top-left corner. Marks that come out the same are given once.
std::vector<QLineF> SheetCropMarks(const std::vector<QRectF>& cards, const QRectF& paper,
                                   const SheetCropMarkStyle& style = SheetCropMarkStyle());

} // namespace qm
