// SPDX-License-Identifier: GPL-3.0-or-later
// The enhanced metafile player: the header, then record by record onto the drawing state.
#include "pictures/metafile.h"
#include "pictures/metafilegdi.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm::metafile {

namespace {

constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
constexpr quint32 kMaxHandles = 65536;

QRectF RectL(const Bytes& r, qsizetype at)
{
    return QRectF(QPointF(r.I32(at), r.I32(at + 4)), QPointF(r.I32(at + 8), r.I32(at + 12)));
}

QPointF PointL(const Bytes& r, qsizetype at) { return QPointF(r.I32(at), r.I32(at + 4)); }

// count points of 16-bit (small) or 32-bit coordinates at the offset; empty when they do not fit.
QPolygonF Points(const Bytes& r, qsizetype at, quint32 count, bool small)
{
    const qsizetype each = small ? 4 : 8;
    if (!r.Has(at, qsizetype(count) * each))
        return {};
    QPolygonF points;
    points.reserve(qsizetype(count));
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype p = at + qsizetype(i) * each;
        points.append(small ? QPointF(r.I16(p), r.I16(p + 2)) : PointL(r, p));
    }
    return points;
}

// A region's rectangles (device units).
QPainterPath Region(const Bytes& r, qsizetype at, quint32 size)
{
    QPainterPath region;
    if (size < 32 || !r.Has(at, size))
        return region;
    const quint32 count = r.U32(at + 8);
    if (quint64(count) * 16 > size - 32)
        return region;
    region.setFillRule(Qt::WindingFill);
    for (quint32 i = 0; i < count; ++i)
        region.addRect(RectL(r, at + 32 + qsizetype(i) * 16).normalized());
    return region.simplified();
}

GdiObject PenFrom(quint32 style, double width, quint32 color)
{
    GdiObject pen;
    pen.type = GdiObject::Pen;
    pen.penStyle = int(style);
    pen.penWidth = width;
    pen.color = ColorRef(color);
    return pen;
}

GdiObject BrushFrom(quint32 style, quint32 color, quint32 hatch)
{
    GdiObject brush;
    brush.type = GdiObject::Brush;
    brush.brushStyle = style == 1 ? 1 : style == 2 ? 2 : 0;
    brush.color = ColorRef(color);
    brush.hatch = int(hatch);
    return brush;
}

QImage DibAt(const Bytes& r, qsizetype infoAt, quint32 infoSize, qsizetype bitsAt, quint32 bitsSize)
{
    if (infoSize == 0 || !r.Has(infoAt, infoSize) || !r.Has(bitsAt, bitsSize))
        return {};
    return DecodeDib(r.Sub(infoAt, infoSize), r.Sub(bitsAt, bitsSize));
}

QTransform XForm(const Bytes& r, qsizetype at)
{
    return QTransform(r.F32(at), r.F32(at + 4), r.F32(at + 8), r.F32(at + 12), r.F32(at + 16), r.F32(at + 20));
}

void Record(Canvas& c, quint32 type, const Bytes& r)
{
    switch (type) {
    case 2: case 3: case 4: case 5: case 6: case 85: case 86: case 87: case 88: case 89: {
        const bool small = type >= 85;
        const QPolygonF points = Points(r, 28, r.U32(24), small);
        switch (small ? type - 83 : type) {
        case 2: c.PolyBezier(points, false); break;
        case 3: c.Polygon(points); break;
        case 4: c.Polyline(points, false); break;
        case 5: c.PolyBezier(points, true); break;
        case 6: c.Polyline(points, true); break;
        }
        break;
    }
    case 7: case 8: case 90: case 91: {
        const bool small = type >= 90;
        const quint32 polys = r.U32(24);
        const quint32 total = r.U32(28);
        if (!r.Has(32, qsizetype(polys) * 4))
            break;
        const QPolygonF all = Points(r, 32 + qsizetype(polys) * 4, total, small);
        std::vector<QPolygonF> list;
        qsizetype used = 0;
        for (quint32 i = 0; i < polys; ++i) {
            const quint32 n = r.U32(32 + qsizetype(i) * 4);
            if (n > quint64(all.size() - used))
                break;
            list.push_back(all.mid(used, n));
            used += n;
        }
        if (type == 7 || type == 90)
            c.PolyPolyline(list);
        else
            c.PolyPolygon(list);
        break;
    }
    case 9: c.dc.windowExt = QSizeF(r.I32(8), r.I32(12)); break;
    case 10: c.dc.windowOrg = PointL(r, 8); break;
    case 11: c.dc.viewportExt = QSizeF(r.I32(8), r.I32(12)); break;
    case 12: c.dc.viewportOrg = PointL(r, 8); break;
    case 15: c.SetPixel(PointL(r, 8), ColorRef(r.U32(16))); break;
    case 17: c.dc.mapMode = int(r.U32(8)); break;
    case 18: c.dc.bkMode = int(r.U32(8)); break;
    case 19: c.dc.polyFillMode = int(r.U32(8)); break;
    case 20: c.dc.rop2 = int(r.U32(8)); break;
    case 22: c.dc.textAlign = int(r.U32(8)); break;
    case 24: c.dc.textColor = ColorRef(r.U32(8)); break;
    case 25: c.dc.bkColor = ColorRef(r.U32(8)); break;
    case 26: c.OffsetClip(PointL(r, 8)); break;
    case 27: c.MoveTo(PointL(r, 8)); break;
    case 28: c.ResetClip(); break;
    case 29: c.ExcludeClipRect(RectL(r, 8)); break;
    case 30: c.IntersectClipRect(RectL(r, 8)); break;
    case 31: case 32: {
        const qint32 xd = r.I32(12), yd = r.I32(20);
        if (xd == 0 || yd == 0)
            break;
        QSizeF& ext = type == 31 ? c.dc.viewportExt : c.dc.windowExt;
        ext = QSizeF(ext.width() * r.I32(8) / xd, ext.height() * r.I32(16) / yd);
        break;
    }
    case 33: c.SaveDC(); break;
    case 34: c.RestoreDC(r.I32(8)); break;
    case 35: c.dc.world = XForm(r, 8); break;
    case 36: {
        const QTransform x = XForm(r, 8);
        switch (r.U32(32)) {
        case 1: c.dc.world = QTransform(); break;
        case 2: c.dc.world = x * c.dc.world; break;
        case 3: c.dc.world = c.dc.world * x; break;
        case 4: c.dc.world = x; break;
        }
        break;
    }
    case 37: {
        const quint32 h = r.U32(8);
        if (h & 0x80000000u)
            c.SelectStock(h & 0x7FFFFFFFu);
        else
            c.SelectObject(h);
        break;
    }
    case 38: c.StoreObject(r.U32(8), PenFrom(r.U32(12), r.I32(16), r.U32(24))); break;
    case 39: c.StoreObject(r.U32(8), BrushFrom(r.U32(12), r.U32(16), r.U32(20))); break;
    case 40: c.DeleteObject(r.U32(8)); break;
    case 41: c.AngleArc(PointL(r, 8), r.U32(16), r.F32(20), r.F32(24)); break;
    case 42: c.Ellipse(RectL(r, 8)); break;
    case 43: c.Rectangle(RectL(r, 8)); break;
    case 44: c.RoundRect(RectL(r, 8), QSizeF(r.I32(24), r.I32(28))); break;
    case 45: case 46: case 47: case 55: {
        const Canvas::ArcKind kind = type == 45   ? Canvas::ArcKind::Arc
                                     : type == 46 ? Canvas::ArcKind::Chord
                                     : type == 47 ? Canvas::ArcKind::Pie
                                                  : Canvas::ArcKind::ArcTo;
        c.Arc(RectL(r, 8), PointL(r, 24), PointL(r, 32), kind);
        break;
    }
    case 54: c.LineTo(PointL(r, 8)); break;
    case 56: case 92: {
        const quint32 n = r.U32(24);
        const bool small = type == 92;
        const QPolygonF points = Points(r, 28, n, small);
        const qsizetype kindsAt = 28 + qsizetype(n) * (small ? 4 : 8);
        if (points.size() == qsizetype(n) && r.Has(kindsAt, n))
            c.PolyDraw(points, QByteArray(r.At(kindsAt), qsizetype(n)));
        break;
    }
    case 57: c.dc.clockwiseArcs = r.U32(8) == 2; break;
    case 59: c.BeginPath(); break;
    case 60: c.EndPath(); break;
    case 61: c.CloseFigure(); break;
    case 62: c.FillPath(); break;
    case 63: c.StrokeAndFillPath(); break;
    case 64: c.StrokePath(); break;
    case 66: c.WidenPath(); break;
    case 67: c.SelectClipPath(int(r.U32(8))); break;
    case 68: c.AbortPath(); break;
    case 71: case 72: {
        const quint32 size = r.U32(24);
        const quint32 h = r.U32(28);
        GdiObject brush;
        if (h < c.objects.size())
            brush = c.objects[h];
        if (type == 71)
            c.FillRegion(Region(r, 32, size), brush);
        else
            c.FrameRegion(Region(r, 40, size), brush, r.I32(32), r.I32(36));
        break;
    }
    case 74: c.FillRegion(Region(r, 28, r.U32(24)), c.dc.brush); break;
    case 75: {
        const quint32 size = r.U32(8);
        const int mode = int(r.U32(12));
        if (size == 0 && mode == 5)
            c.ResetClip();
        else
            c.SetClipRegion(Region(r, 16, size), mode);
        break;
    }
    case 76: case 77: case 114: {
        // Bit-block transfers: the destination, the raster operation, the source bitmap (if any).
        const QRectF dest(r.I32(24), r.I32(28), r.I32(32), r.I32(36));
        const quint32 rop = r.U32(40);
        const QImage image = DibAt(r, r.U32(84), r.U32(88), r.U32(92), r.U32(96));
        QRectF source(r.I32(44), r.I32(48), dest.width(), dest.height());
        if (type != 76)
            source.setSize(QSizeF(r.I32(100), r.I32(104)));
        double opacity = 1;
        if (type == 114)
            opacity = ((rop >> 16) & 0xFF) / 255.0;
        c.Bitmap(dest, image, source, type == 114 ? 0x00CC0020 : rop, opacity);
        break;
    }
    case 80: case 81: {
        const QImage image = DibAt(r, r.U32(48), r.U32(52), r.U32(56), r.U32(60));
        QRectF source(r.I32(32), r.I32(36), r.I32(40), r.I32(44));
        // Source rows count from the bottom of the bitmap.
        if (!image.isNull())
            source.moveTop(image.height() - source.top() - source.height());
        const QSizeF destSize = type == 81 ? QSizeF(r.I32(72), r.I32(76)) : source.size();
        c.Bitmap(QRectF(PointL(r, 24), destSize), image, source, type == 81 ? r.U32(68) : 0x00CC0020);
        break;
    }
    case 82: {
        GdiObject font;
        font.type = GdiObject::Font;
        font.font.height = r.I32(12);
        font.font.width = r.I32(16);
        font.font.escapement = r.I32(20);
        font.font.weight = r.I32(28);
        font.font.italic = r.U8(32);
        font.font.underline = r.U8(33);
        font.font.strikeOut = r.U8(34);
        font.font.charset = r.U8(35);
        if (r.Has(40, 64)) {
            QString face = QString::fromUtf16(reinterpret_cast<const char16_t*>(r.At(40)), 32);
            face.truncate(face.indexOf(QChar(0)) < 0 ? 32 : face.indexOf(QChar(0)));
            font.font.face = face;
        }
        c.StoreObject(r.U32(8), font);
        break;
    }
    case 83: case 84: {
        const quint32 count = r.U32(44);
        const quint32 at = r.U32(48);
        const quint32 options = r.U32(52);
        const bool wide = type == 84;
        if (!r.Has(at, qsizetype(count) * (wide ? 2 : 1)))
            break;
        QString text;
        if (wide) {
            text.resize(qsizetype(count));
            for (quint32 i = 0; i < count; ++i)
                text[qsizetype(i)] = QChar(r.U16(at + qsizetype(i) * 2));
        } else {
            text = QString::fromLatin1(r.At(at), qsizetype(count));
        }
        std::vector<double> dx;
        const quint32 dxAt = r.U32(72);
        const int step = (options & 0x2000) ? 8 : 4;
        if (dxAt != 0 && r.Has(dxAt, qsizetype(count) * step)) {
            dx.reserve(count);
            for (quint32 i = 0; i < count; ++i)
                dx.push_back(r.I32(dxAt + qsizetype(i) * step));
        }
        c.Text(PointL(r, 36), text, dx, int(options), RectL(r, 56));
        break;
    }
    case 93: case 94: {
        GdiObject brush;
        brush.type = GdiObject::Brush;
        brush.brushStyle = 3;
        brush.pattern = DibAt(r, r.U32(16), r.U32(20), r.U32(24), r.U32(28));
        if (brush.pattern.isNull())
            brush.brushStyle = 0;
        c.StoreObject(r.U32(8), brush);
        break;
    }
    case 95: {
        GdiObject pen = PenFrom(r.U32(28), r.U32(32), r.U32(40));
        if (r.U32(36) == 1)
            pen.penStyle = 5; // a pen with a null brush draws nothing
        c.StoreObject(r.U32(8), pen);
        break;
    }
    case 118: {
        const quint32 nv = r.U32(24), nt = r.U32(28), mode = r.U32(32);
        if (!r.Has(36, qsizetype(nv) * 16))
            break;
        auto vertex = [&](quint32 i, QPointF* p, QColor* col) {
            if (i >= nv)
                return false;
            const qsizetype v = 36 + qsizetype(i) * 16;
            *p = PointL(r, v);
            *col = QColor(r.U16(v + 8) >> 8, r.U16(v + 10) >> 8, r.U16(v + 12) >> 8);
            return true;
        };
        const qsizetype at = 36 + qsizetype(nv) * 16;
        const int each = mode == 2 ? 12 : 8;
        if (!r.Has(at, qsizetype(nt) * each))
            break;
        for (quint32 i = 0; i < nt; ++i) {
            const qsizetype g = at + qsizetype(i) * each;
            QPointF a, b, d;
            QColor ca, cb, cd;
            if (mode == 2) {
                if (vertex(r.U32(g), &a, &ca) && vertex(r.U32(g + 4), &b, &cb) && vertex(r.U32(g + 8), &d, &cd)) {
                    const QColor mean((ca.red() + cb.red() + cd.red()) / 3, (ca.green() + cb.green() + cd.green()) / 3,
                                      (ca.blue() + cb.blue() + cd.blue()) / 3);
                    c.GradientTriangle(QPolygonF({a, b, d}), mean);
                }
            } else if (vertex(r.U32(g), &a, &ca) && vertex(r.U32(g + 4), &b, &cb)) {
                c.GradientRect(QRectF(a, b), ca, cb, mode == 1);
            }
        }
        break;
    }
    default: break; // palettes, colour management, comments and the rest draw nothing
    }
}

} // namespace

bool ReadEmfInfo(const QByteArray& bytes, Info* info, QString* error)
{
    const Bytes h(bytes.constData(), bytes.size());
    if (h.Size() < 88 || h.U32(0) != 1 || h.U32(40) != kEmfSignature) {
        *error = QCoreApplication::translate("qm::Pictures", "This is not an enhanced metafile.");
        return false;
    }
    const quint32 headerSize = h.U32(4);
    if (headerSize < 88 || headerSize > quint32(h.Size()) || headerSize % 4 != 0) {
        *error = QCoreApplication::translate("qm::Pictures", "The metafile's header is damaged.");
        return false;
    }
    const QRectF bounds = RectL(h, 8);
    const QRectF frame = RectL(h, 24); // hundredths of a millimetre
    const double deviceWidth = h.I32(72);
    double mmWidth = h.I32(80);
    if (headerSize >= 108 && h.I32(100) > 0)
        mmWidth = h.I32(100) / 1000.0; // the more exact micrometres
    const double pixelsPerMm = deviceWidth > 0 && mmWidth > 0 ? deviceWidth / mmWidth : 96 / 25.4;
    if (!std::isfinite(pixelsPerMm) || pixelsPerMm < 0.01 || pixelsPerMm > 10000) {
        *error = QCoreApplication::translate("qm::Pictures", "The metafile's header is damaged.");
        return false;
    }
    Info out;
    out.format = Format::Emf;
    out.pixelsPerMm = pixelsPerMm;
    out.recordsStart = headerSize;
    if (frame.width() > 0 && frame.height() > 0) {
        out.frame = QRectF(frame.left() * pixelsPerMm / 100, frame.top() * pixelsPerMm / 100,
                           frame.width() * pixelsPerMm / 100, frame.height() * pixelsPerMm / 100);
        out.size = QSize(int(std::lround(frame.width() * 96 / 2540)), int(std::lround(frame.height() * 96 / 2540)));
    } else {
        // No frame: the bounds (device pixels, both edges included).
        out.frame = QRectF(bounds.left(), bounds.top(), bounds.width() + 1, bounds.height() + 1);
        out.size = QSize(int(std::lround(out.frame.width() / pixelsPerMm * 96 / 25.4)),
                         int(std::lround(out.frame.height() / pixelsPerMm * 96 / 25.4)));
    }
    if (out.frame.width() <= 0 || out.frame.height() <= 0 || out.size.width() <= 0 || out.size.height() <= 0) {
        *error = QCoreApplication::translate("qm::Pictures", "The metafile has no size.");
        return false;
    }
    *info = out;
    return true;
}

void PlayEmf(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target)
{
    const Bytes all(bytes.constData(), bytes.size());
    Canvas canvas(painter, info.frame, target, info.pixelsPerMm);
    canvas.objects.resize(std::min<quint32>(std::max<quint32>(all.U16(56), 1), kMaxHandles));
    qsizetype at = info.recordsStart;
    for (qint64 n = 0; n < kMaxRecords && canvas.Operations() < kMaxOperations && all.Has(at, 8); ++n) {
        const quint32 type = all.U32(at);
        const quint32 size = all.U32(at + 4);
        if (size < 8 || size % 4 != 0 || !all.Has(at, size))
            break; // a record running past the end ends the picture
        if (type == 14)
            break;
        Record(canvas, type, all.Sub(at, size));
        at += size;
    }
}

} // namespace qm::metafile
