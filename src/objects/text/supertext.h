// TKSuperText: special-effect text filled with a colour, gradient or texture, outlined and shadowed.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

#include <QPoint>

namespace qm {

// The shadow of special-effect text uses the same directions as the shadow of a text label.
using TShadowOrientation = TShadowDirection;

class TKSuperText : public TKGraphicControl
{
public:
    // How the letters are filled: font colour, left empty, tiled Image, or the gradient.
    enum TSurfaceType
    {
        stNormal,
        stBrushTransparent,
        stBrushImage,
        stGradientFill
    };
    static const IdentList kSurfaceTypeIdents;

    TKSuperText();
    const char* ClassName() const override { return "TKSuperText"; }
    const PropTable& Properties() const override;

    int ShadowDepth() const { return mShadowDepth; }
    void SetShadowDepth(int v);
    TShadowOrientation ShadowOrientation() const { return mShadowOrientation; }
    void SetShadowOrientation(TShadowOrientation v);
    TColor Shadowcolor() const { return mShadowcolor; }
    void SetShadowcolor(TColor v);
    TBorderStyle BorderStyle() const { return mBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    bool ControlTransparent() const { return mControlTransparent; }
    void SetControlTransparent(bool v);
    TColor BGColor() const { return mBGColor; }
    void SetBGColor(TColor v);
    QString Caption() const { return mCaption; }
    void SetCaption(const QString& v);
    TKFont& Font() { return mFont; }
    const TKFont& Font() const { return mFont; }
    void SetFont(const TKFont& font) { mFont.Assign(font); }
    TFillDirection FillDirection() const { return mFillDirection; }
    void SetFillDirection(TFillDirection v);
    TColor GradientToColor() const { return mGradientToColor; }
    void SetGradientToColor(TColor v);
    TColor GradientFromColor() const { return mGradientFromColor; }
    void SetGradientFromColor(TColor v);
    // The texture; an empty bitmap when there is none.
    TKBitmap& Image() { return mImage; }
    const TKBitmap& Image() const { return mImage; }
    void SetImage(const TKBitmap& image) { mImage.Assign(image); }
    TColor OutlineColor() const { return mOutlineColor; }
    void SetOutlineColor(TColor v);
    TPenStyle OutlineStyle() const { return mOutlineStyle; }
    void SetOutlineStyle(TPenStyle v);
    int OutlineWidth() const { return mOutlineWidth; }
    void SetOutlineWidth(int v);
    // Anything but stBrushImage discards the texture; stBrushTransparent turns a clear outline solid.
    TSurfaceType SurfaceType() const { return mSurfaceType; }
    void SetSurfaceType(TSurfaceType v);
    // The full path of the texture file last chosen.
    QString LastBitmapFileNameandPath() const { return mLastBitmapFileNameandPath; }
    void SetLastBitmapFileNameandPath(const QString& v) { mLastBitmapFileNameandPath = v; }

    // Offset of the shadow copy, kept in step with the depth and orientation.
    QPoint ShadowOffset() const { return mShadowOffset; }
    bool LayoutNeeded() const { return mLayoutNeeded; }
    // The gradient bitmap is out of date: set whenever what it shows changes while the surface is a gradient.
    bool GradientNeeded() const { return mGradientNeeded; }

    void Loaded() override;
    void BoundsChanged() override;
    void ApplyFont(const TKFont& font) override;

protected:
    void SetLayoutNeeded(bool v) { mLayoutNeeded = v; }
    void SetGradientNeeded(bool v) { mGradientNeeded = v; }

private:
    void GradientChanged();

    int mShadowDepth = 0;
    TShadowOrientation mShadowOrientation = sdDownRight;
    TColor mShadowcolor = clGray;
    TBorderStyle mBorderStyle = bsNone;
    bool mControlTransparent = true;
    TColor mBGColor = clWhite;
    QString mCaption;
    TKFont mFont;
    TFillDirection mFillDirection = gdRight;
    TColor mGradientToColor = clYellow;
    TColor mGradientFromColor = clBlue;
    TKBitmap mImage;
    TColor mOutlineColor = clBlack;
    TPenStyle mOutlineStyle = psSolid;
    int mOutlineWidth = 1;
    TSurfaceType mSurfaceType = stGradientFill;
    QString mLastBitmapFileNameandPath;

    QPoint mShadowOffset;
    bool mLayoutNeeded = true;
    bool mGradientNeeded = true;
};

} // namespace qm
