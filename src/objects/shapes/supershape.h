// SPDX-License-Identifier: GPL-3.0-or-later
// TSuperShape: the multi-purpose shape (star, polygon, triangles...) with shadow, outline and surface.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"
#include "objects/shapes/surfacefill.h"

#include <QImage>
#include <QPoint>

#include <vector>

namespace qm {

enum TKPShapeType
{
    kstRectangle,
    kstRoundRect,
    kstEllipse,
    kstDiamond,
    kstStar,
    kstTriangleLeft,
    kstTriangleRight,
    kstTriangleUp,
    kstTriangleDown,
    kstPolyGon
};
enum TShadowOrient
{
    soNone,
    soLowerRight,
    soUpperRight,
    soUpperLeft,
    soLowerLeft
};

extern const IdentList kKPShapeTypeIdents;
extern const IdentList kShadowOrientIdents;
// Identifiers of TSuperShape::TSurfaceType.
extern const IdentList kSuperSurfaceTypeIdents;

// A working copy of the surface, rebuilt from the shape's values: its size and, for the solid surface, the
// colour it is filled with.
struct SurfaceBitmap
{
    int width = 0;
    int height = 0;
    TColor color = clBlack;
};

// A rectangle as left, top, right and bottom edges, the right and bottom exclusive.
struct ShapeEdges
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ShapeEdges& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

class TSuperShape : public TKGraphicControl
{
public:
    // Declared here: the special-effect text has a surface type of its own with some of the same identifiers.
    enum TSurfaceType
    {
        stBrushTransparent,
        stBrushPattern,
        stBrushImage,
        stGradientFill
    };

    TSuperShape();
    const char* ClassName() const override { return "TSuperShape"; }
    const PropTable& Properties() const override;

    TColor BackColor() const { return mBackColor; }
    void SetBackColor(TColor value);
    TFillDirection FillDirection() const { return mFillDirection; }
    void SetFillDirection(TFillDirection value);
    TColor ForeColor() const { return mForeColor; }
    void SetForeColor(TColor value);
    TColor GradientToColor() const { return mGradientToColor; }
    void SetGradientToColor(TColor value);
    // The texture; an empty bitmap is no texture.
    TKBitmap& Image() { return mImage; }
    const TKBitmap& Image() const { return mImage; }
    void SetImage(const TKBitmap& bitmap) { mImage.Assign(bitmap); }
    int InVectorPercent() const { return mInVectorPercent; }
    void SetInVectorPercent(int value);
    TColor OutlineColor() const { return mOutlineColor; }
    void SetOutlineColor(TColor value);
    TPenStyle OutlineStyle() const { return mOutlineStyle; }
    void SetOutlineStyle(TPenStyle value);
    int OutlineWidth() const { return mOutlineWidth; }
    void SetOutlineWidth(int value);
    TBrushStyle Pattern() const { return mPattern; }
    void SetPattern(TBrushStyle value);
    int RoundPerc() const { return mRoundPerc; }
    void SetRoundPerc(int value);
    TColor ShadowColor() const { return mShadowColor; }
    void SetShadowColor(TColor value);
    int ShadowDepth() const { return mShadowDepth; }
    void SetShadowDepth(int value);
    TShadowOrient ShadowOrient() const { return mShadowOrient; }
    void SetShadowOrient(TShadowOrient value);
    TKPShapeType Shape() const { return mShape; }
    void SetShape(TKPShapeType value);
    int StartingAngle() const { return mStartingAngle; }
    void SetStartingAngle(int value);
    TSurfaceType SurfaceType() const { return mSurfaceType; }
    void SetSurfaceType(TSurfaceType value);
    int Vectors() const { return mVectors; }
    void SetVectors(int value);
    QString LastBitmapFileNameandPath() const { return mLastBitmapFileNameandPath; }
    void SetLastBitmapFileNameandPath(const QString& value) { mLastBitmapFileNameandPath = value; }

    // Takes every setting of another shape through the setters, then its size (the dialogs' sample shape).
    void CopyFrom(const TSuperShape& other);
    // The properties dialog on a sample copy; on OK the settings (not the size) and the texture path come
    // back through the setters and the card is marked changed. False when cancelled or there is no panel.
    bool OpenProperties();
    void BuildPopupMenu(TKMenu& menu) override;

    // The working surfaces: the solid-colour bitmap and the gradient bitmap.
    const SurfaceBitmap& SolidBitmap() const { return mSolid; }
    const SurfaceBitmap& GradientBitmap() const { return mGradient; }
    void RebuildSolid();
    void RebuildGradient();

    void Loaded() override;
    void BoundsChanged() override;

    // ---- Geometry (object pixels) ----
    // The figure and shadow rectangles at the given zoom; the shadow is empty without one.
    void ShapeRects(ShapeEdges& figure, ShapeEdges& shadow) const;
    // The corners of the diamond, the triangles, the star and the polygon built in `r`; empty for the
    // rectangle, rounded rectangle and ellipse.
    std::vector<QPoint> FigurePoints(const ShapeEdges& r) const;
    // The corner ellipse of the rounded rectangle (both axes), a share of the object's larger side.
    int CornerSize() const;
    // The gradient's colours at its top (vertical) or left (horizontal) edge and at the other end, as RGB.
    void GradientEnds(QRgb& start, QRgb& end) const;
    // The texture picture, decoded once; null when there is none or it cannot be read or is absurdly large.
    const QImage& Texture() const;

    // Shadow, surface clipped to the figure, then the outline. Paper gets the gradient as vector bands and
    // the texture as a tiled pattern.
    void Draw(QPainter& painter, const RenderContext& context) const override;

private:
    bool IsGradient() const { return mSurfaceType == stGradientFill; }
    bool IsSolid() const { return mSurfaceType == stBrushPattern; }
    void GradientChanged();
    // Every setting of another shape through the setters, in the order the dialogs rely on; not the size.
    void TakeSettings(const TSuperShape& other);

    TColor mBackColor = clRed;
    TFillDirection mFillDirection = gdUp;
    TColor mForeColor = clBlack;
    TColor mGradientToColor = clBlue;
    TKBitmap mImage;
    int mInVectorPercent = 50;
    TColor mOutlineColor = clBlack;
    TPenStyle mOutlineStyle = psSolid;
    int mOutlineWidth = 1;
    TBrushStyle mPattern = bsClear;
    int mRoundPerc = 25;
    TColor mShadowColor = clBlack;
    int mShadowDepth = 5;
    TShadowOrient mShadowOrient = soNone;
    TKPShapeType mShape = kstStar;
    int mStartingAngle = 90;
    TSurfaceType mSurfaceType = stGradientFill;
    int mVectors = 10;
    QString mLastBitmapFileNameandPath;

    SurfaceBitmap mSolid;
    SurfaceBitmap mGradient;
    TextureCache mTexture;
};

} // namespace qm
