// SPDX-License-Identifier: GPL-3.0-or-later
// Label layout: where a single-line label puts its text, shadow and highlight, from font metrics.
#pragma once

#include "model/cardtypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QFont;
class QString;

namespace qm {

class TKFont;
class ShapedLine;

// A rectangle given by its edges, right and bottom exclusive.
struct TextRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    TextRect Moved(QPoint by) const
    {
        return {left + by.x(), top + by.y(), right + by.x(), bottom + by.y()};
    }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool operator==(const TextRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const TextRect& o) const { return !(*this == o); }
};

// What the layout needs to know of the drawing font and the caption.
struct LabelMetrics
{
    int textWidth = 0;  // the caption followed by one space
    int textHeight = 0; // cell height plus internal and external leading
};

struct LabelLayoutInput
{
    QSize box;     // the label's width and height before fitting
    int angle = 0; // 0, 90, 180 or 270
    TAlignment alignment = taLeftJustify;
    QPoint shadowOffset;
    QPoint highlightOffset;
    LabelMetrics metrics;
    // The box stays as given (text shrunk into a box fitted to its chosen size), and the copies move this far
    // across the text, down for upright text (a shrunk text centred on the line of the chosen size).
    bool keepBox = false;
    int crossShift = 0;
};

struct TLabelLayout
{
    QSize box;         // the label's width and height after fitting
    QPoint margin;     // room kept before and above the text, in its own directions, for copies offset so
    int rowExtent = 0; // the text height with the vertical spread of shadow and highlight
    int textWidth = 0;
    TextRect mainRect;
    TextRect shadowRect;
    TextRect highlightRect;
    // Where each copy's text starts: the top-left corner of the (possibly turned) text cell.
    QPoint mainOrigin;
    QPoint shadowOrigin;
    QPoint highlightOrigin;
};

// Fits the box to the text and places the three copies.
TLabelLayout LayOutLabel(const LabelLayoutInput& in);

// The box a label grows to so that its caption fits: captionWidth is the width of the caption followed by
// five spaces, captionHeight the height of its cell. Never smaller than box.
QSize GrownLabelBox(const TLabelLayout& last, QSize box, int captionWidth, int captionHeight);

// The font a label draws with at the given zoom: sized in pixels of the card's 96 units per inch, so the
// screen never changes it. Zoomed sizes are whole points, as the label has always drawn them.
QFont LabelDrawingFont(const TKFont& font);

// Measures the caption in the drawing font as the layout wants it.
LabelMetrics MeasureLabel(const QFont& font, const QString& caption);

// Room along the line of a label of this box for its text (the caption and its space): the box's length along
// the text less what the shadow and highlight copies take before and after it.
int TextRoom(QSize box, int angle, QPoint shadowOffset, QPoint highlightOffset);

// Shrinking to fit: text is never drawn smaller than this many pixels (about 3 points); a text that does not
// fit even so is cut at its box.
constexpr int kMinShrunkPixels = 4;
// The pixel size at which a text of the chosen size fits room: the chosen size when it fits as it is, else
// the largest smaller size at which widthAt(size) <= room, but not below kMinShrunkPixels (nor above
// chosen).
int ShrunkPixelSize(int chosen, int room, const std::function<int(int)>& widthAt);

// Whether a caption measured from its glyphs (the next MeasureLabel) comes to what MeasureLabel measures
// from its text: a caption of printing characters and inner spaces. Tabs, control characters, soft hyphens,
// line separators and trailing spaces are measured as text.
bool MeasuresFromGlyphs(const QString& caption);
// The same measures from the caption shaped in the drawing font, without shaping it again.
LabelMetrics MeasureLabel(const QFont& font, const ShapedLine& line);

// What a label takes from its drawing font besides the caption's width, worked out once per font.
struct TLabelFontMeasures
{
    int ascent = 0;     // as QFontMetrics gives it
    int textHeight = 0; // as LabelMetrics::textHeight
    int fourSpaces = 0; // the width of four spaces
    double space = 0;   // the advance of one space, fractions kept
};
TLabelFontMeasures LabelFontMeasures(const QFont& font);

} // namespace qm
