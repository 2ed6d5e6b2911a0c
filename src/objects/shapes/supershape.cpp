// SPDX-License-Identifier: GPL-3.0-or-later
// TSuperShape: data, setter rules and working surfaces of the multi-purpose shape.
#include "objects/shapes/supershape.h"

#include "model/objectdialogs.h"
#include "model/objectmenu.h"

namespace qm {

const IdentList kKPShapeTypeIdents = {
    "kstRectangle",    "kstRoundRect",     "kstEllipse",    "kstDiamond",      "kstStar",
    "kstTriangleLeft", "kstTriangleRight", "kstTriangleUp", "kstTriangleDown", "kstPolyGon"};
const IdentList kShadowOrientIdents = {"soNone", "soLowerRight", "soUpperRight", "soUpperLeft",
                                       "soLowerLeft"};
const IdentList kSuperSurfaceTypeIdents = {"stBrushTransparent", "stBrushPattern", "stBrushImage",
                                           "stGradientFill"};

TSuperShape::TSuperShape()
{
    mImage.OnChange = [this] { Invalidate(); };
    SetBounds(0, 0, 25, 25);
}

const PropTable& TSuperShape::Properties() const
{
    using C = TSuperShape;
    // No property has a stream default: every one is written (the string only when it is not empty).
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Colour("BackColor", &C::BackColor, &C::SetBackColor),
            prop::Enum("FillDirection", &C::FillDirection, &C::SetFillDirection, kFillDirectionIdents),
            prop::Colour("ForeColor", &C::ForeColor, &C::SetForeColor),
            prop::Colour("GradientToColor", &C::GradientToColor, &C::SetGradientToColor),
            prop::Object("Image", static_cast<TKBitmap& (C::*)()>(&C::Image)),
            prop::Int("InVectorPercent", &C::InVectorPercent, &C::SetInVectorPercent),
            prop::Colour("OutlineColor", &C::OutlineColor, &C::SetOutlineColor),
            prop::Enum("OutlineStyle", &C::OutlineStyle, &C::SetOutlineStyle, kPenStyleIdents),
            prop::Int("OutlineWidth", &C::OutlineWidth, &C::SetOutlineWidth),
            prop::Enum("Pattern", &C::Pattern, &C::SetPattern, kBrushStyleIdents),
            prop::Int("RoundPerc", &C::RoundPerc, &C::SetRoundPerc),
            prop::Colour("ShadowColor", &C::ShadowColor, &C::SetShadowColor),
            prop::Int("ShadowDepth", &C::ShadowDepth, &C::SetShadowDepth),
            prop::Enum("ShadowOrient", &C::ShadowOrient, &C::SetShadowOrient, kShadowOrientIdents),
            prop::Enum("Shape", &C::Shape, &C::SetShape, kKPShapeTypeIdents),
            prop::Int("StartingAngle", &C::StartingAngle, &C::SetStartingAngle),
            prop::Enum("SurfaceType", &C::SurfaceType, &C::SetSurfaceType, kSuperSurfaceTypeIdents),
            prop::Int("Vectors", &C::Vectors, &C::SetVectors),
            prop::String("LastBitmapFileNameandPath", &C::LastBitmapFileNameandPath,
                         &C::SetLastBitmapFileNameandPath),
        });
    return table;
}

// ---- Setters ----

void TSuperShape::GradientChanged()
{
    if (IsGradient())
        RebuildGradient();
    Invalidate();
}

void TSuperShape::SetBackColor(TColor value)
{
    if (value == mBackColor)
        return;
    mBackColor = value;
    if (IsGradient())
        RebuildGradient();
    if (IsSolid())
        RebuildSolid();
    Invalidate();
}

void TSuperShape::SetForeColor(TColor value)
{
    if (value == mForeColor)
        return;
    mForeColor = value;
    if (IsSolid())
        RebuildSolid();
    Invalidate();
}

void TSuperShape::SetGradientToColor(TColor value)
{
    if (value == mGradientToColor)
        return;
    mGradientToColor = value;
    GradientChanged();
}

void TSuperShape::SetShadowColor(TColor value)
{
    if (value == mShadowColor)
        return;
    mShadowColor = value;
    GradientChanged();
}

void TSuperShape::SetFillDirection(TFillDirection value)
{
    if (value == mFillDirection)
        return;
    mFillDirection = value;
    GradientChanged();
}

void TSuperShape::SetShadowOrient(TShadowOrient value)
{
    if (int(value) < int(soNone) || int(value) > int(soLowerLeft) || value == mShadowOrient)
        return;
    mShadowOrient = value;
    GradientChanged();
}

void TSuperShape::SetShadowDepth(int value)
{
    // The bound applies to the depth already held: once it exceeds half the size, it stays until the shape
    // grows to twice that depth. A card being read keeps the depth it was saved with.
    if (value == mShadowDepth)
        return;
    if (!IsLoadingOrReading() && (mShadowDepth > Width() / 2 || mShadowDepth > Height() / 2))
        return;
    mShadowDepth = value;
    GradientChanged();
}

void TSuperShape::SetVectors(int value)
{
    // Out of range, also from a card file: ignored, the value held stays.
    if (value < 3 || value > 60)
        return;
    mVectors = value;
    Invalidate();
}

void TSuperShape::SetStartingAngle(int value)
{
    // Out of range, also from a card file: ignored, the value held stays.
    if (value < 0 || value > 359)
        return;
    mStartingAngle = value;
    Invalidate();
}

void TSuperShape::SetInVectorPercent(int value)
{
    // Out of range, also from a card file: ignored, the value held stays.
    if (value < 0 || value > 100)
        return;
    mInVectorPercent = value;
    Invalidate();
}

void TSuperShape::SetRoundPerc(int value)
{
    if (value == mRoundPerc)
        return;
    mRoundPerc = value;
    Invalidate();
}

void TSuperShape::SetOutlineColor(TColor value)
{
    if (value == mOutlineColor)
        return;
    mOutlineColor = value;
    Invalidate();
}

void TSuperShape::SetOutlineWidth(int value)
{
    if (value == mOutlineWidth)
        return;
    mOutlineWidth = value;
    Invalidate();
}

void TSuperShape::SetOutlineStyle(TPenStyle value)
{
    if (value == mOutlineStyle)
        return;
    mOutlineStyle = value;
    Invalidate();
}

void TSuperShape::SetPattern(TBrushStyle value)
{
    if (value == mPattern)
        return;
    mPattern = value;
    RebuildSolid();
    Invalidate();
}

void TSuperShape::SetShape(TKPShapeType value)
{
    if (value == mShape)
        return;
    mShape = value;
    if (value == kstStar && !IsLoadingOrReading()) {
        if (mInVectorPercent == 0)
            SetInVectorPercent(50);
        if (mVectors < 10)
            SetVectors(10);
        SetStartingAngle(90);
    }
    Invalidate();
}

void TSuperShape::SetSurfaceType(TSurfaceType value)
{
    if (value == mSurfaceType)
        return;
    mSurfaceType = value;
    Invalidate();
    // A card being read keeps every value it was saved with (a transparent shape its shadow, a texture its
    // picture); the working surfaces are built once it is loaded.
    if (IsLoadingOrReading())
        return;
    if (value != stBrushImage)
        mImage.Clear();
    if (value == stGradientFill)
        RebuildGradient();
    if (value == stBrushPattern) {
        mImage.Clear();
        RebuildSolid();
    }
    if (value == stBrushTransparent) {
        // No shadow without a surface.
        mShadowOrient = soNone;
        mPattern = bsClear;
        if (mOutlineStyle == psClear)
            mOutlineStyle = psSolid;
    }
}

void TSuperShape::CopyFrom(const TSuperShape& other)
{
    TakeSettings(other);
    SetWidth(other.Width());
    SetHeight(other.Height());
}

bool TSuperShape::OpenProperties()
{
    TKDialogs* dialogs = Host() ? Host()->Dialogs() : nullptr;
    if (!dialogs)
        return false;
    TSuperShape sample;
    sample.CopyFrom(*this);
    QString texturePath = mLastBitmapFileNameandPath;
    if (!dialogs->EditSuperShape(sample, texturePath))
        return false;
    TakeSettings(sample);
    SetLastBitmapFileNameandPath(texturePath);
    NotifyChanged();
    return true;
}

void TSuperShape::BuildPopupMenu(TKMenu& menu)
{
    TKGraphicControl::BuildPopupMenu(menu);
    menu.AddSeparator();
    menu.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Properties"), [this] { OpenProperties(); });
}

void TSuperShape::TakeSettings(const TSuperShape& other)
{
    SetBackColor(other.BackColor());
    SetFillDirection(other.FillDirection());
    SetForeColor(other.ForeColor());
    SetGradientToColor(other.GradientToColor());
    SetImage(other.Image());
    SetInVectorPercent(other.InVectorPercent());
    SetOutlineColor(other.OutlineColor());
    SetOutlineStyle(other.OutlineStyle());
    SetOutlineWidth(other.OutlineWidth());
    SetPattern(other.Pattern());
    SetRoundPerc(other.RoundPerc());
    SetShadowColor(other.ShadowColor());
    SetShadowDepth(other.ShadowDepth());
    SetShadowOrient(other.ShadowOrient());
    SetShape(other.Shape());
    SetStartingAngle(other.StartingAngle());
    SetSurfaceType(other.SurfaceType());
    SetVectors(other.Vectors());
}

// ---- Working surfaces ----

void TSuperShape::RebuildSolid()
{
    mSolid.width = Width();
    mSolid.height = Height();
    mSolid.color = mBackColor;
}

void TSuperShape::RebuildGradient()
{
    mGradient.width = Width();
    mGradient.height = Height();
    mGradient.color = mBackColor;
    Invalidate();
}

// The gradient follows the size; the solid bitmap keeps its size and is tiled.
void TSuperShape::BoundsChanged()
{
    TKGraphicControl::BoundsChanged();
    if (IsGradient() && (mGradient.width != Width() || mGradient.height != Height()))
        RebuildGradient();
}

void TSuperShape::Loaded()
{
    TKGraphicControl::Loaded();
    // The size was read without bounds checks.
    if (IsGradient() && (mGradient.width != Width() || mGradient.height != Height()))
        RebuildGradient();
    if (IsSolid())
        RebuildSolid();
}

} // namespace qm
