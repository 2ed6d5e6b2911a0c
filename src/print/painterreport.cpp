// SPDX-License-Identifier: GPL-3.0-or-later
// The report drawn with a painter: pens, brushes, figures, clips, paths, text and pictures in device pixels.
#include "print/painterreport.h"

#include "model/colors.h"
#include "print/recording.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// The device width of a pen: hundredths of an inch for negative widths, never below one device pixel.
double DevicePenWidth(int width, double dpi)
{
    const double w = width < 0 ? std::round(-double(width) * dpi * 0.01) : double(width);
    return std::max(1.0, w);
}

} // namespace

// ---- PainterReport ----

struct PainterReport::State
{
    QPen pen;
    QBrush brush;
    double penWidth = 1;
    bool insideFrame = false;
    bool inPath = false;
    QPainterPath path;
};

PainterReport::PainterReport() : mState(std::make_unique<State>())
{
    PenChanged();
    BrushChanged();
}

PainterReport::~PainterReport() = default;

void PainterReport::Attach(QPainter* painter, double dpiX, double dpiY)
{
    mPainter = painter;
    if (dpiX > 0)
        mDpiX = dpiX;
    if (dpiY > 0)
        mDpiY = dpiY;
    mState->path = QPainterPath();
    mState->inPath = false;
    PenChanged();
    BrushChanged();
    if (mPainter) {
        // Lengths come in exact inches: shapes keep their place to a fraction of a pixel.
        mPainter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    }
}

bool PainterReport::Ready()
{
    if (!mPainter)
        PainterWanted();
    return mPainter != nullptr;
}

QPointF PainterReport::ToDevice(const QPointF& inches) const
{
    return QPointF(inches.x() * mDpiX, inches.y() * mDpiY);
}

QRectF PainterReport::ToDevice(const QRectF& inches) const
{
    return QRectF(ToDevice(inches.topLeft()), ToDevice(inches.bottomRight()));
}

QPolygonF PainterReport::ToDevice(const QPolygonF& inches) const
{
    QPolygonF device;
    device.reserve(inches.size());
    for (const QPointF& p : inches)
        device.append(ToDevice(p));
    return device;
}

void PainterReport::PenChanged()
{
    const ReportPen& pen = Pen();
    State& s = *mState;
    s.penWidth = DevicePenWidth(pen.Width, mDpiX);
    s.insideFrame = pen.Style == psInsideFrame;
    if (pen.Mode == pmNop || pen.Style == psClear) {
        s.pen = QPen(Qt::NoPen);
        return;
    }
    // Wide pens end and join round, as a printer driver draws them.
    const bool wide = s.penWidth > 1;
    s.pen = QPen(PenModeColor(pen.Mode, pen.Color), s.penWidth, ToQtPenStyle(pen.Style),
                 wide ? Qt::RoundCap : Qt::FlatCap, wide ? Qt::RoundJoin : Qt::MiterJoin);
}

void PainterReport::BrushChanged()
{
    const ReportBrush& brush = Brush();
    if (!brush.Pattern.isNull())
        mState->brush = QBrush(brush.Pattern);
    else if (brush.Style == bsClear)
        mState->brush = QBrush(Qt::NoBrush);
    else
        mState->brush = QBrush(ToQColor(brush.Color), ToQtBrushStyle(brush.Style));
}

void PainterReport::FontChanged() {}

void PainterReport::ApplyPenAndBrush(bool fill)
{
    mPainter->setPen(mState->pen);
    mPainter->setBrush(fill ? mState->brush : QBrush(Qt::NoBrush));
}

QPainterPath PainterReport::FigurePath(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                                         const QPolygonF& points) const
{
    QPainterPath path;
    const QRectF d = ToDevice(rect).normalized();
    switch (figure) {
    case cfRect:
        path.addRect(d);
        break;
    case cfRoundRect:
        path.addRoundedRect(d, corner.width() * mDpiX / 2, corner.height() * mDpiY / 2);
        break;
    case cfEllipse:
        path.addEllipse(d);
        break;
    case cfPolygon:
        path.addPolygon(ToDevice(points));
        path.closeSubpath();
        break;
    }
    return path;
}

void PainterReport::Figure(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                             const QPolygonF& points)
{
    if (!Ready())
        return;
    if (mState->inPath) {
        mState->path.addPath(FigurePath(figure, rect, corner, points));
        return;
    }
    ApplyPenAndBrush(true);
    QRectF d = ToDevice(rect).normalized();
    if (mState->insideFrame && figure != cfPolygon) {
        // An inside-frame pen keeps the whole outline within the figure's rectangle.
        const double h = mState->penWidth / 2;
        d.adjust(h, h, -h, -h);
    }
    switch (figure) {
    case cfRect:
        mPainter->drawRect(d);
        break;
    case cfRoundRect:
        mPainter->drawRoundedRect(d, corner.width() * mDpiX / 2, corner.height() * mDpiY / 2);
        break;
    case cfEllipse:
        mPainter->drawEllipse(d);
        break;
    case cfPolygon:
        mPainter->drawPolygon(ToDevice(points));
        break;
    }
}

void PainterReport::DoRectangle(const QRectF& rect)
{
    Figure(cfRect, rect, QSizeF(), QPolygonF());
}

void PainterReport::DoRoundRect(const QRectF& rect, const QSizeF& corner)
{
    Figure(cfRoundRect, rect, corner, QPolygonF());
}

void PainterReport::DoEllipse(const QRectF& rect)
{
    Figure(cfEllipse, rect, QSizeF(), QPolygonF());
}

void PainterReport::DoPolygon(const QPolygonF& points)
{
    Figure(cfPolygon, QRectF(), QSizeF(), points);
}

void PainterReport::DoLine(const QPointF& from, const QPointF& to)
{
    if (!Ready())
        return;
    if (mState->inPath) {
        mState->path.moveTo(ToDevice(from));
        mState->path.lineTo(ToDevice(to));
        return;
    }
    ApplyPenAndBrush(false);
    mPainter->drawLine(ToDevice(from), ToDevice(to));
}

void PainterReport::DoFillRect(const QRectF& rect)
{
    if (Ready())
        mPainter->fillRect(ToDevice(rect).normalized(), mState->brush);
}

void PainterReport::DoClip(TClipFigure figure, const QRectF& rect, const QSizeF& corner,
                             const QPolygonF& points)
{
    if (!Ready())
        return;
    if (figure == cfRect)
        mPainter->setClipRect(ToDevice(rect).normalized(), Qt::ReplaceClip);
    else
        mPainter->setClipPath(FigurePath(figure, rect, corner, points), Qt::ReplaceClip);
}

void PainterReport::DoReleaseClip()
{
    if (mPainter)
        mPainter->setClipping(false);
}

void PainterReport::DoText(const QPointF& topLeft, const QString& text)
{
    if (!Ready())
        return;
    const ReportFont& font = Font();
    const QPointF at = ToDevice(topLeft);
    if (mState->inPath) {
        // The outline is taken at a large size and scaled, so that it does not depend on any screen.
        QFont f = ToQFont(font);
        f.setPixelSize(kReportMeasurePixels);
        const double scale = font.Size / 72.0 * mDpiY / kReportMeasurePixels;
        QPainterPath outline;
        outline.addText(QPointF(0, QFontMetricsF(f).ascent()), f, text);
        mState->path.addPath(QTransform::fromTranslate(at.x(), at.y()).scale(scale, scale).map(outline));
        return;
    }
    // Point sizes are taken at the device's own resolution by the painter; the report's may differ from it.
    QFont f = ToQFont(font);
    const double deviceDpi = mPainter->device() ? mPainter->device()->logicalDpiY() : mDpiY;
    f.setPointSizeF(std::max(0.1, font.Size * mDpiY / deviceDpi));
    mPainter->save();
    mPainter->setFont(f);
    mPainter->setPen(ToQColor(font.Color));
    mPainter->setBrush(Qt::NoBrush);
    mPainter->setBackgroundMode(Qt::TransparentMode);
    const QFontMetricsF metrics(f, mPainter->device());
    mPainter->drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    mPainter->restore();
}

void PainterReport::DoBeginPath()
{
    Ready(); // a canvas made now, not halfway through the path
    mState->path = QPainterPath();
    mState->inPath = true;
}

void PainterReport::DoEndPath()
{
    mState->inPath = false;
}

void PainterReport::DoClipToPath()
{
    if (Ready())
        mPainter->setClipPath(mState->path, Qt::ReplaceClip);
    mState->path = QPainterPath();
}

void PainterReport::DoStrokePath()
{
    if (Ready())
        mPainter->strokePath(mState->path, mState->pen);
    mState->path = QPainterPath();
}

void PainterReport::DoBitmap(const QImage& image, const QRectF& rect)
{
    if (Ready())
        mPainter->drawImage(ToDevice(rect).normalized(), image);
}

void PainterReport::DoDraw(const QRectF& rect, const QSizeF& source, const TDrawCallback& draw)
{
    if (!Ready())
        return;
    const QRectF d = ToDevice(rect);
    if (mDrawDirect) {
        // Straight onto the painter, for a target that keeps the drawing within its box itself: no copy of
        // the drawing is held on the way.
        mPainter->save();
        mPainter->setClipRect(d.normalized(), Qt::IntersectClip);
        mPainter->translate(d.topLeft());
        mPainter->scale(d.width() / source.width(), d.height() / source.height());
        draw(*mPainter);
        mPainter->restore();
        return;
    }
    // Through a metafile, as a recorded page replays it: whatever clip the drawing sets, it stays within its
    // box, and the page looks the same printed live or replayed.
    PaintRecording drawing;
    {
        QPainter recorder(&drawing);
        draw(recorder);
    }
    mPainter->save();
    mPainter->setClipRect(d.normalized(), Qt::IntersectClip);
    mPainter->translate(d.topLeft());
    mPainter->scale(d.width() / source.width(), d.height() / source.height());
    drawing.Play(*mPainter);
    mPainter->restore();
}

// ---- ScreenReport ----

ScreenReport::ScreenReport(QPainter& painter, double dpi)
{
    Attach(&painter, dpi, dpi);
}

} // namespace qm
