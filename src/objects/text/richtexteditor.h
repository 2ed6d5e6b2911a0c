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
class TRichTextEditorZoom
{
public:
    TRichTextEditorZoom(QSize basePanel, int baseZoom);
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

// OK: the object takes the edited document (as RTF) and tells the card it changed.
void TakeEditedDocument(TKPRichBaseLabel& label, const QTextDocument& document);

} // namespace qm
