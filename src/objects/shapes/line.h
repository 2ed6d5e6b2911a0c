// TKLineShape: a straight line across its bounding rectangle: horizontal, vertical or diagonal.
#pragma once

#include "model/cardobject.h"
#include "model/subobjects.h"

#include <array>

namespace qm {

enum TLineStyle
{
    stHorizontal,
    stVertical,
    stAngleSlopingUp,
    stAngleSlopingDown
};
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

    // The width the line is drawn with at the current scale (0 still draws one pixel).
    int ScreenPenWidth() const;
    // A horizontal line spans the panel's width, a vertical one its height; diagonals stay. Needs a panel.
    void StretchToEdges();

    void Loaded() override;
    void Paint(QPainter& painter) override;
    // The line in inches, its pen width taken as hundredths of an inch.
    void PrintTo(TKReport& report, double x, double y) override;
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;

private:
    TLineStyle mLineStyle = stHorizontal;
    TKPen mPen;
    std::array<QAction*, 4> mStyleItems{};
    std::array<QAction*, 10> mThicknessItems{};
};

} // namespace qm
