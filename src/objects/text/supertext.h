// SPDX-License-Identifier: GPL-3.0-or-later
// TKSuperText: special-effect text filled with a colour, gradient or texture, outlined and shadowed.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"
#include "objects/shapes/surfacefill.h"

#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QString>

class QFont;

namespace qm {

class TKDialogs;

// The shadow of special-effect text uses the same directions as the shadow of a text label.
using TShadowOrientation = TShadowDirection;

// Where the letters and their shadow stand in the box, at the object's zoom.
struct SuperTextGeometry
{
    QPoint shadowOffset; // the shadow's offset at the zoom
    QPoint margin;       // room before and above the letters for a shadow that falls left or up
    QPoint mainOrigin;   // the top-left corner of the letters' cell
    QPoint shadowOrigin;
    int textLeft = 0;    // the larger left edge of the two: the letters get the box's width less this
    int cellHeight = 0;  // the drawing font's ascent plus descent
    int ascent = 0;
};

// The refit clock of the properties dialog: it ticks every 200 ms from the moment the dialog opened, and the
// first tick after the caption was edited refits the preview, however many keys were typed in between.
class SuperTextRefit
{
public:
    static constexpr qint64 kIntervalMs = 200;
    explicit SuperTextRefit(qint64 openedAt = 0) : mNextTick(openedAt + kIntervalMs) {}
    void Edited(qint64 now);
    // The ticks due by `now`: true when one of them follows an edit not refitted yet.
    bool Poll(qint64 now);
    qint64 NextTick() const { return mNextTick; }

private:
    qint64 mNextTick;
    bool mEdited = false;
    qint64 mEditedAt = 0;
};

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
    void PrepareLayout() override;
    // Shadow, letters filled with the surface, outline; on paper the letters stay vector paths (plain
    // letters and the shadow stay text). On screen a box too narrow for its text shows a red mark in its
    // bottom-right corner, as text frames do in page layout programs.
    void Draw(QPainter& painter, const RenderContext& context) const override;
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;

    // ---- Layout (object pixels at the zoom) ----
    // The font the letters are drawn in at the zoom (a symbol font's codes in a face that has them).
    QFont DrawingFont() const;
    // The caption as drawn: a symbol font's codes as the characters they stand for.
    QString DrawnCaption() const;
    SuperTextGeometry Geometry(const QFont& font) const;
    // The longest start of `text` no wider than `room` pixels in `font` (the caption loses characters from its
    // end until it fits).
    static QString FittedText(const QFont& font, const QString& text, int room);
    // The letters' outline with the cell's top-left corner at `origin`.
    static QPainterPath LetterPath(const QFont& font, const QString& text, QPoint origin, int ascent);
    // The gradient's colours at its top (vertical) or left (horizontal) edge and at the other end, as RGB.
    void GradientEnds(QRgb& start, QRgb& end) const;
    // The texture picture, decoded once; null when there is none or it cannot be read or is absurdly large.
    const QImage& Texture() const;
    // Fits the box to the caption (keeping its top-left corner), as after each change made in the dialogs.
    void FitToText();
    // FitToText, then keeps the box on the card it stands on: a box running past the card's right edge moves
    // left, as far as the card's left edge. False when even so the letters end past the card's edge; the
    // user is then told why the end of the text is not seen.
    bool FitToCard();
    // Whether the box cuts letters off the end of the caption (it is narrower than the text).
    bool TextCut() const;

    // ---- Commands ----
    // The font dialog; true when a font was chosen, and the box then fits the text in the new font.
    bool ChooseFont();
    // Takes every setting of another special-effect text (the dialogs' preview), with its size.
    void CopyFrom(const TKSuperText& other);
    // The properties dialog on a preview copy; on OK the settings come back through the setters, the box
    // fits the text (on the card) and the card is marked changed. False when cancelled or there is no panel.
    bool OpenProperties();
    // What OK of the properties dialog takes from the preview, in the order the setters' knock-ons need.
    void TakeProperties(const TKSuperText& preview, const QString& texturePath);

protected:
    void SetLayoutNeeded(bool v) { mLayoutNeeded = v; }
    void SetGradientNeeded(bool v) { mGradientNeeded = v; }

private:
    void GradientChanged();
    // The caption as the design panel shows it: placeholders with the personal strings of the moment.
    QString ShownCaption() const;
    // The surface setter's knock-on: transparent letters with a clear outline get a solid one.
    void KeepEmptyLettersOutlined();
    void LayOut();

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
    bool mInLayout = false;
    TextureCache mTexture;
    // The gradient's bands on screen, painted once for the box's size and colours.
    const QImage& GradientPicture(int w, int h, QRgb start, QRgb end, bool vertical) const;
    mutable QImage mGradientPicture;
    mutable QList<qint64> mGradientKey;
    // The letters' outline at the origin, for the font and text it was traced from.
    mutable QPainterPath mLetters;
    mutable QString mLettersKey;
};

} // namespace qm
