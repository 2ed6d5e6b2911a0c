// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The line a drag from `from` to `to` draws: the style and the box (panel pixels). Wider than tall gives
    // a horizontal line at the height the drag started, taller than wide a vertical one, its length the
    // drag's; a drag nearer a diagonal (neither side under half the other) the sloping line corner to
    // corner in its direction. A click gives a short vertical line.
    QRect FitToDrag(QPoint from, QPoint to);

    void Loaded() override;
    // On screen the pen stays inside the bounds as GDI places it; on paper the line runs along the box, its
    // pen width taken as hundredths of an inch.
    void Draw(QPainter& painter, const RenderContext& context) const override;
    void BuildPopupMenu(TKMenu& menu) override;
    void UpdatePopupMenu() override;

private:
    void DrawOnPaper(QPainter& painter) const;

    TLineStyle mLineStyle = stHorizontal;
    TKPen mPen;
    std::array<QAction*, 4> mStyleItems{};
    std::array<QAction*, 10> mThicknessItems{};
};

} // namespace qm
