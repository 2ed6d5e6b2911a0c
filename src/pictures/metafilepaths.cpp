// SPDX-License-Identifier: GPL-3.0-or-later
// Metafile paths, clipping, the saved drawing states and bitmaps, in device units on the target painter.
#include "pictures/metafilegdi.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace qm::metafile {

namespace {

constexpr int kMaxSavedStates = 1024;

} // namespace

void Canvas::BeginPath()
{
    mInPath = true;
    mPath = QPainterPath();
}

void Canvas::AbortPath()
{
    mInPath = false;
    mPath = QPainterPath();
}

void Canvas::CloseFigure()
{
    if (mPath.elementCount() > 0)
        mPath.closeSubpath();
}

void Canvas::FillPath()
{
    mInPath = false;
    const QPainterPath path = mPath;
    mPath = QPainterPath();
    Emit(path, true, false);
}

void Canvas::StrokePath()
{
    mInPath = false;
    const QPainterPath path = mPath;
    mPath = QPainterPath();
    Emit(path, false, true);
}

void Canvas::StrokeAndFillPath()
{
    mInPath = false;
    const QPainterPath path = mPath;
    mPath = QPainterPath();
    Emit(path, true, true);
}

void Canvas::WidenPath()
{
    const QPen pen = DevicePen();
    QPainterPathStroker stroker(pen);
    mPath = stroker.createStroke(mPath);
}

void Canvas::SelectClipPath(int mode)
{
    mInPath = false;
    QPainterPath path = mPath;
    path.setFillRule(dc.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
    mPath = QPainterPath();
    SetClipRegion(path, mode);
}

QPainterPath Canvas::DeviceFrameRegion() const
{
    // Everything the picture can reach, with room to spare.
    const double w = std::max(mFrame.width(), 1.0);
    const double h = std::max(mFrame.height(), 1.0);
    QPainterPath all;
    all.addRect(mFrame.adjusted(-8 * w, -8 * h, 8 * w, 8 * h));
    return all;
}

void Canvas::IntersectClipRect(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r.normalized());
    SetClipRegion(LogicalToDevice().map(path), 1);
}

void Canvas::ExcludeClipRect(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r.normalized());
    SetClipRegion(LogicalToDevice().map(path), 4);
}

void Canvas::SetClipRegion(const QPainterPath& deviceRegion, int mode)
{
    const QPainterPath current = dc.hasClip ? dc.clip : DeviceFrameRegion();
    switch (mode) {
    case 1: dc.clip = current.intersected(deviceRegion); break;
    case 2: dc.clip = current.united(deviceRegion); break;
    case 3: dc.clip = current.united(deviceRegion).subtracted(current.intersected(deviceRegion)); break;
    case 4: dc.clip = current.subtracted(deviceRegion); break;
    default: dc.clip = deviceRegion; break;
    }
    dc.hasClip = true;
}

void Canvas::ResetClip()
{
    dc.hasClip = false;
    dc.clip = QPainterPath();
}

void Canvas::OffsetClip(QPointF logicalOffset)
{
    if (!dc.hasClip)
        return;
    const QTransform t = LogicalToDevice();
    const QPointF d = t.map(logicalOffset) - t.map(QPointF(0, 0));
    dc.clip.translate(d);
}

void Canvas::SaveDC()
{
    if (mSaved.size() < size_t(kMaxSavedStates))
        mSaved.push_back(dc);
}

void Canvas::RestoreDC(int which)
{
    // Negative: that many levels back; positive: the level with that number.
    qsizetype level = which < 0 ? qsizetype(mSaved.size()) + which : qsizetype(which) - 1;
    if (level < 0 || level >= qsizetype(mSaved.size()))
        return;
    dc = mSaved[size_t(level)];
    mSaved.resize(size_t(level));
}

void Canvas::Bitmap(const QRectF& dest, const QImage& image, const QRectF& source, quint32 rop, double opacity)
{
    if (rop == 0x00AA0029 || rop == 0x00550009)
        return;
    if (image.isNull()) {
        PatternFill(dest, rop);
        return;
    }
    QRectF src = source.isEmpty() ? QRectF(image.rect()) : source;
    src = src.intersected(QRectF(image.rect()));
    if (src.isEmpty())
        return;
    const QTransform t = LogicalToDevice();
    const QPointF p0 = t.map(dest.topLeft());
    const QPointF p1 = t.map(dest.topRight());
    const QPointF p2 = t.map(dest.bottomLeft());
    // The source rectangle's corners onto the destination's, mirrored and turned as the mapping says.
    const QTransform onto((p1.x() - p0.x()) / src.width(), (p1.y() - p0.y()) / src.width(),
                          (p2.x() - p0.x()) / src.height(), (p2.y() - p0.y()) / src.height(), p0.x(), p0.y());
    if (!onto.isInvertible())
        return;
    BeginDraw();
    mPainter.save();
    mPainter.setWorldTransform(onto * mBase);
    mPainter.setOpacity(mPainter.opacity() * std::clamp(opacity, 0.0, 1.0));
    mPainter.drawImage(QRectF(0, 0, src.width(), src.height()), image, src);
    mPainter.restore();
    EndDraw();
}

} // namespace qm::metafile
