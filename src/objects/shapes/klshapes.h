// TKLabelShapes: a rectangle, rounded rectangle or ellipse with an outline pen and a fill brush.
#pragma once

#include "design/kgraphc.h"
#include "design/ksubobj.h"

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

private:
    bool mTransparent = false;
    TKBrush mBrush;
    TKPen mPen;
    int mRoundPerc = 0;
    TShapeType mShape = stRectangle;
};

} // namespace qm
