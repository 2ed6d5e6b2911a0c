// TKLineShape: a straight line across its bounding rectangle.
#include "objects/shapes/klines.h"

namespace qm {

const IdentList kLineStyleIdents = {"stHorizontal", "stVertical", "stAngleSlopingUp", "stAngleSlopingDown"};

TKLineShape::TKLineShape()
{
    SetBounds(0, 0, 10, 10);
    mPen.OnChange = [this] { Invalidate(); };
}

const PropTable& TKLineShape::Properties() const
{
    static const PropTable table({&BaseProperties()},
                                 {
                                     prop::Enum("LineStyle", &TKLineShape::LineStyle, &TKLineShape::SetLineStyle,
                                                kLineStyleIdents, stHorizontal),
                                     prop::Object("Pen", static_cast<TKPen& (TKLineShape::*)()>(&TKLineShape::Pen)),
                                 });
    return table;
}

void TKLineShape::SetLineStyle(TLineStyle v)
{
    if (v == mLineStyle)
        return;
    mLineStyle = v;
    Invalidate();
}

} // namespace qm
