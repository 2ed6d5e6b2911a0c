// SPDX-License-Identifier: GPL-3.0-or-later
// TKLineShape: a straight line across its bounding rectangle.
#include "objects/shapes/line.h"

#include "model/objectmenu.h"
#include "objects/shapes/basicshape.h"
#include "model/cardrender.h"

#include <QAction>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace qm {

const IdentList kLineStyleIdents = {"stHorizontal", "stVertical", "stAngleSlopingUp", "stAngleSlopingDown"};

TKLineShape::TKLineShape()
{
    SetBounds(0, 0, 10, 10);
    mPen.OnChange = [this] { Invalidate(); };
}

const PropTable& TKLineShape::Properties() const
{
    static const PropTable table(
        {&BaseProperties()},
        {
            prop::Enum("LineStyle", &TKLineShape::LineStyle, &TKLineShape::SetLineStyle, kLineStyleIdents,
                       stHorizontal),
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

// No minimum: a one-pixel pen scaled below a half draws with width 0, which is still one pixel.
int TKLineShape::ScreenPenWidth() const
{
    return DrawnPenWidth(mPen.Width());
}

void TKLineShape::StretchToEdges()
{
    ObjectHost* panel = DesignPanel();
    if (!panel)
        return;
    // The bounds check reports the change.
    if (mLineStyle == stHorizontal)
        SetBounds(0, Top(), panel->PanelWidth(), Height());
    else if (mLineStyle == stVertical)
        SetBounds(Left(), 0, Width(), panel->PanelHeight());
    Invalidate();
}

QRect TKLineShape::FitToDrag(QPoint from, QPoint to)
{
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int w = std::abs(dx);
    const int h = std::abs(dy);
    const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
    if (std::max(w, h) < 4) {
        SetLineStyle(stVertical);
        return QRect(from, QSize(0, 0));
    }
    if (2 * std::min(w, h) >= std::max(w, h)) {
        SetLineStyle((dx > 0) == (dy > 0) ? stAngleSlopingDown : stAngleSlopingUp);
        return QRect(topLeft, QSize(w, h));
    }
    if (w > h) {
        SetLineStyle(stHorizontal);
        return QRect(topLeft.x(), from.y(), w, 0);
    }
    SetLineStyle(stVertical);
    return QRect(from.x(), topLeft.y(), 0, h);
}

void TKLineShape::Loaded()
{
    TKGraphicControl::Loaded(); // drops the menu: it is rebuilt on first use
    mStyleItems.fill(nullptr);
    mThicknessItems.fill(nullptr);
}

void TKLineShape::Draw(QPainter& painter, const RenderContext& context) const
{
    if (context.OnPaper()) {
        DrawOnPaper(painter);
        return;
    }
    const int w = ScreenPenWidth();
    const int h = w / 2;
    // GDI end points: straight lines are moved in by the pen so that they stay inside the bounds (the end
    // point itself is not drawn by a one-pixel pen); diagonals run corner to corner.
    QPointF from(h, h), to;
    switch (mLineStyle) {
    case stHorizontal:
        to = QPointF(double(Width()) - w + 1 + h, h);
        break;
    case stVertical:
        to = QPointF(h, h + double(Height()) - w + 1);
        break;
    case stAngleSlopingUp:
        from = QPointF(Width(), 0);
        to = QPointF(0, Height());
        break;
    case stAngleSlopingDown:
        from = QPointF(0, 0);
        to = QPointF(Width(), Height());
        break;
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (SelectPenAndBrush(painter, mPen, w, true, nullptr)) {
        const double o = PenCentreOffset(w);
        painter.translate(o, o);
        painter.drawLine(from, to);
    }
    painter.restore();
}

void TKLineShape::DrawOnPaper(QPainter& painter) const
{
    // Wider pens only come from damaged files; they print at the widest a shape's outline prints.
    constexpr int kMaxPenWidth = 4096;
    const int w = std::clamp(mPen.Width(), -kMaxPenWidth, kMaxPenWidth);
    // The pixel width is taken as hundredths of an inch: a 3-pixel line prints 3/100 inch thick.
    TKPen pen;
    pen.Assign(mPen);
    pen.SetMode(pmCopy);
    const double xl = 0, xr = Width();
    const double yt = w / 2, yb = w / 2 + Height();
    QPointF from, to;
    switch (mLineStyle) {
    case stHorizontal:
        from = QPointF(xl, yt);
        to = QPointF(xr, yt);
        break;
    case stVertical:
        from = QPointF(xl, yt);
        to = QPointF(xl, yb);
        break;
    case stAngleSlopingUp:
        from = QPointF(xl, yb);
        to = QPointF(xr, yt);
        break;
    case stAngleSlopingDown:
        from = QPointF(xl, yt);
        to = QPointF(xr, yb);
        break;
    }
    painter.save();
    if (SelectPaperPenAndBrush(painter, pen, w, nullptr))
        painter.drawLine(from, to);
    painter.restore();
}

void TKLineShape::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    TKMenu* styles = m.AddSubmenu(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Style"));
    const char* const captions[] = {QT_TRANSLATE_NOOP("qm::ObjectMenu", "Horizontal"),
                                    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Vertical"),
                                    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Angled Sloping Up"),
                                    QT_TRANSLATE_NOOP("qm::ObjectMenu", "Angled Sloping Down")};
    for (int s = stHorizontal; s <= stAngleSlopingDown; ++s) {
        mStyleItems[size_t(s)] = styles->AddCheckItem(captions[s], [this, s] {
            NotifyChanged();
            SetLineStyle(TLineStyle(s));
            UpdatePopupMenu();
        });
    }
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Color"), [this] {
        TColor color = mPen.Color();
        if (!ChooseObjectColor(*this, color))
            return;
        NotifyChanged();
        mPen.SetColor(color);
        Invalidate();
    });
    AddThicknessMenu(m, mThicknessItems, [this](int n) {
        mPen.SetWidth(n);
        NotifyChanged();
        UpdatePopupMenu();
    });
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Stretch To Edges"), [this] { StretchToEdges(); });
}

void TKLineShape::UpdatePopupMenu()
{
    CheckThickness(mThicknessItems, mPen.Width());
    for (size_t s = 0; s < mStyleItems.size(); ++s) {
        if (mStyleItems[s])
            mStyleItems[s]->setChecked(int(s) == int(mLineStyle));
    }
}

} // namespace qm
