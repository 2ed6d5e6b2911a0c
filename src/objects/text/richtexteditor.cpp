// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text editor's start, zoom and write-back.
#include "objects/text/richtexteditor.h"

#include "richtext/rtf.h"
#include "objects/text/richtext.h"
#include "objects/text/richtextlayout.h"

#include <algorithm>
#include <cmath>

namespace qm {

TRichTextEditorStart RichTextEditorStart(const TKPRichBaseLabel& label)
{
    TRichTextEditorStart start;
    start.unzoomed = QSize(label.Width(), label.Height());
    start.panel = QSize(label.Width() + 1, label.Height() + 1);
    start.pageWidth = RichTextLayout::PageWidth(start.unzoomed.width(), 1.0f);
    start.zoom = 100;
    start.coloured = !label.Transparent();
    start.panelColor = start.coloured ? label.BGColor() : clWhite;
    return start;
}

RichTextEditorZoom::RichTextEditorZoom(QSize basePanel, int baseZoom)
    : mBasePanel(basePanel), mBaseZoom(baseZoom > 0 ? baseZoom : 100), mZoom(mBaseZoom)
{
}

QSize RichTextEditorZoom::Panel() const
{
    auto scaled = [this](int v) { return int(std::nearbyint(double(mZoom) * v / mBaseZoom)); };
    return QSize(scaled(mBasePanel.width()), scaled(mBasePanel.height()));
}

bool RichTextEditorZoom::ZoomIn()
{
    if (mZoom >= 100)
        return false;
    mZoom += 10;
    return true;
}

bool RichTextEditorZoom::ZoomOut()
{
    if (mZoom <= 50)
        return false;
    mZoom -= 10;
    return true;
}

int RichTextHeightFor(int height, double textHeight)
{
    if (!(textHeight > height))
        return height;
    return std::max(height, int(std::ceil(textHeight - 0.01)));
}

QSize RichTextEditorPanel(QSize boxPanel, double textHeight)
{
    return QSize(boxPanel.width(), RichTextHeightFor(boxPanel.height(), textHeight + 2));
}

void TakeEditedDocument(TKPRichBaseLabel& label, const QTextDocument& document)
{
    TKRichText edited;
    edited.SetData(WriteRtf(document));
    label.SetRTFText(edited);
    // What was typed shows on the card: the editor grew with the text, the box does too.
    label.GrowToText();
    label.Invalidate();
    label.NotifyChanged();
}

} // namespace qm
