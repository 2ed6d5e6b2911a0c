// TKMultiLineBaseLabel: a block of plain text lines in one font.
#include "objects/text/multilinebase.h"

namespace qm {

TKMultiLineBaseLabel::TKMultiLineBaseLabel()
{
    mFont.SetName(QStringLiteral("Arial"));
    mFont.SetSize(10);
    mItems.OnChange = [this] {
        Invalidate();
        Rewrap();
    };
    mFont.OnChange = [this] {
        Invalidate();
        NotifyChanged();
        Rewrap();
    };
    SetBounds(0, 0, 190, 33);
}

const PropTable& TKMultiLineBaseLabel::Properties() const
{
    using L = TKMultiLineBaseLabel;
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Object("Items", static_cast<TKStrings& (L::*)()>(&L::Items)),
            prop::Bool("AutoSize", &L::AutoSize, &L::SetAutoSize),
            prop::Enum("Alignment", &L::Alignment, &L::SetAlignment, kAlignmentIdents, taLeftJustify),
            prop::Object("Font", static_cast<TKFont& (L::*)()>(&L::Font)),
            prop::Bool("WordWrap", &L::WordWrap, &L::SetWordWrap, false),
        });
    return table;
}

void TKMultiLineBaseLabel::SetAlignment(TAlignment v)
{
    if (v == mAlignment)
        return;
    mAlignment = v;
    Invalidate();
}

void TKMultiLineBaseLabel::SetWordWrap(bool v)
{
    if (v == mWordWrap)
        return;
    mWordWrap = v;
    if (v)
        Rewrap();
    Invalidate();
    NotifyChanged();
}

void TKMultiLineBaseLabel::SetWrappedLines(const QStringList& lines)
{
    mWrappedLines = lines;
    mWrapNeeded = false;
    Invalidate();
}

void TKMultiLineBaseLabel::Rewrap()
{
    if (!mWordWrap)
        return;
    mWrappedLines.clear();
    mWrapNeeded = true;
    Invalidate();
}

void TKMultiLineBaseLabel::BoundsChanged()
{
    Rewrap();
    TKGraphicControl::BoundsChanged();
}

void TKMultiLineBaseLabel::ApplyFont(const TKFont& font)
{
    mFont.Assign(font);
    Rewrap();
}

} // namespace qm
