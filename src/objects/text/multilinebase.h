// SPDX-License-Identifier: GPL-3.0-or-later
// TKMultiLineBaseLabel: a block of plain text lines in one font, aligned and optionally word-wrapped.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

class QFont;

namespace qm {

class TKMultiLineBaseLabel : public TKGraphicControl
{
public:
    TKMultiLineBaseLabel();
    const PropTable& Properties() const override;

    // The lines as typed.
    TKStrings& Items() { return mItems; }
    const TKStrings& Items() const { return mItems; }
    void SetItems(const QStringList& lines) { mItems.SetStrings(lines); }
    // Kept and stored; it has no effect on drawing or sizing.
    bool AutoSize() const { return mAutoSize; }
    void SetAutoSize(bool v) { mAutoSize = v; }
    TAlignment Alignment() const { return mAlignment; }
    void SetAlignment(TAlignment v);
    TKFont& Font() { return mFont; }
    const TKFont& Font() const { return mFont; }
    void SetFont(const TKFont& font) { mFont.Assign(font); }
    bool WordWrap() const { return mWordWrap; }
    void SetWordWrap(bool v);

    // The lines as drawn while WordWrap is on. Rewrap empties them and marks them for rebuilding at the
    // object's width; the layout step (PrepareLayout) hands the new lines back through SetWrappedLines.
    QStringList WrappedLines() const { return mWrappedLines; }
    bool WrapNeeded() const { return mWrapNeeded; }
    void SetWrappedLines(const QStringList& lines);
    virtual void Rewrap();

    // The font the text draws with: the stored font, its size in whole points at the current zoom.
    QFont DrawingFont() const;
    // The lines drawn: the wrapped lines while WordWrap is on, else the lines as typed. Wrapping stops once
    // the rows fill the box, unless all is true.
    QStringList DrawnLines(bool all = false) const;
    // Sizes the box to the text: as many rows as there are lines (at least one), and at least as wide as
    // the widest line. Left and Top stay.
    void FitToText();

    void PrepareLayout() override;
    // Every row in its place, cut off at the box, on screen, in pictures and on paper (text stays text).
    void Draw(QPainter& painter, const RenderContext& context) const override;
    void BoundsChanged() override;
    void ApplyFont(const TKFont& font) override;
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;

    // The font dialog, started at Font; true when the user chose a font.
    bool ChooseFont();
    // The colour dialog, started at the font's colour (kept in the card as the font's colour); true when
    // the user chose another colour.
    bool ChooseFontColor();

private:
    TKStrings mItems;
    bool mAutoSize = false;
    TAlignment mAlignment = taLeftJustify;
    TKFont mFont;
    bool mWordWrap = false;

    QStringList mWrappedLines;
    bool mWrapNeeded = false;
};

} // namespace qm
