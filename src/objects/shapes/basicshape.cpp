// SPDX-License-Identifier: GPL-3.0-or-later
// TKLabelShapes: the basic rectangle, rounded rectangle and ellipse shape, and the pen helpers lines share.
#include "objects/shapes/basicshape.h"

#include "model/colors.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "model/cardrender.h"
#include "platform/units.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Wider pens than this only come from damaged files; they already cover any card.
constexpr int kMaxPenWidth = 4096;

// GDI's cosmetic dash patterns, in pixels.
QVector<qreal> DashPattern(TPenStyle style)
{
    switch (style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

// The raster operation of a mix mode; pmCopy, pmBlack and pmWhite paint normally (with a fixed colour for the
// last two).
QPainter::CompositionMode MixMode(TPenMode mode)
{
    switch (mode) {
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

} // namespace

int DrawnPenWidth(int penWidth)
{
    return std::clamp(penWidth, 0, kMaxPenWidth);
}

double PenCentreOffset(int width)
{
    return width > 1 && width % 2 == 1 ? 0.5 : 0.0;
}

bool SelectPenAndBrush(QPainter& painter, const TKPen& pen, int width, bool withStyle, const TKBrush* brush)
{
    const TPenMode mode = pen.Mode();
    if (mode == pmNop)
        return false;
    const TPenStyle style = withStyle ? pen.Style() : psSolid;
    if (style == psClear && !brush)
        return false;

    QColor penColor = ToQColor(pen.Color());
    QColor brushColor = brush ? ToQColor(brush->Color()) : QColor();
    if (mode == pmBlack || mode == pmWhite)
        penColor = brushColor = mode == pmBlack ? QColor(Qt::black) : QColor(Qt::white);
    painter.setCompositionMode(MixMode(mode));

    if (style == psClear) {
        painter.setPen(Qt::NoPen);
    } else {
        QPen qpen(penColor, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap,
                  width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
        // A pen wider than one pixel cannot be styled: GDI draws it solid.
        const QVector<qreal> dashes = width <= 1 ? DashPattern(style) : QVector<qreal>();
        if (!dashes.isEmpty())
            qpen.setDashPattern(dashes);
        painter.setPen(qpen);
    }
    if (brush) {
        const Qt::BrushStyle bs = ToQtBrushStyle(brush->Style());
        painter.setBrush(bs == Qt::NoBrush ? QBrush() : QBrush(brushColor, bs));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
    return true;
}

bool SelectPaperPenAndBrush(QPainter& painter, const TKPen& pen, int hundredths, const TKBrush* brush)
{
    const TPenMode mode = pen.Mode();
    if (mode == pmNop)
        return false;
    const QColor color = PenModeColor(mode, pen.Color());
    if (pen.Style() == psClear) {
        painter.setPen(Qt::NoPen);
    } else {
        // Hundredths of an inch in card units; width 0 is the device's thinnest line.
        const double width = std::clamp(hundredths, 0, kMaxPenWidth) * kUnitsPerInch * 0.01;
        const bool wide = hundredths > 0;
        QPen qpen(color, width, ToQtPenStyle(pen.Style()), wide ? Qt::RoundCap : Qt::FlatCap,
                  wide ? Qt::RoundJoin : Qt::MiterJoin);
        painter.setPen(qpen);
    }
    if (brush && brush->Style() != bsClear)
        painter.setBrush(QBrush(ToQColor(brush->Color()), ToQtBrushStyle(brush->Style())));
    else
        painter.setBrush(Qt::NoBrush);
    return true;
}

bool ChooseObjectColor(TKGraphicControl& object, TColor& color)
{
    TKDialogs* dialogs = object.Host() ? object.Host()->Dialogs() : nullptr;
    return dialogs && dialogs->ChooseColor(color);
}

void AddThicknessMenu(TKMenu& menu, std::array<QAction*, 10>& items, std::function<void(int)> choose)
{
    TKMenu* sub = menu.AddSubmenu(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Line Thickness"));
    for (int n = 1; n <= 10; ++n) {
        //: A line width in the thickness menu ("3 Point").
        const QString shown = QCoreApplication::translate("qm::ObjectMenu", "%n Point", nullptr, n);
        QAction* item = sub->AddItemAs(QStringLiteral("%1 Point").arg(n), shown, [choose, n] { choose(n); });
        item->setCheckable(true);
        items[size_t(n - 1)] = item;
    }
}

void CheckThickness(const std::array<QAction*, 10>& items, int width)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i])
            items[i]->setChecked(int(i) + 1 == width);
    }
}

// ---- TKLabelShapes ----

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

int TKLabelShapes::ScreenPenWidth() const
{
    return DrawnPenWidth(mPen.Width());
}

int TKLabelShapes::CornerSize() const
{
    // 0.01 as a double is a hair above a hundredth, so whole results do not truncate one short.
    const double c = std::trunc(double(std::max(Width(), Height())) * mRoundPerc * 0.01);
    return int(std::clamp(c, 0.0, 1e9));
}

void TKLabelShapes::Loaded()
{
    TKGraphicControl::Loaded(); // drops the menu: it is rebuilt on first use
    mTransparentItem = nullptr;
    mThicknessItems.fill(nullptr);
}

void TKLabelShapes::Draw(QPainter& painter, const RenderContext& context) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (context.OnPaper()) {
        // No inset for the pen: on paper the outline runs along the box's edges.
        const int penWidth = std::clamp(mPen.Width(), -kMaxPenWidth, kMaxPenWidth);
        const int hundredths = int(std::trunc(penWidth / double(kUnitsPerInch) * 100));
        if (SelectPaperPenAndBrush(painter, mPen, hundredths, &mBrush)) {
            QRectF figure(0, 0, Width(), Height());
            if (mPen.Style() == psInsideFrame) {
                const double h = hundredths * kUnitsPerInch * 0.01 / 2;
                figure.adjust(h, h, -h, -h);
            }
            if (IsRoundRectFigure()) {
                // The corner ellipse is a share of the larger side, as on screen.
                const double c = mRoundPerc * 0.01 * (Height() < Width() ? Width() : Height());
                painter.drawRoundedRect(figure, c / 2, c / 2);
            } else if (IsEllipseFigure()) {
                painter.drawEllipse(figure);
            } else {
                painter.drawRect(figure);
            }
        }
        painter.restore();
        return;
    }

    const int w = ScreenPenWidth();
    const int h = w / 2;
    // The figure as GDI takes it, (h, h) - (Width - w + 1 + h, Height - w + 1 + h) with the right and bottom
    // edges exclusive, so that a thick outline stays inside the bounds. Qt outlines run through pixel
    // positions, hence the last covered column and row.
    const double x2 = double(Width()) - w + 1 + h, y2 = double(Height()) - w + 1 + h;
    const QRectF figure = QRectF(QPointF(h, h), QPointF(x2 - 1, y2 - 1)).normalized();
    if (SelectPenAndBrush(painter, mPen, w, false, &mBrush)) {
        const double o = PenCentreOffset(w);
        painter.translate(o, o);
        painter.setBrushOrigin(QPointF(painter.brushOrigin()) - QPointF(o, o)); // hatches stay on the box
        if (IsRoundRectFigure()) {
            const double r = std::max(CornerSize() - 1, 0) / 2.0;
            painter.drawRoundedRect(figure, r, r);
        } else if (IsEllipseFigure()) {
            painter.drawEllipse(figure);
        } else {
            painter.drawRect(figure);
        }
    }
    painter.restore();
}

void TKLabelShapes::BuildPopupMenu(TKMenu& m)
{
    TKGraphicControl::BuildPopupMenu(m);
    m.AddSeparator();
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Background Color"), [this] {
        TColor color = mBrush.Color();
        if (!ChooseObjectColor(*this, color))
            return;
        mBrush.SetColor(color);
        NotifyChanged();
        SetTransparent(false);
        // A file may hold an opaque shape with a clear brush: a chosen colour shows in any case.
        if (mBrush.Style() == bsClear)
            mBrush.SetStyle(bsSolid);
        Invalidate();
    });
    m.AddItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Line Color"), [this] {
        TColor color = mPen.Color();
        if (!ChooseObjectColor(*this, color))
            return;
        mPen.SetColor(color);
        NotifyChanged();
        Invalidate();
    });
    AddThicknessMenu(m, mThicknessItems, [this](int n) {
        mPen.SetWidth(n);
        NotifyChanged();
        UpdatePopupMenu();
    });
    m.AddSeparator();
    mTransparentItem = m.AddCheckItem(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Transparent"), [this] {
        SetTransparent(!mTransparent);
        // The card differs from the saved one: the document must know.
        NotifyChanged();
        UpdatePopupMenu();
    });
    // Built once: the rounding items follow the figure the shape had then.
    if (IsRoundRectFigure()) {
        m.AddSeparator();
        TKMenu* rounding = m.AddSubmenu(QT_TRANSLATE_NOOP("qm::ObjectMenu", "Degree of Rounding"));
        for (int perc = 20; perc <= 80; perc += 10) {
            //: A degree of rounding, in percent ("30 %").
            const QString shown =
                QCoreApplication::translate("qm::ObjectMenu", "%1 %").arg(QLocale().toString(perc));
            rounding->AddItemAs(QStringLiteral("%1 %").arg(perc), shown, [this, perc] {
                SetRoundPerc(perc);
                NotifyChanged();
            });
        }
    }
}

void TKLabelShapes::UpdatePopupMenu()
{
    if (mTransparentItem)
        mTransparentItem->setChecked(mTransparent);
    CheckThickness(mThicknessItems, mPen.Width());
}

} // namespace qm
