// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-line text layout: word wrap at a width and the place of every row, from the drawing font.
#pragma once

#include "model/cardtypes.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QFont;

namespace qm {

// One row of a multi-line text: its text and where it starts (the top-left corner of its text cell).
struct TextRow
{
    QString text;
    int x = 0;
    int top = 0;
};

struct MultiLineRows
{
    int rowHeight = 1; // the height of "XXX" in the font
    std::vector<TextRow> rows;
};

// The height of a row in the font: the cell height, ascent plus descent (at least 1).
int MultiLineRowHeight(const QFont& font);

// How many rows of that height start inside a box of the given height.
int MultiLineRowsFitting(int boxHeight, int rowHeight);

// Breaks the lines as a multi-line edit box of the given width does in the font: at spaces, and inside a
// word that is longer than the line; the spaces at a break end the line and are not kept. An empty line stays
// one empty line. Stops after maxLines lines (the rows that can be seen), so a huge text costs only what is
// shown.
QStringList WrapMultiLineText(const QStringList& lines, const QFont& font, int width, int maxLines);

// The rows drawn in a box of the given size: an empty text shows "<blank>", a single blank line is
// followed by "<blank>"; rows follow one another from the top, and only those starting inside the box are
// given. Left-aligned rows start at 0, right-aligned ones end one pixel short of the right edge (x = width -
// w - 1), centred ones start at width div 2 - w div 2 + 1. A line far longer than the box is cut to the part
// that can be seen.
MultiLineRows PlaceMultiLineRows(const QStringList& lines, const QFont& font, QSize box, TAlignment alignment);

} // namespace qm
