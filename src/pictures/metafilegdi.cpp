// SPDX-License-Identifier: GPL-3.0-or-later
// Metafile drawing state and drawing calls: the object table, the mapping, shapes and text runs.
#include "pictures/metafilegdi.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace qm::metafile {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool Finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

Canvas::Canvas(QPainter& painter, const QRectF& deviceFrame, const QRectF& target, double devicePixelsPerMm)
    : mPainter(painter), mFrame(deviceFrame), mPixelsPerMm(devicePixelsPerMm > 0 ? devicePixelsPerMm : 96 / 25.4)
{
    const double sx = deviceFrame.width() != 0 ? target.width() / deviceFrame.width() : 1;
    const double sy = deviceFrame.height() != 0 ? target.height() / deviceFrame.height() : 1;
    const QTransform toTarget = QTransform::fromTranslate(-deviceFrame.left(), -deviceFrame.top()) *
                                QTransform::fromScale(sx, sy) *
                                QTransform::fromTranslate(target.left(), target.top());
    mPainter.save();
    mBase = toTarget * mPainter.worldTransform();
    mPainter.setWorldTransform(mBase);
    // Edges are smoothed only when the caller asks for it; bitmaps are always scaled smoothly.
    mPainter.setRenderHint(QPainter::SmoothPixmapTransform);
    dc.pen.type = GdiObject::Pen;
    dc.brush.type = GdiObject::Brush;
    dc.brush.color = Qt::white;
    dc.font.type = GdiObject::Font;
    dc.font.font.face = QStringLiteral("Arial");
    dc.font.font.height = 12;
}

Canvas::~Canvas() { mPainter.restore(); }

void Canvas::StoreObject(qsizetype index, const GdiObject& object)
{
    if (index < 0 || index >= qsizetype(objects.size()))
        return;
    objects[size_t(index)] = object;
}

int Canvas::FirstFreeSlot() const
{
    for (size_t i = 0; i < objects.size(); ++i)
        if (objects[i].type == GdiObject::Empty)
            return int(i);
    return -1;
}

void Canvas::SelectObject(qsizetype index)
{
    if (index < 0 || index >= qsizetype(objects.size()))
        return;
    const GdiObject& o = objects[size_t(index)];
    switch (o.type) {
    case GdiObject::Pen: dc.pen = o; break;
    case GdiObject::Brush: dc.brush = o; break;
    case GdiObject::Font: dc.font = o; break;
    case GdiObject::Region: SetClipRegion(o.region, 5); break;
    default: break;
    }
}

void Canvas::SelectStock(quint32 stock)
{
    GdiObject o;
    switch (stock) {
    case 0: case 1: case 2: case 3: case 4: case 18: {
        static const int grey[] = {255, 192, 128, 64, 0};
        o.type = GdiObject::Brush;
        o.color = stock == 18 ? Qt::white : QColor(grey[stock], grey[stock], grey[stock]);
        dc.brush = o;
        break;
    }
    case 5:
        o.type = GdiObject::Brush;
        o.brushStyle = 1;
        dc.brush = o;
        break;
    case 6: case 7: case 19:
        o.type = GdiObject::Pen;
        o.color = stock == 6 ? Qt::white : Qt::black;
        dc.pen = o;
        break;
    case 8:
        o.type = GdiObject::Pen;
        o.penStyle = 5;
        dc.pen = o;
        break;
    case 10: case 11: case 12: case 13: case 14: case 16: case 17:
        o.type = GdiObject::Font;
        o.font.face = (stock == 10 || stock == 11 || stock == 16) ? QStringLiteral("Courier New")
                                                                  : QStringLiteral("Arial");
        o.font.height = 12;
        dc.font = o;
        break;
    default: break;
    }
}

void Canvas::DeleteObject(qsizetype index)
{
    if (index >= 0 && index < qsizetype(objects.size()))
        objects[size_t(index)] = GdiObject();
}

QTransform Canvas::LogicalToDevice() const
{
    QTransform page;
    if (windowOntoFrame) {
        const double sx = dc.windowExt.width() != 0 ? mFrame.width() / dc.windowExt.width() : 1;
        const double sy = dc.windowExt.height() != 0 ? mFrame.height() / dc.windowExt.height() : 1;
        page = QTransform::fromTranslate(-dc.windowOrg.x(), -dc.windowOrg.y()) * QTransform::fromScale(sx, sy) *
               QTransform::fromTranslate(mFrame.left(), mFrame.top());
        return page;
    }
    double sx = 1, sy = 1;
    switch (dc.mapMode) {
    case 2: sx = 0.1 * mPixelsPerMm; sy = -sx; break;            // tenths of a millimetre
    case 3: sx = 0.01 * mPixelsPerMm; sy = -sx; break;           // hundredths of a millimetre
    case 4: sx = 0.254 * mPixelsPerMm; sy = -sx; break;          // hundredths of an inch
    case 5: sx = 0.0254 * mPixelsPerMm; sy = -sx; break;         // thousandths of an inch
    case 6: sx = 25.4 / 1440 * mPixelsPerMm; sy = -sx; break;   // twips
    case 7: case 8:
        sx = dc.windowExt.width() != 0 ? dc.viewportExt.width() / dc.windowExt.width() : 1;
        sy = dc.windowExt.height() != 0 ? dc.viewportExt.height() / dc.windowExt.height() : 1;
        if (dc.mapMode == 7) {
            // Isotropic: the smaller scale on both axes, keeping each axis's direction.
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = sx < 0 ? -s : s;
            sy = sy < 0 ? -s : s;
        }
        break;
    default: break;
    }
    page = QTransform::fromTranslate(-dc.windowOrg.x(), -dc.windowOrg.y()) * QTransform::fromScale(sx, sy) *
           QTransform::fromTranslate(dc.viewportOrg.x(), dc.viewportOrg.y());
    return dc.world * page;
}

double Canvas::DeviceScale() const
{
    const QTransform t = LogicalToDevice();
    return std::sqrt(std::abs(t.determinant()));
}

QPen Canvas::DevicePen() const
{
    const int style = dc.pen.penStyle & 0x0F;
    if (dc.pen.type != GdiObject::Pen || style == 5 || dc.rop2 == 11)
        return Qt::NoPen;
    QColor color = dc.pen.color;
    if (dc.rop2 == 1)
        color = Qt::black;
    else if (dc.rop2 == 16)
        color = Qt::white;
    // Width 0 is one device pixel; a wide pen is held to the size of the picture.
    double width = std::max(1.0, dc.pen.penWidth * DeviceScale());
    width = std::min(width, 4 * std::max(mFrame.width(), mFrame.height()) + 1);
    QPen pen(color, width);
    const bool geometric = dc.pen.penStyle & 0x10000;
    switch (style) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: case 8: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    switch (dc.pen.penStyle & 0xF00) {
    case 0x100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(geometric || width > 1.5 ? Qt::RoundCap : Qt::FlatCap); break;
    }
    switch (dc.pen.penStyle & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
    return pen;
}

QBrush Canvas::DeviceBrush(const GdiObject& brush) const
{
    if (brush.type != GdiObject::Brush || brush.brushStyle == 1)
        return Qt::NoBrush;
    if (brush.brushStyle == 2) {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(brush.color, hatches[std::clamp(brush.hatch, 0, 5)]);
    }
    if (brush.brushStyle == 3 && !brush.pattern.isNull())
        return QBrush(brush.pattern);
    return QBrush(brush.color);
}

void Canvas::BeginDraw()
{
    ++mOperations;
    if (dc.hasClip) {
        mPainter.save();
        mPainter.setClipPath(dc.clip, Qt::IntersectClip);
    }
}

void Canvas::EndDraw()
{
    if (dc.hasClip)
        mPainter.restore();
}

void Canvas::Emit(const QPainterPath& device, bool fill, bool stroke)
{
    if (mInPath) {
        mPath.addPath(device);
        return;
    }
    BeginDraw();
    const Qt::FillRule rule = dc.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill;
    if (fill) {
        const QBrush brush = DeviceBrush(dc.brush);
        if (brush.style() != Qt::NoBrush) {
            QPainterPath path = device;
            path.setFillRule(rule);
            if (dc.brush.brushStyle == 2 && dc.bkMode == 2)
                mPainter.fillPath(path, dc.bkColor);
            mPainter.fillPath(path, brush);
        }
    }
    if (stroke) {
        const QPen pen = DevicePen();
        if (pen.style() != Qt::NoPen)
            mPainter.strokePath(device, pen);
    }
    EndDraw();
}

void Canvas::MoveTo(QPointF p)
{
    dc.current = p;
    if (mInPath)
        mPath.moveTo(ToDevice(p));
}

void Canvas::LineTo(QPointF p)
{
    const QTransform t = LogicalToDevice();
    if (mInPath) {
        if (mPath.elementCount() == 0)
            mPath.moveTo(t.map(dc.current));
        mPath.lineTo(t.map(p));
    } else {
        QPainterPath path(t.map(dc.current));
        path.lineTo(t.map(p));
        Emit(path, false, true);
    }
    dc.current = p;
}

void Canvas::Polyline(const QPolygonF& points, bool fromCurrent)
{
    if (points.isEmpty())
        return;
    const QTransform t = LogicalToDevice();
    QPainterPath path;
    if (mInPath && fromCurrent && mPath.elementCount() > 0) {
        for (const QPointF& p : points)
            mPath.lineTo(t.map(p));
        dc.current = points.back();
        return;
    }
    path.moveTo(t.map(fromCurrent ? dc.current : points.front()));
    for (qsizetype i = fromCurrent ? 0 : 1; i < points.size(); ++i)
        path.lineTo(t.map(points[i]));
    if (fromCurrent)
        dc.current = points.back();
    if (mInPath && !fromCurrent) {
        mPath.moveTo(path.elementAt(0));
        for (int i = 1; i < path.elementCount(); ++i)
            mPath.lineTo(path.elementAt(i));
        return;
    }
    Emit(path, false, true);
}

void Canvas::Polygon(const QPolygonF& points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(LogicalToDevice().map(points));
    path.closeSubpath();
    Emit(path, true, true);
}

void Canvas::PolyPolygon(const std::vector<QPolygonF>& polygons)
{
    const QTransform t = LogicalToDevice();
    QPainterPath path;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        path.addPolygon(t.map(polygon));
        path.closeSubpath();
    }
    Emit(path, true, true);
}

void Canvas::PolyPolyline(const std::vector<QPolygonF>& polylines)
{
    const QTransform t = LogicalToDevice();
    QPainterPath path;
    for (const QPolygonF& line : polylines)
        if (!line.isEmpty())
            path.addPolygon(t.map(line));
    Emit(path, false, true);
}

void Canvas::PolyBezier(const QPolygonF& points, bool fromCurrent)
{
    const QTransform t = LogicalToDevice();
    qsizetype i = 0;
    QPainterPath path;
    if (fromCurrent) {
        path.moveTo(t.map(dc.current));
    } else {
        if (points.isEmpty())
            return;
        path.moveTo(t.map(points[0]));
        i = 1;
    }
    for (; i + 2 < points.size(); i += 3)
        path.cubicTo(t.map(points[i]), t.map(points[i + 1]), t.map(points[i + 2]));
    if (fromCurrent && points.size() >= 3)
        dc.current = points[i - 1];
    if (mInPath && fromCurrent && mPath.elementCount() > 0) {
        // Continue the figure being built rather than starting another one.
        mPath.connectPath(path);
        return;
    }
    Emit(path, false, true);
}

void Canvas::PolyDraw(const QPolygonF& points, const QByteArray& kinds)
{
    const QTransform t = LogicalToDevice();
    QPainterPath path(t.map(dc.current));
    for (qsizetype i = 0; i < points.size() && i < kinds.size(); ++i) {
        const int kind = uchar(kinds[i]) & ~1;
        if (kind == 6) {
            path.moveTo(t.map(points[i]));
        } else if (kind == 4 && i + 2 < points.size()) {
            path.cubicTo(t.map(points[i]), t.map(points[i + 1]), t.map(points[i + 2]));
            i += 2;
        } else {
            path.lineTo(t.map(points[i]));
        }
        dc.current = points[std::min(i, points.size() - 1)];
        if (uchar(kinds[std::min(i, kinds.size() - 1)]) & 1)
            path.closeSubpath();
    }
    Emit(path, false, true);
}

void Canvas::Rectangle(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r.normalized());
    Emit(LogicalToDevice().map(path), true, true);
}

void Canvas::RoundRect(const QRectF& r, QSizeF corner)
{
    QPainterPath path;
    path.addRoundedRect(r.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    Emit(LogicalToDevice().map(path), true, true);
}

void Canvas::Ellipse(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r.normalized());
    Emit(LogicalToDevice().map(path), true, true);
}

QPainterPath Canvas::ArcPath(const QRectF& box, QPointF start, QPointF end, ArcKind kind, QPointF* startPoint,
                             QPointF* endPoint) const
{
    const QRectF r = box.normalized();
    const QPointF c = r.center();
    // Angles as Qt counts them (counter-clockwise on screen, y down), from the radial lines' directions.
    const double a0 = std::atan2(-(start.y() - c.y()) * r.width(), (start.x() - c.x()) * r.height()) * 180 / kPi;
    const double a1 = std::atan2(-(end.y() - c.y()) * r.width(), (end.x() - c.x()) * r.height()) * 180 / kPi;
    // Arcs run counter-clockwise on the device; a flipped mapping turns that round in logical units.
    const bool flipped = LogicalToDevice().determinant() < 0;
    const bool counterClockwise = dc.clockwiseArcs == flipped;
    double sweep = counterClockwise ? std::fmod(a1 - a0 + 720, 360.0) : -std::fmod(a0 - a1 + 720, 360.0);
    if (sweep == 0)
        sweep = counterClockwise ? 360 : -360;
    QPainterPath path;
    if (kind == ArcKind::Pie)
        path.moveTo(c);
    path.arcMoveTo(r, a0);
    if (startPoint)
        *startPoint = path.currentPosition();
    if (kind == ArcKind::Pie)
        path.lineTo(path.currentPosition());
    path.arcTo(r, a0, sweep);
    if (endPoint)
        *endPoint = path.currentPosition();
    if (kind == ArcKind::Pie || kind == ArcKind::Chord)
        path.closeSubpath();
    if (kind == ArcKind::Pie) {
        // Start the figure at the centre.
        QPainterPath pie(c);
        QPainterPath rest;
        rest.arcMoveTo(r, a0);
        rest.arcTo(r, a0, sweep);
        if (rest.elementCount() == 0)
            return path; // a box with no size has no curve to go round
        pie.lineTo(rest.elementAt(0));
        pie.connectPath(rest);
        pie.closeSubpath();
        return pie;
    }
    return path;
}

void Canvas::Arc(const QRectF& box, QPointF start, QPointF end, ArcKind kind)
{
    QPointF from, to;
    QPainterPath path = ArcPath(box, start, end, kind, &from, &to);
    const QTransform t = LogicalToDevice();
    if (kind == ArcKind::ArcTo) {
        QPainterPath withLine(t.map(dc.current));
        withLine.lineTo(t.map(from));
        withLine.connectPath(t.map(path));
        dc.current = to;
        if (mInPath && mPath.elementCount() > 0) {
            mPath.connectPath(withLine);
            return;
        }
        Emit(withLine, false, true);
        return;
    }
    Emit(t.map(path), kind != ArcKind::Arc, true);
}

void Canvas::AngleArc(QPointF center, double radius, double startDegrees, double sweepDegrees)
{
    if (!Finite(center) || !std::isfinite(radius) || !std::isfinite(startDegrees) || !std::isfinite(sweepDegrees))
        return;
    const QRectF box(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    const double s = std::clamp(sweepDegrees, -720.0, 720.0);
    QPainterPath arc;
    // Angles count counter-clockwise with y up in logical units.
    const bool flipped = LogicalToDevice().determinant() < 0;
    const double a0 = flipped ? -startDegrees : startDegrees;
    const double sw = flipped ? -s : s;
    arc.arcMoveTo(box, a0);
    const QPointF from = arc.currentPosition();
    arc.arcTo(box, a0, sw);
    const QTransform t = LogicalToDevice();
    QPainterPath path(t.map(dc.current));
    path.lineTo(t.map(from));
    path.connectPath(t.map(arc));
    dc.current = arc.currentPosition();
    if (mInPath && mPath.elementCount() > 0) {
        mPath.connectPath(path);
        return;
    }
    Emit(path, false, true);
}

void Canvas::SetPixel(QPointF p, const QColor& color)
{
    BeginDraw();
    const QPointF d = ToDevice(p);
    mPainter.fillRect(QRectF(d.x(), d.y(), 1, 1), color);
    EndDraw();
}

void Canvas::PatternFill(const QRectF& r, quint32 rop)
{
    QPainterPath path;
    path.addRect(r.normalized());
    const QPainterPath device = LogicalToDevice().map(path);
    BeginDraw();
    if (rop == 0x00000042)
        mPainter.fillPath(device, Qt::black);
    else if (rop == 0x00FF0062)
        mPainter.fillPath(device, Qt::white);
    else if (rop != 0x00AA0029 && rop != 0x00550009)
        mPainter.fillPath(device, DeviceBrush(dc.brush));
    EndDraw();
}

void Canvas::FillRegion(const QPainterPath& deviceRegion, const GdiObject& brush)
{
    BeginDraw();
    mPainter.fillPath(deviceRegion, DeviceBrush(brush));
    EndDraw();
}

void Canvas::FrameRegion(const QPainterPath& deviceRegion, const GdiObject& brush, double w, double h)
{
    QPainterPathStroker stroker;
    stroker.setWidth(std::clamp(std::max(w, h) * DeviceScale() * 2, 1.0, 1000.0));
    const QPainterPath frame = stroker.createStroke(deviceRegion).intersected(deviceRegion);
    FillRegion(frame, brush);
}

void Canvas::GradientRect(const QRectF& r, const QColor& from, const QColor& to, bool vertical)
{
    const QTransform t = LogicalToDevice();
    QPainterPath path;
    path.addRect(r.normalized());
    QLinearGradient gradient(t.map(r.topLeft()), t.map(vertical ? r.bottomLeft() : r.topRight()));
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    BeginDraw();
    mPainter.fillPath(t.map(path), gradient);
    EndDraw();
}

void Canvas::GradientTriangle(const QPolygonF& corners, const QColor& color)
{
    QPainterPath path;
    path.addPolygon(LogicalToDevice().map(corners));
    path.closeSubpath();
    BeginDraw();
    mPainter.fillPath(path, color);
    EndDraw();
}

} // namespace qm::metafile
