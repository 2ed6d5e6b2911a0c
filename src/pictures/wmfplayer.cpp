// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows metafile player: the placeable and the plain header, then record by record onto the drawing
// state. Parameters of a record are 16-bit words, most of them in reverse order.
#include "pictures/metafile.h"
#include "pictures/metafilegdi.h"

#include "platform/codepage.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPicture>

#include <algorithm>
#include <cmath>

namespace qm::metafile {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;

// The word parameters of one record (after its size and function).
struct Params
{
    Bytes r;
    qint16 operator[](qsizetype i) const { return r.I16(6 + i * 2); }
    quint16 U(qsizetype i) const { return r.U16(6 + i * 2); }
    qsizetype Count() const { return (r.Size() - 6) / 2; }
    bool Has(qsizetype words) const { return Count() >= words; }
    QPointF Point(qsizetype i) const { return QPointF((*this)[i + 1], (*this)[i]); } // y, x
    // left, top, right, bottom stored as bottom, right, top, left from word i
    QRectF Rect(qsizetype i) const
    {
        return QRectF(QPointF((*this)[i + 3], (*this)[i + 2]), QPointF((*this)[i + 1], (*this)[i]));
    }
    quint32 Color(qsizetype i) const { return r.U32(6 + i * 2); }
};

QPolygonF Points(const Params& p, qsizetype first, qsizetype count)
{
    QPolygonF points;
    if (count < 0 || !p.Has(first + count * 2))
        return points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        points.append(QPointF(p[first + i * 2], p[first + i * 2 + 1]));
    return points;
}

void Store(Canvas& c, const GdiObject& o)
{
    const int slot = c.FirstFreeSlot();
    if (slot >= 0)
        c.objects[size_t(slot)] = o;
}

GdiObject FontFrom(const Params& p)
{
    GdiObject font;
    font.type = GdiObject::Font;
    font.font.height = p[0];
    font.font.width = p[1];
    font.font.escapement = p[2];
    font.font.weight = p[4];
    font.font.italic = p.r.U8(16);
    font.font.underline = p.r.U8(17);
    font.font.strikeOut = p.r.U8(18);
    font.font.charset = p.r.U8(19);
    QByteArray face;
    for (qsizetype i = 24; i < p.r.Size() && i < 24 + 32 && p.r.U8(i) != 0; ++i)
        face.append(char(p.r.U8(i)));
    font.font.face = FromWindows1252(face);
    return font;
}

void Record(Canvas& c, quint16 function, const Params& p)
{
    switch (function) {
    case 0x0102: c.dc.bkMode = p[0]; break;
    case 0x0103: c.dc.mapMode = p[0]; break;
    case 0x0104: c.dc.rop2 = p[0]; break;
    case 0x0106: c.dc.polyFillMode = p[0]; break;
    case 0x0201: c.dc.bkColor = ColorRef(p.Color(0)); break;
    case 0x0209: c.dc.textColor = ColorRef(p.Color(0)); break;
    case 0x020B: c.dc.windowOrg = p.Point(0); break;
    case 0x020C: c.dc.windowExt = QSizeF(p[1], p[0]); break;
    case 0x020F: c.dc.windowOrg += p.Point(0); break;
    case 0x0410: {
        // Scale window extent: yDenom, yNum, xDenom, xNum.
        if (p[0] != 0 && p[2] != 0)
            c.dc.windowExt = QSizeF(c.dc.windowExt.width() * p[3] / p[2], c.dc.windowExt.height() * p[1] / p[0]);
        break;
    }
    case 0x0213: c.LineTo(p.Point(0)); break;
    case 0x0214: c.MoveTo(p.Point(0)); break;
    case 0x0220: c.OffsetClip(p.Point(0)); break;
    case 0x012E: c.dc.textAlign = p.U(0); break;
    case 0x012D: c.SelectObject(p.U(0)); break;
    case 0x01F0: c.DeleteObject(p.U(0)); break;
    case 0x012C: {
        const quint16 index = p.U(0);
        if (index < c.objects.size() && c.objects[index].type == GdiObject::Region)
            c.SetClipRegion(c.objects[index].region, 5);
        else
            c.ResetClip();
        break;
    }
    case 0x001E: c.SaveDC(); break;
    case 0x0127: c.RestoreDC(p[0]); break;
    case 0x0324: c.Polygon(Points(p, 1, p.U(0))); break;
    case 0x0325: c.Polyline(Points(p, 1, p.U(0)), false); break;
    case 0x0538: {
        const quint16 polys = p.U(0);
        if (!p.Has(1 + polys))
            break;
        std::vector<QPolygonF> list;
        qsizetype at = 1 + polys;
        for (quint16 i = 0; i < polys; ++i) {
            const quint16 n = p.U(1 + i);
            list.push_back(Points(p, at, n));
            at += qsizetype(n) * 2;
        }
        c.PolyPolygon(list);
        break;
    }
    case 0x0415: c.ExcludeClipRect(p.Rect(0)); break;
    case 0x0416: c.IntersectClipRect(p.Rect(0)); break;
    case 0x0418: c.Ellipse(p.Rect(0)); break;
    case 0x041B: c.Rectangle(p.Rect(0)); break;
    case 0x041F: c.SetPixel(p.Point(2), ColorRef(p.Color(0))); break;
    case 0x061C: c.RoundRect(p.Rect(2), QSizeF(p[1], p[0])); break;
    case 0x061D: {
        // Pattern blit: rop (2 words), height, width, y, x.
        const quint32 rop = p.Color(0);
        c.PatternFill(QRectF(p[5], p[4], p[3], p[2]), rop);
        break;
    }
    case 0x0817: case 0x081A: case 0x0830: {
        const Canvas::ArcKind kind = function == 0x0817   ? Canvas::ArcKind::Arc
                                     : function == 0x081A ? Canvas::ArcKind::Pie
                                                          : Canvas::ArcKind::Chord;
        c.Arc(p.Rect(4), p.Point(2), p.Point(0), kind);
        break;
    }
    case 0x0521: {
        // Count, the string (padded to words), y, x.
        const quint16 n = p.U(0);
        const qsizetype words = (n + 1) / 2;
        if (!p.Has(1 + words + 2))
            break;
        const QString text = FromWindows1252(QByteArray(p.r.At(8), n));
        c.Text(QPointF(p[1 + words + 1], p[1 + words]), text, {}, 0, QRectF());
        break;
    }
    case 0x0A32: {
        // y, x, count, options, [rectangle], string, [advances].
        const QPointF at(p[1], p[0]);
        const quint16 n = p.U(2);
        const quint16 options = p.U(3);
        qsizetype word = 4;
        QRectF rect;
        if (options & 6) {
            rect = QRectF(QPointF(p[4], p[5]), QPointF(p[6], p[7]));
            word = 8;
        }
        if (!p.r.Has(6 + word * 2, n))
            break;
        const QString text = FromWindows1252(QByteArray(p.r.At(6 + word * 2), n));
        std::vector<double> dx;
        const qsizetype dxWord = word + (n + 1) / 2;
        if (n > 0 && p.Has(dxWord + n)) {
            for (qsizetype i = 0; i < n; ++i)
                dx.push_back(p[dxWord + i]);
        }
        c.Text(at, text, dx, options, rect);
        break;
    }
    case 0x0940: case 0x0B41: case 0x0F43: case 0x0922: case 0x0B23: {
        // Device-independent bitmap blits: the raster operation, then the source and destination in reverse.
        const quint32 rop = p.Color(0);
        QRectF dest, source;
        qsizetype dib;
        if (function == 0x0F43) {
            // rop, usage, src height, width, y, x, dest height, width, y, x, bitmap
            source = QRectF(p[6], p[5], p[4], p[3]);
            dest = QRectF(p[10], p[9], p[8], p[7]);
            dib = 11;
        } else if (function == 0x0B41 || function == 0x0B23) {
            // rop, src height, width, y, x, dest height, width, y, x, bitmap
            // (without a bitmap a reserved word comes before the destination)
            const qsizetype d = p.Count() == 11 ? 7 : 6;
            source = QRectF(p[5], p[4], p[3], p[2]);
            dest = QRectF(p[d + 3], p[d + 2], p[d + 1], p[d]);
            dib = 10;
        } else {
            // rop, src y, x, dest height, width, y, x, bitmap
            source = QRectF(p[3], p[2], p[5], p[4]);
            dest = QRectF(p[7], p[6], p[5], p[4]);
            dib = 8;
        }
        const qsizetype at = 6 + dib * 2;
        const QImage image = (function == 0x0922 || function == 0x0B23 || !p.r.Has(at, 4))
                                 ? QImage()
                                 : DecodePackedDib(p.r.Sub(at, p.r.Size() - at));
        if (!image.isNull() && function == 0x0F43)
            source.moveTop(image.height() - source.top() - source.height());
        c.Bitmap(dest, image, source, rop);
        break;
    }
    case 0x02FA: {
        GdiObject pen;
        pen.type = GdiObject::Pen;
        pen.penStyle = p.U(0);
        pen.penWidth = p[1];
        pen.color = ColorRef(p.Color(3));
        // Old pens wider than one unit draw solid.
        if (pen.penWidth > 1 && (pen.penStyle & 0x0F) >= 1 && (pen.penStyle & 0x0F) <= 4)
            pen.penStyle &= ~0x0F;
        Store(c, pen);
        break;
    }
    case 0x02FC: {
        GdiObject brush;
        brush.type = GdiObject::Brush;
        const quint16 style = p.U(0);
        brush.brushStyle = style == 1 ? 1 : style == 2 ? 2 : 0;
        brush.color = ColorRef(p.Color(1));
        brush.hatch = p.U(3);
        Store(c, brush);
        break;
    }
    case 0x02FB: Store(c, FontFrom(p)); break;
    case 0x0142: {
        // Style, usage, packed bitmap.
        GdiObject brush;
        brush.type = GdiObject::Brush;
        brush.brushStyle = 3;
        if (p.r.Has(10, 4))
            brush.pattern = DecodePackedDib(p.r.Sub(10, p.r.Size() - 10));
        if (brush.pattern.isNull())
            brush.brushStyle = 0;
        Store(c, brush);
        break;
    }
    case 0x06FF: {
        // A region: its scans of x ranges, each scan with its top and bottom.
        GdiObject region;
        region.type = GdiObject::Region;
        const quint16 scans = p.U(5);
        qsizetype w = 10;
        region.region.setFillRule(Qt::WindingFill);
        const QTransform t = c.LogicalToDevice();
        for (quint16 s = 0; s < scans && p.Has(w + 3); ++s) {
            const quint16 count = p.U(w);
            const double top = p[w + 1], bottom = p[w + 2];
            for (quint16 k = 0; k + 1 < count && p.Has(w + 3 + k + 2); k += 2)
                region.region.addPolygon(t.map(QPolygonF(QRectF(QPointF(p[w + 3 + k], top),
                                                               QPointF(p[w + 4 + k], bottom)))));
            w += 3 + count + 1;
        }
        Store(c, region);
        break;
    }
    case 0x00F7: case 0x01F9: {
        GdiObject placeholder;
        placeholder.type = function == 0x00F7 ? GdiObject::Palette : GdiObject::Brush;
        Store(c, placeholder);
        break;
    }
    case 0x0228: case 0x012B: {
        // Fill region (region, brush) and paint region (region, current brush).
        const quint16 region = p.U(0);
        if (region >= c.objects.size())
            break;
        GdiObject brush = c.dc.brush;
        if (function == 0x0228) {
            const quint16 b = p.U(1);
            brush = b < c.objects.size() ? c.objects[b] : GdiObject();
        }
        c.FillRegion(c.objects[region].region, brush);
        break;
    }
    default: break; // escapes, palettes, mapper flags and the rest draw nothing
    }
}

// The records of a Windows metafile: each handed over with its function and parameters.
template <class F> void ForEachRecord(const Bytes& all, qsizetype start, F&& handle)
{
    qsizetype at = start;
    for (qint64 n = 0; n < kMaxRecords && all.Has(at, 6); ++n) {
        const quint32 words = all.U32(at);
        const quint16 function = all.U16(at + 4);
        if (words < 3 || !all.Has(at, qsizetype(words) * 2))
            break; // a record running past the end ends the picture
        if (function == 0)
            break;
        if (!handle(function, Params{all.Sub(at, qsizetype(words) * 2)}))
            break;
        at += qsizetype(words) * 2;
    }
}

void Replay(const Bytes& all, const Info& info, Canvas& canvas)
{
    canvas.windowOntoFrame = true;
    canvas.dc.windowOrg = info.frame.topLeft();
    canvas.dc.windowExt = info.frame.size();
    canvas.objects.resize(std::max<quint16>(all.U16(info.recordsStart + 10), 1));
    ForEachRecord(all, info.recordsStart + 18, [&](quint16 function, const Params& p) {
        Record(canvas, function, p);
        return canvas.Operations() < kMaxOperations;
    });
}

} // namespace

bool ReadWmfInfo(const QByteArray& bytes, Info* info, QString* error)
{
    const Bytes h(bytes.constData(), bytes.size());
    Info out;
    out.format = Format::Wmf;
    double inch = 0;
    if (h.U32(0) == kPlaceableKey) {
        out.placeable = true;
        out.recordsStart = 22;
        const QRectF box(QPointF(h.I16(6), h.I16(8)), QPointF(h.I16(10), h.I16(12)));
        inch = h.U16(14);
        out.frame = box;
    }
    const qsizetype s = out.recordsStart;
    const quint16 type = h.U16(s);
    if (h.Failed() || !h.Has(s, 18) || (type != 1 && type != 2) || h.U16(s + 2) != 9 ||
        (h.U16(s + 4) != 0x0300 && h.U16(s + 4) != 0x0100)) {
        *error = QCoreApplication::translate("qm::Pictures", "This is not a Windows metafile.");
        return false;
    }
    if (!out.placeable) {
        // A plain metafile: its window, else the extent of its drawing, in pixels.
        bool haveOrg = false, haveExt = false;
        ForEachRecord(h, s + 18, [&](quint16 function, const Params& p) {
            if (function == 0x020B && !haveOrg) {
                out.frame.moveTopLeft(p.Point(0));
                haveOrg = true;
            } else if (function == 0x020C && !haveExt) {
                out.frame.setSize(QSizeF(p[1], p[0]));
                haveExt = true;
            }
            return !(haveOrg && haveExt);
        });
        inch = 96;
        if (!haveExt) {
            QPicture picture;
            {
                QPainter painter(&picture);
                Info probe = out;
                probe.frame = QRectF(0, 0, 1, 1);
                Canvas canvas(painter, QRectF(0, 0, 1, 1), QRectF(0, 0, 1, 1), 96 / 25.4);
                Replay(h, probe, canvas);
            }
            out.frame = picture.boundingRect();
        } else if (std::max(std::abs(out.frame.width()), std::abs(out.frame.height())) > 4000) {
            inch = 1440; // a large window: most likely twips
        }
    }
    if (inch <= 0 || out.frame.width() == 0 || out.frame.height() == 0) {
        *error = QCoreApplication::translate("qm::Pictures", "The metafile has no size.");
        return false;
    }
    out.size = QSize(int(std::lround(std::abs(out.frame.width()) * 96 / inch)),
                     int(std::lround(std::abs(out.frame.height()) * 96 / inch)));
    if (out.size.isEmpty()) {
        *error = QCoreApplication::translate("qm::Pictures", "The metafile has no size.");
        return false;
    }
    out.pixelsPerMm = 96 / 25.4;
    *info = out;
    return true;
}

void PlayWmf(const QByteArray& bytes, const Info& info, QPainter& painter, const QRectF& target)
{
    const Bytes all(bytes.constData(), bytes.size());
    Canvas canvas(painter, QRectF(QPointF(0, 0), QSizeF(info.size)), target, info.pixelsPerMm);
    Replay(all, info, canvas);
}

} // namespace qm::metafile
