// SPDX-License-Identifier: GPL-3.0-or-later
// TKLabelShapes: a rectangle, rounded rectangle or ellipse with an outline pen and a fill brush.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

#include <array>
#include <functional>

namespace qm {

// Six values, three figures: the "square" and "circle" values still fill the whole bounding rectangle.
enum TShapeType
{
    stRectangle,
    stSquare,
    stRoundRect,
    stRoundSquare,
    stEllipse,
    stCircle
};
extern const IdentList kShapeTypeIdents;

class TKLabelShapes : public TKGraphicControl
{
public:
    TKLabelShapes();
    const char* ClassName() const override { return "TKLabelShapes"; }
    const PropTable& Properties() const override;

    // True leaves the interior unfilled; also switches the brush between clear and solid.
    bool Transparent() const { return mTransparent; }
    void SetTransparent(bool value);
    TKBrush& Brush() { return mBrush; }
    const TKBrush& Brush() const { return mBrush; }
    void SetBrush(const TKBrush& brush) { mBrush.Assign(brush); }
    TKPen& Pen() { return mPen; }
    const TKPen& Pen() const { return mPen; }
    void SetPen(const TKPen& pen) { mPen.Assign(pen); }
    // Corner size of the rounded figures, in percent of the larger side; not range-checked.
    int RoundPerc() const { return mRoundPerc; }
    void SetRoundPerc(int value);
    TShapeType Shape() const { return mShape; }
    void SetShape(TShapeType value);

    // The figure the shape value draws.
    bool IsRectangleFigure() const { return mShape == stRectangle || mShape == stSquare; }
    bool IsRoundRectFigure() const { return mShape == stRoundRect || mShape == stRoundSquare; }
    bool IsEllipseFigure() const { return mShape == stEllipse || mShape == stCircle; }

    // The width the outline is drawn with at the current scale.
    int ScreenPenWidth() const;
    // The corner ellipse of the rounded figure, in object pixels: the same size on both axes.
    int CornerSize() const;

    void Loaded() override;
    // On screen: a solid outline (a stored dash style shows on paper only), the pen kept inside the bounds.
    // On paper: the figure over the box with its outline along the edges, the pen in hundredths of an inch,
    // styled as stored.
    void Draw(QPainter& painter, const RenderContext& context) const override;
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;

private:
    bool mTransparent = false;
    TKBrush mBrush;
    TKPen mPen;
    int mRoundPerc = 0;
    TShapeType mShape = stRectangle;
    QAction* mTransparentItem = nullptr;
    std::array<QAction*, 10> mThicknessItems{};
};

// ---- Shared with the line object ----

// The pen width drawn: the stored width, kept within what can be drawn.
int DrawnPenWidth(int penWidth);
// Sets the painter's pen (and brush, when given) the way GDI draws them: solid or styled pen of `width`
// pixels (0 draws one pixel), round ends and joins once wider than one pixel, the pen's mix mode. Styles only
// show on pens at most one pixel wide; `withStyle` false always draws solid. False when nothing would be
// drawn.
bool SelectPenAndBrush(QPainter& painter, const TKPen& pen, int width, bool withStyle, const TKBrush* brush);
// The paper form of a pen: `hundredths` of an inch wide (0 for the thinnest line the device draws), in the
// card's units, styled as stored; the mix modes that name a fixed colour keep it. False when nothing would be
// drawn.
bool SelectPaperPenAndBrush(QPainter& painter, const TKPen& pen, int hundredths, const TKBrush* brush);
// How far a pen of this width is moved so that its pixels land where GDI puts them around a pixel position:
// odd widths centre on the pixel, even widths cover one more pixel before it than after.
double PenCentreOffset(int width);
// Asks for a colour through the panel's dialogs; false when cancelled or there is no panel.
bool ChooseObjectColor(TKGraphicControl& object, TColor& color);
// "Line Thickness" with the items "1 Point".."10 Point"; `choose` gets the number picked.
void AddThicknessMenu(TKMenu& menu, std::array<QAction*, 10>& items, std::function<void(int)> choose);
void CheckThickness(const std::array<QAction*, 10>& items, int width);

} // namespace qm
