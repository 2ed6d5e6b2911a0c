// SPDX-License-Identifier: GPL-3.0-or-later
// TKPCircleText: text set along an arc.
#include "objects/text/circletext.h"

#include "model/objectdialogs.h"
#include "model/objectmenu.h"

#include <QAction>

#include <algorithm>

namespace qm {

const IdentList kDegreesIdents = {"dg90", "dg180", "dg270", "dg360"};

namespace {
// The object's context menu is its own, so a popup menu named in a card file is accepted and not kept.
PropInfo PopupMenuSlot()
{
    PropInfo p;
    p.name = "PopupMenu";
    p.type = PropType::Reference;
    p.get = [](const Persistent&) { return PropValue(); };
    p.set = [](Persistent&, const PropValue&) { return true; };
    return p;
}
} // namespace

TKPCircleText::TKPCircleText()
{
    mCaption = QStringLiteral("ABC DEF GHI JKL");
    mFont.SetName(QStringLiteral("Arial"));
    mFont.SetSize(10);
    mFont.SetStyle(1 << fsBold);
    mFont.SetColor(clBlack);
    mFont.OnChange = [this] {
        Invalidate();
        NotifyChanged();
    };
    SetBounds(0, 0, 142, 33);
}

const PropTable& TKPCircleText::Properties() const
{
    using C = TKPCircleText;
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Enum("StartingVector", &C::StartingVector, &C::SetStartingVector, kDegreesIdents),
            prop::Enum("Degrees", &C::Degrees, &C::SetDegrees, kDegreesIdents),
            PopupMenuSlot(),
            prop::Object("Font", static_cast<TKFont& (C::*)()>(&C::Font)),
            prop::Bool("Mirror", &C::Mirror, &C::SetMirror),
            prop::Bool("DrawLettersAngled", &C::DrawLettersAngled, &C::SetDrawLettersAngled),
            prop::Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, kBorderStyleIdents),
            prop::Bool("ControlTransparent", &C::ControlTransparent, &C::SetControlTransparent),
            prop::Colour("BGColor", &C::BGColor, &C::SetBGColor),
            prop::String("Caption", &C::Caption, &C::SetCaption, /*writeEmpty=*/true),
        });
    return table;
}

void TKPCircleText::SetStartingVector(TDegrees v)
{
    if (v == mStartingVector)
        return;
    mStartingVector = v;
    Invalidate();
}

void TKPCircleText::SetDegrees(TDegrees v)
{
    if (v == mDegrees)
        return;
    mDegrees = v;
    Invalidate();
}

void TKPCircleText::SetMirror(bool v)
{
    if (v == mMirror)
        return;
    mMirror = v;
    Invalidate();
}

void TKPCircleText::SetDrawLettersAngled(bool v)
{
    if (v == mDrawLettersAngled)
        return;
    mDrawLettersAngled = v;
    Invalidate();
    NotifyChanged();
}

void TKPCircleText::SetBorderStyle(TBorderStyle v)
{
    if (v == mBorderStyle)
        return;
    mBorderStyle = v;
    Invalidate();
    NotifyChanged();
}

void TKPCircleText::SetControlTransparent(bool v)
{
    if (v == mControlTransparent)
        return;
    mControlTransparent = v;
    Invalidate();
}

void TKPCircleText::SetBGColor(TColor v)
{
    if (v == mBGColor)
        return;
    mBGColor = v;
    Invalidate();
    NotifyChanged();
}

void TKPCircleText::SetCaption(const QString& v)
{
    if (v == mCaption)
        return;
    mCaption = v;
    Invalidate();
    NotifyChanged();
}

void TKPCircleText::BoundsChanged()
{
    TKGraphicControl::BoundsChanged();
    if (Width() < 1 || Height() < 1)
        SetBounds(Left(), Top(), std::max(Width(), 1), std::max(Height(), 1));
}

bool TKPCircleText::ChooseFont()
{
    return ChooseFontThroughHost(mFont);
}

void TKPCircleText::CopyFrom(const TKPCircleText& other)
{
    SetCaption(other.Caption());
    mFont.Assign(other.Font());
    SetControlTransparent(other.ControlTransparent());
    SetBGColor(other.BGColor());
    SetBorderStyle(other.BorderStyle());
    SetWidth(other.Width());
    SetHeight(other.Height());
    SetStartingVector(other.StartingVector());
    SetDegrees(other.Degrees());
    SetDrawLettersAngled(other.DrawLettersAngled());
    SetMirror(other.Mirror());
}

bool TKPCircleText::OpenProperties()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    if (!dialogs)
        return false;
    TKPCircleText sample;
    sample.CopyFrom(*this);
    if (!dialogs->EditCircleText(sample))
        return false;
    CopyFrom(sample);
    Invalidate();
    NotifyChanged();
    return true;
}

void TKPCircleText::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Font"), [this] { ChooseFont(); });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Transparent"), [this] {
         SetControlTransparent(!mControlTransparent);
         NotifyChanged();
     })->setChecked(mControlTransparent);
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Background Color"), [this] {
        TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
        TColor color = mBGColor;
        if (!dialogs || !dialogs->ChooseColor(color))
            return;
        SetBGColor(color);
        NotifyChanged();
        SetControlTransparent(false);
        Invalidate();
    });
    m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Border"), [this] {
         SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle);
     })->setChecked(mBorderStyle == bsSingle);
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Properties"), [this] { OpenProperties(); });
}

void TKPCircleText::UpdatePopupMenu()
{
    TKMenu* m = PopupMenu();
    if (!m)
        return;
    if (QAction* a = m->Find(QStringLiteral("Border")))
        a->setChecked(mBorderStyle == bsSingle);
    if (QAction* a = m->Find(QStringLiteral("Transparent")))
        a->setChecked(mControlTransparent);
}

} // namespace qm
