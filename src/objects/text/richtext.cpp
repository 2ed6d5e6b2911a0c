// TKPRichBaseLabel: formatted text kept as an RTF document.
#include "objects/text/richtext.h"

namespace qm {

TKPRichBaseLabel::TKPRichBaseLabel()
{
    mRTFText.OnChange = [this] {
        Invalidate();
        NotifyChanged();
    };
    SetBounds(0, 0, 190, 33);
}

const PropTable& TKPRichBaseLabel::Properties() const
{
    using R = TKPRichBaseLabel;
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Object("RTFText", static_cast<TKRichText& (R::*)()>(&R::RTFText)),
            prop::Enum("BorderStyle", &R::BorderStyle, &R::SetBorderStyle, kBorderStyleIdents),
            prop::Bool("Transparent", &R::Transparent, &R::SetTransparent),
            prop::Colour("BGColor", &R::BGColor, &R::SetBGColor),
        });
    return table;
}

void TKPRichBaseLabel::SetBorderStyle(TBorderStyle v)
{
    if (v == mBorderStyle)
        return;
    mBorderStyle = v;
    Invalidate();
    NotifyChanged();
}

void TKPRichBaseLabel::SetTransparent(bool v)
{
    if (v == mTransparent)
        return;
    mTransparent = v;
    Invalidate();
}

void TKPRichBaseLabel::SetBGColor(TColor v)
{
    if (v == mBGColor)
        return;
    mBGColor = v;
    Invalidate();
    NotifyChanged();
}

} // namespace qm
