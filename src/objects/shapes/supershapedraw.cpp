// SPDX-License-Identifier: GPL-3.0-or-later
// TSuperShape: figures, shadow, surfaces and outline, on screen, in pictures and on paper.
#include "objects/shapes/basicshape.h"
#include "objects/shapes/supershape.h"
#include "objects/shapes/surfacefill.h"

#include "model/cardrender.h"
#include "model/colors.h"
#include "platform/units.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Outlines wider than this only come from damaged files; they already cover any card.
constexpr int kMaxOutline = 4096;

} // namespace

void TSuperShape::ShapeRects(ShapeEdges& f, ShapeEdges& s) const
{
    const int d = std::clamp(mShadowDepth, -kMaxCoordinate, kMaxCoordinate);
    const int outline = std::clamp(mOutlineWidth, 0, kMaxOutline);
    const int h = outline / 2;
    const int r = Width() - outline + 1;
    const int b = Height() - outline + 1;
    s = ShapeEdges();
    if (mShape == kstDiamond && mShadowOrient != soNone) {
        // The diamond's shadow only moves sideways.
        const bool right = mShadowOrient == soLowerRight || mShadowOrient == soUpperRight;
        f = right ? ShapeEdges{h, h, r - d, b} : ShapeEdges{d + h, h, r, b};
        s = right ? ShapeEdges{d + h, h, r, b} : ShapeEdges{h, h, r - d, b};
        return;
    }
    switch (mShadowOrient) {
    case soLowerRight:
        f = {h, h, r - d, b - d};
        s = {d + h, d + h, r, b};
        break;
    case soUpperRight:
        f = {h, d + h, r - d, b};
        s = {d + h, h, r, b - d};
        break;
    case soUpperLeft:
        f = {d + h, d + h, r, b};
        s = {h, h, r - d, b - d};
        break;
    case soLowerLeft:
        f = {d + h, h, r, b - d};
        s = {h, d + h, r - d, b};
        break;
    default:
        f = {h, h, r, b};
        break;
    }
}

std::vector<QPoint> TSuperShape::FigurePoints(const ShapeEdges& e) const
{
    const int l = e.left, t = e.top;
    const int w = e.right - e.left, v = e.bottom - e.top;
    switch (mShape) {
    case kstDiamond:
        return {{l + w / 2, t}, {l + w - 1, t + v / 2}, {l + w / 2, t + v - 1}, {l, t + v / 2}};
    case kstTriangleLeft:
        return {{l + w - 1, t}, {l + w - 1, t + v - 1}, {l, t + v / 2}};
    case kstTriangleRight:
        return {{l, t}, {l + w - 1, t + v / 2}, {l, t + v - 1}};
    case kstTriangleUp:
        return {{l + w / 2, t}, {l, t + v - 1}, {l + w - 1, t + v - 1}};
    case kstTriangleDown:
        return {{l, t}, {l + w / 2, t + v - 1}, {l + w - 1, t}};
    case kstStar:
    case kstPolyGon: {
        // Damaged files may hold counts and depths the setters never let through.
        const int vectors = std::clamp(mVectors, 3, 60);
        const int inward = std::clamp(mInVectorPercent, 0, 100);
        const int hw = w / 2, hv = v / 2;
        const long double outer = std::min(hw, hv) - 4;
        const long double inner = outer * (100 - inward) * 0.01L;
        const long double pi = 3.14159265358979323846264338327950288L;
        std::vector<QPoint> points;
        points.reserve(size_t(vectors));
        for (int m = 0; m < vectors; ++m) {
            const long double a = (360.0L / vectors * m - (long double)mStartingAngle) * pi / 180.0L;
            const long double radius = m % 2 == 0 ? outer : inner;
            // Round to nearest, ties to even.
            points.emplace_back(l + hw + int(std::nearbyint(double(std::cos(a) * radius))),
                                t + hv + int(std::nearbyint(double(std::sin(a) * radius))));
        }
        return points;
    }
    default:
        return {};
    }
}

int TSuperShape::CornerSize() const
{
    const double c = std::trunc(double(std::max(Width(), Height())) * mRoundPerc * 0.01);
    return int(std::clamp(c, 0.0, 1e6));
}

void TSuperShape::GradientEnds(QRgb& start, QRgb& end) const
{
    const bool backFirst = mFillDirection == gdDown || mFillDirection == gdRight;
    start = ToQColor(backFirst ? mBackColor : mGradientToColor).rgb();
    end = ToQColor(backFirst ? mGradientToColor : mBackColor).rgb();
}

const QImage& TSuperShape::Texture() const
{
    return mTexture.Picture(mImage);
}

namespace {

// The figure as a path: for fills and clips the pixels inside the edges (right and bottom exclusive); for
// an outline on screen, the line through the outermost pixels.
QPainterPath FigurePath(const TSuperShape& shape, const ShapeEdges& e, bool screenOutline)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const std::vector<QPoint> points = shape.FigurePoints(e);
    if (!points.empty()) {
        path.addPolygon(QPolygonF(QPolygon(QVector<QPoint>(points.begin(), points.end()))));
        path.closeSubpath();
        return path;
    }
    const int inset = screenOutline ? 1 : 0;
    const QRectF r = QRectF(QPointF(e.left, e.top), QPointF(e.right - inset, e.bottom - inset)).normalized();
    if (shape.Shape() == kstRoundRect) {
        const double c = std::max(shape.CornerSize() - inset, 0) / 2.0;
        path.addRoundedRect(r, c, c);
    } else if (shape.Shape() == kstEllipse) {
        path.addEllipse(r);
    } else {
        path.addRect(r);
    }
    return path;
}

} // namespace

void TSuperShape::Draw(QPainter& painter, const RenderContext& context) const
{
    const bool paper = context.OnPaper();
    painter.save();
    // Slanted edges (stars, triangles, diamonds) are smoothed where the screen has pixels to spare.
    painter.setRenderHint(QPainter::Antialiasing, SmoothEdgesOnScreen(painter, context));
    ShapeEdges f, s;
    ShapeRects(f, s);

    // Shadow: the figure built in the shadow rectangle, with a thin black edge.
    if (mShadowOrient != soNone) {
        painter.setBrush(ToQColor(mShadowColor));
        if (paper) {
            painter.setPen(QPen(Qt::black, kUnitsPerInch * 0.01));
            painter.drawPath(FigurePath(*this, s, false));
        } else {
            painter.setPen(QPen(Qt::black, 0));
            painter.drawPath(FigurePath(*this, s, true));
        }
    }

    // Surface, clipped to the figure; tiles start at the object's top-left corner.
    if (mSurfaceType != stBrushTransparent) {
        painter.save();
        painter.setClipPath(FigurePath(*this, f, false), Qt::IntersectClip);
        painter.setPen(Qt::NoPen);
        const int w = Width(), h = Height();
        if (mSurfaceType == stBrushPattern) {
            painter.fillRect(QRect(0, 0, w, h), ToQColor(mBackColor));
        } else if (mSurfaceType == stBrushImage) {
            FillTexture(painter, Texture(), w, h);
        } else {
            QRgb start, end;
            GradientEnds(start, end);
            FillGradientBands(painter, w, h, start, end, mFillDirection == gdUp || mFillDirection == gdDown,
                              paper);
        }
        painter.restore();
    }

    // Outline: on screen styled only when one pixel wide, as GDI draws it; on paper in hundredths of an inch.
    if (mOutlineStyle != psClear) {
        const int outline = std::clamp(mOutlineWidth, 0, kMaxOutline);
        painter.setBrush(Qt::NoBrush);
        if (paper) {
            QPen pen(ToQColor(mOutlineColor), outline * kUnitsPerInch * 0.01, ToQtPenStyle(mOutlineStyle));
            painter.setPen(pen);
            painter.drawPath(FigurePath(*this, f, false));
        } else {
            TKPen pen;
            pen.SetColor(mOutlineColor);
            pen.SetStyle(mOutlineStyle);
            if (SelectPenAndBrush(painter, pen, outline, true, nullptr)) {
                const double o = PenCentreOffset(outline);
                painter.translate(o, o);
                painter.drawPath(FigurePath(*this, f, true));
            }
        }
    }
    painter.restore();
}

} // namespace qm
