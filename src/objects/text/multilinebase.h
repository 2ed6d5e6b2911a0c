// TKMultiLineBaseLabel: a block of plain text lines in one font, aligned and optionally word-wrapped.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

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
    // object's width; the wrapping code hands the new lines back through SetWrappedLines.
    QStringList WrappedLines() const { return mWrappedLines; }
    bool WrapNeeded() const { return mWrapNeeded; }
    void SetWrappedLines(const QStringList& lines);
    virtual void Rewrap();

    void BoundsChanged() override;
    void ApplyFont(const TKFont& font) override;

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
