// SPDX-License-Identifier: GPL-3.0-or-later
// TKSuperText: special-effect text.
#include "objects/text/supertext.h"

#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/text/label3d.h"

#include <QAction>
#include <QCoreApplication>

#include <algorithm>

namespace qm {

const IdentList TKSuperText::kSurfaceTypeIdents = {"stNormal", "stBrushTransparent", "stBrushImage",
                                                   "stGradientFill"};

TKSuperText::TKSuperText()
{
    mCaption = QCoreApplication::translate("qm::ObjectKinds", "Text", "new object's text");
    mFont.SetName(QStringLiteral("Arial"));
    mFont.SetSize(48);
    mFont.SetStyle(1 << fsBold);
    mFont.SetColor(clBlack);
    mFont.OnChange = [this] {
        mLayoutNeeded = true;
        Invalidate();
        NotifyChanged();
    };
    mImage.OnChange = [this] { Invalidate(); };
    mShadowOffset = ShadowOffsetFor(mShadowOrientation, mShadowDepth);
    SetBounds(0, 0, 142, 33);
}

const PropTable& TKSuperText::Properties() const
{
    using T = TKSuperText;
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Int("ShadowDepth", &T::ShadowDepth, &T::SetShadowDepth, 0),
            prop::Enum("ShadowOrientation", &T::ShadowOrientation, &T::SetShadowOrientation,
                       kShadowDirectionIdents, sdDownRight),
            prop::Colour("Shadowcolor", &T::Shadowcolor, &T::SetShadowcolor, clGray),
            prop::Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, kBorderStyleIdents),
            prop::Bool("ControlTransparent", &T::ControlTransparent, &T::SetControlTransparent),
            prop::Colour("BGColor", &T::BGColor, &T::SetBGColor),
            prop::String("Caption", &T::Caption, &T::SetCaption, /*writeEmpty=*/true),
            prop::Object("Font", static_cast<TKFont& (T::*)()>(&T::Font)),
            prop::Enum("FillDirection", &T::FillDirection, &T::SetFillDirection, kFillDirectionIdents),
            prop::Colour("GradientToColor", &T::GradientToColor, &T::SetGradientToColor),
            prop::Colour("GradientFromColor", &T::GradientFromColor, &T::SetGradientFromColor),
            prop::Object("Image", static_cast<TKBitmap& (T::*)()>(&T::Image)),
            prop::Colour("OutlineColor", &T::OutlineColor, &T::SetOutlineColor),
            prop::Enum("OutlineStyle", &T::OutlineStyle, &T::SetOutlineStyle, kPenStyleIdents),
            prop::Int("OutlineWidth", &T::OutlineWidth, &T::SetOutlineWidth),
            prop::Enum("SurfaceType", &T::SurfaceType, &T::SetSurfaceType, kSurfaceTypeIdents),
            prop::String("LastBitmapFileNameandPath", &T::LastBitmapFileNameandPath,
                         &T::SetLastBitmapFileNameandPath),
        });
    return table;
}

void TKSuperText::SetShadowDepth(int v)
{
    if (v == mShadowDepth)
        return;
    mShadowDepth = v;
    mShadowOffset = ShadowOffsetFor(mShadowOrientation, mShadowDepth);
    mLayoutNeeded = true;
    Invalidate();
}

void TKSuperText::SetShadowOrientation(TShadowOrientation v)
{
    if (v == mShadowOrientation)
        return;
    mShadowOrientation = v;
    mShadowOffset = ShadowOffsetFor(mShadowOrientation, mShadowDepth);
    mLayoutNeeded = true;
    Invalidate();
}

void TKSuperText::SetShadowcolor(TColor v)
{
    if (v == mShadowcolor)
        return;
    mShadowcolor = v;
    Invalidate();
}

void TKSuperText::SetBorderStyle(TBorderStyle v)
{
    if (v == mBorderStyle)
        return;
    mBorderStyle = v;
    Invalidate();
    NotifyChanged();
}

void TKSuperText::SetControlTransparent(bool v)
{
    if (v == mControlTransparent)
        return;
    mControlTransparent = v;
    Invalidate();
}

void TKSuperText::SetBGColor(TColor v)
{
    if (v == mBGColor)
        return;
    mBGColor = v;
    Invalidate();
    NotifyChanged();
}

void TKSuperText::SetCaption(const QString& v)
{
    if (v == mCaption)
        return;
    mCaption = v;
    mLayoutNeeded = true;
    Invalidate();
    NotifyChanged();
}

void TKSuperText::SetFillDirection(TFillDirection v)
{
    if (v == mFillDirection)
        return;
    mFillDirection = v;
    GradientChanged();
    Invalidate();
}

void TKSuperText::SetGradientToColor(TColor v)
{
    if (v == mGradientToColor)
        return;
    mGradientToColor = v;
    GradientChanged();
    Invalidate();
}

void TKSuperText::SetGradientFromColor(TColor v)
{
    if (v == mGradientFromColor)
        return;
    mGradientFromColor = v;
    NotifyChanged();
    GradientChanged();
    Invalidate();
}

void TKSuperText::SetOutlineColor(TColor v)
{
    if (v == mOutlineColor)
        return;
    mOutlineColor = v;
    Invalidate();
}

void TKSuperText::SetOutlineStyle(TPenStyle v)
{
    if (v == mOutlineStyle)
        return;
    mOutlineStyle = v;
    Invalidate();
}

void TKSuperText::SetOutlineWidth(int v)
{
    if (v == mOutlineWidth)
        return;
    mOutlineWidth = v;
    Invalidate();
}

void TKSuperText::SetSurfaceType(TSurfaceType v)
{
    if (v == mSurfaceType)
        return;
    mSurfaceType = v;
    Invalidate();
    GradientChanged();
    // A card being read keeps every value it was saved with, whatever order they come in: the texture, and a
    // clear outline of empty letters.
    if (IsLoadingOrReading())
        return;
    if (v != stBrushImage)
        mImage.Clear();
    KeepEmptyLettersOutlined();
}

void TKSuperText::KeepEmptyLettersOutlined()
{
    // Empty letters always show their outline.
    if (mSurfaceType == stBrushTransparent && mOutlineStyle == psClear)
        SetOutlineStyle(psSolid);
}

void TKSuperText::GradientChanged()
{
    if (mSurfaceType == stGradientFill)
        mGradientNeeded = true;
}

void TKSuperText::Loaded()
{
    // Empty letters read with a clear outline and no shadow would show nothing at all: they get the outline
    // the surface setter gives them. With a shadow they show as the user left them, shadow only.
    const bool shadow = mShadowDepth >= 1 && mShadowOrientation != sdNone;
    if (!shadow)
        KeepEmptyLettersOutlined();
    TKGraphicControl::Loaded();
    GradientChanged();
}

void TKSuperText::BoundsChanged()
{
    TKGraphicControl::BoundsChanged();
    mLayoutNeeded = true;
    if (Width() < 1 || Height() < 1)
        SetBounds(Left(), Top(), std::max(Width(), 1), std::max(Height(), 1));
    GradientChanged();
}

void TKSuperText::ApplyFont(const TKFont& font)
{
    mFont.Assign(font);
    mLayoutNeeded = true;
    FitToCard();
}

bool TKSuperText::ChooseFont()
{
    // The letters are traced from the font's outlines; the host's dialog offers scalable faces.
    if (!ChooseFontThroughHost(mFont))
        return false;
    mLayoutNeeded = true;
    FitToCard();
    return true;
}

void TKSuperText::CopyFrom(const TKSuperText& other)
{
    SetCaption(other.Caption());
    mFont.Assign(other.Font());
    SetControlTransparent(other.ControlTransparent());
    SetBGColor(other.BGColor());
    SetBorderStyle(other.BorderStyle());
    // The surface first: its knock-ons must not undo the values taken after it.
    SetSurfaceType(other.SurfaceType());
    SetGradientFromColor(other.GradientFromColor());
    SetGradientToColor(other.GradientToColor());
    SetFillDirection(other.FillDirection());
    SetImage(other.Image());
    SetOutlineColor(other.OutlineColor());
    SetOutlineStyle(other.OutlineStyle());
    SetOutlineWidth(other.OutlineWidth());
    SetShadowcolor(other.Shadowcolor());
    SetShadowDepth(other.ShadowDepth());
    SetShadowOrientation(other.ShadowOrientation());
    SetLastBitmapFileNameandPath(other.LastBitmapFileNameandPath());
    SetBounds(Left(), Top(), other.Width(), other.Height());
}

void TKSuperText::TakeProperties(const TKSuperText& preview, const QString& texturePath)
{
    SetGradientFromColor(preview.GradientFromColor());
    SetFillDirection(preview.FillDirection());
    SetGradientToColor(preview.GradientToColor());
    SetImage(preview.Image());
    SetOutlineColor(preview.OutlineColor());
    SetOutlineStyle(preview.OutlineStyle());
    SetOutlineWidth(preview.OutlineWidth());
    SetShadowcolor(preview.Shadowcolor());
    SetShadowDepth(preview.ShadowDepth());
    SetShadowOrientation(preview.ShadowOrientation());
    SetSurfaceType(preview.SurfaceType());
    SetLastBitmapFileNameandPath(texturePath);
    mFont.Assign(preview.Font());
    SetCaption(preview.Caption());
    GradientChanged();
    mLayoutNeeded = true;
    FitToCard();
    Invalidate();
    NotifyChanged();
}

bool TKSuperText::OpenProperties()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    if (!dialogs)
        return false;
    TKSuperText preview;
    preview.CopyFrom(*this);
    QString texturePath = mLastBitmapFileNameandPath;
    if (!dialogs->EditSuperText(preview, texturePath))
        return false;
    TakeProperties(preview, texturePath);
    return true;
}

void TKSuperText::BuildPopupMenu(TKMenu& menu)
{
    TKGraphicControl::BuildPopupMenu(menu);
    menu.AddSeparator();
    menu.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Font"), [this] {
        if (ChooseFont()) {
            Invalidate();
            NotifyChanged();
        }
    });
    menu.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Transparent"), [this] {
        SetControlTransparent(!mControlTransparent);
        NotifyChanged();
    });
    menu.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Background Color"), [this] {
        TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
        TColor color = mBGColor;
        if (!dialogs || !dialogs->ChooseColor(color))
            return;
        SetBGColor(color);
        SetControlTransparent(false);
        NotifyChanged();
    });
    menu.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Border"),
                      [this] { SetBorderStyle(mBorderStyle == bsSingle ? bsNone : bsSingle); });
    menu.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Properties"), [this] { OpenProperties(); });
}

void TKSuperText::UpdatePopupMenu()
{
    TKMenu* menu = PopupMenu();
    if (!menu)
        return;
    if (QAction* a = menu->Find(QStringLiteral("Transparent")))
        a->setChecked(mControlTransparent);
    if (QAction* a = menu->Find(QStringLiteral("Border")))
        a->setChecked(mBorderStyle == bsSingle);
}

void SuperTextRefit::Edited(qint64 now)
{
    mEdited = true;
    mEditedAt = now;
}

bool SuperTextRefit::Poll(qint64 now)
{
    if (now < mNextTick)
        return false;
    // The last tick due by now.
    const qint64 due = mNextTick + (now - mNextTick) / kIntervalMs * kIntervalMs;
    mNextTick = due + kIntervalMs;
    if (!mEdited || mEditedAt > due)
        return false;
    mEdited = false;
    return true;
}

} // namespace qm
