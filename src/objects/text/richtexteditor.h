// SPDX-License-Identifier: GPL-3.0-or-later
// What the rich-text editor starts from, how it zooms and what OK gives back: the editor's plain part.
#pragma once

#include "model/cardtypes.h"

#include <QSize>

class QTextDocument;

namespace qm {

class TKPRichBaseLabel;

// The editor opened on an object: its white panel the size of the box at the card's zoom (one more each
// way), coloured like the object when that is not transparent, and the text at the card's zoom, wrapped
// at the box's width at 100 %.
struct TRichTextEditorStart
{
    QSize unzoomed;       // the box at 100 %
    QSize panel;          // the panel at the start
    double pageWidth = 0; // the wrapping width at 100 %, whole twips
    int zoom = 100;       // percent
    bool coloured = false;
    TColor panelColor = clWhite;
};
TRichTextEditorStart RichTextEditorStart(const TKPRichBaseLabel& label);

// The editor's zoom: "Zoom In" adds 10 % while below 100 %, "Zoom Out" takes 10 % while above 50 %; the
// panel follows, in proportion to its size at the start.
class RichTextEditorZoom
{
public:
    RichTextEditorZoom(QSize basePanel, int baseZoom);
    int Zoom() const { return mZoom; }
    QSize Panel() const;
    // False when the zoom was already at its limit.
    bool ZoomIn();
    bool ZoomOut();

private:
    QSize mBasePanel;
    int mBaseZoom;
    int mZoom;
};

// The height a box of height needs for text of textHeight (both in the same units): the box's own height,
// or the text's, rounded up, when that is more. A hair over a whole unit is not a unit more.
int RichTextHeightFor(int height, double textHeight);

// The editor's panel while typing: as wide as the box's panel at the zoom, and as tall as that or as the
// text at the zoom (with the panel's one-pixel frame above and below), whichever is more.
QSize RichTextEditorPanel(QSize boxPanel, double textHeight);

// OK: the object takes the edited document (as RTF), grows to hold its text when the text is taller than
// the box, and tells the card it changed.
void TakeEditedDocument(TKPRichBaseLabel& label, const QTextDocument& document);

} // namespace qm
