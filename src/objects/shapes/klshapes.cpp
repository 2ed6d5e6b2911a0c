// TKLabelShapes: the basic rectangle, rounded rectangle and ellipse shape.
#include "objects/shapes/klshapes.h"

namespace qm {

const IdentList kShapeTypeIdents = {"stRectangle",   "stSquare",  "stRoundRect",
                                    "stRoundSquare", "stEllipse", "stCircle"};

TKLabelShapes::TKLabelShapes()
{
    SetBounds(0, 0, 25, 25);
    mBrush.OnChange = [this] { Invalidate(); };
    mPen.OnChange = [this] { Invalidate(); };
    SetRoundPerc(25);
}

const PropTable& TKLabelShapes::Properties() const
{
    using C = TKLabelShapes;
    static const PropTable table(
        {&BaseProperties()}, {
                                 prop::Bool("Transparent", &C::Transparent, &C::SetTransparent),
                                 prop::Object("Brush", static_cast<TKBrush& (C::*)()>(&C::Brush)),
                                 prop::Object("Pen", static_cast<TKPen& (C::*)()>(&C::Pen)),
                                 prop::Int("RoundPerc", &C::RoundPerc, &C::SetRoundPerc, 25),
                                 prop::Enum("Shape", &C::Shape, &C::SetShape, kShapeTypeIdents, stRectangle),
                             });
    return table;
}

void TKLabelShapes::SetTransparent(bool value)
{
    if (value == mTransparent)
        return;
    mTransparent = value;
    mBrush.SetStyle(value ? bsClear : bsSolid);
    Invalidate();
}

void TKLabelShapes::SetRoundPerc(int value)
{
    if (value == mRoundPerc)
        return;
    mRoundPerc = value;
    Invalidate();
}

void TKLabelShapes::SetShape(TShapeType value)
{
    if (value == mShape)
        return;
    mShape = value;
    Invalidate();
}

} // namespace qm
