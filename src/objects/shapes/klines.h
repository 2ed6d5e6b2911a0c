// TKLineShape: a straight line across its bounding rectangle: horizontal, vertical or diagonal.
#pragma once

#include "design/kgraphc.h"
#include "design/ksubobj.h"

namespace qm {

enum TLineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };
extern const IdentList kLineStyleIdents;

class TKLineShape : public TKGraphicControl
{
public:
    TKLineShape();
    const char* ClassName() const override { return "TKLineShape"; }
    const PropTable& Properties() const override;

    TLineStyle LineStyle() const { return mLineStyle; }
    void SetLineStyle(TLineStyle v);
    TKPen& Pen() { return mPen; }
    const TKPen& Pen() const { return mPen; }
    void SetPen(const TKPen& pen) { mPen.Assign(pen); }

private:
    TLineStyle mLineStyle = stHorizontal;
    TKPen mPen;
};

} // namespace qm
