// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing state shared by the Windows metafile and enhanced metafile players: the object table, the device
// context (pen, brush, font, colours, mapping, clipping, current position, path) and the drawing calls, which
// replay onto any QPainter as vector paths and text.
#pragma once

#include "pictures/metafile.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <memory>
#include <vector>

class QPainter;

namespace qm::metafile {

struct TextFonts;

// Bounded little-endian reads from a byte range: a read past the end gives 0 and marks the range failed.
class Bytes
{
public:
    Bytes() = default;
    Bytes(const char* data, qsizetype size) : mData(reinterpret_cast<const uchar*>(data)), mSize(size) {}

    qsizetype Size() const { return mSize; }
    bool Failed() const { return mFailed; }
    bool Has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset <= mSize && count <= mSize - offset;
    }
    const char* At(qsizetype offset) const { return reinterpret_cast<const char*>(mData + offset); }
    Bytes Sub(qsizetype offset, qsizetype count) const;

    quint8 U8(qsizetype at) const;
    quint16 U16(qsizetype at) const;
    qint16 I16(qsizetype at) const { return qint16(U16(at)); }
    quint32 U32(qsizetype at) const;
    qint32 I32(qsizetype at) const { return qint32(U32(at)); }
    float F32(qsizetype at) const;

private:
    const uchar* mData = nullptr;
    qsizetype mSize = 0;
    mutable bool mFailed = false;
};

// A Windows colour reference (0x00BBGGRR).
inline QColor ColorRef(quint32 c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// A device-independent bitmap: the info header (with its colour table) and the pixel bits, decoded through the
// bitmap reader. Null when the header is damaged, the bits are short or it is larger than the limit.
QImage DecodeDib(Bytes info, Bytes bits);
// The same for a packed bitmap (info header, colour table and bits in one block).
QImage DecodePackedDib(Bytes packed);

struct LogFont
{
    double height = 0;
    double width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    QString face;
};

struct GdiObject
{
    enum Type { Empty, Pen, Brush, Font, Palette, Region };
    Type type = Empty;
    // Pen
    int penStyle = 0;      // style bits, as stored
    double penWidth = 0;   // logical units; 0 is one device pixel
    // Pen and brush
    QColor color = Qt::black;
    // Brush: 0 solid, 1 null, 2 hatched, 3 pattern
    int brushStyle = 0;
    int hatch = 0;
    QImage pattern;
    LogFont font;
    QPainterPath region; // device units
};

struct DcState
{
    GdiObject pen;
    GdiObject brush;
    GdiObject font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = 2;        // 1 transparent, 2 opaque
    int textAlign = 0;
    int polyFillMode = 1;  // 1 alternate, 2 winding
    int rop2 = 13;         // copy pen
    int mapMode = 1;
    QPointF windowOrg;
    QSizeF windowExt = {1, 1};
    QPointF viewportOrg;
    QSizeF viewportExt = {1, 1};
    QTransform world;
    QPointF current;
    bool hasClip = false;
    QPainterPath clip; // device units
    bool clockwiseArcs = false;
};

// Replays drawing calls in logical units onto a painter. The device units are mapped onto the target
// rectangle by deviceToTarget; the mapping from logical to device units follows the map mode (the enhanced
// metafile way) or the window onto a fixed frame (the Windows metafile way).
class Canvas
{
public:
    Canvas(QPainter& painter, const QRectF& deviceFrame, const QRectF& target, double devicePixelsPerMm);
    ~Canvas();

    // Windows metafile mapping: the window is stretched over the whole device frame.
    bool windowOntoFrame = false;

    DcState dc;
    std::vector<GdiObject> objects;

    // Object table: the slot of a new object (the lowest free one for Windows metafiles).
    void StoreObject(qsizetype index, const GdiObject& object);
    int FirstFreeSlot() const;
    void SelectObject(qsizetype index);
    void SelectStock(quint32 stock);
    void DeleteObject(qsizetype index);

    QTransform LogicalToDevice() const;
    QPointF ToDevice(QPointF logical) const { return LogicalToDevice().map(logical); }

    // Drawing, in logical units.
    void MoveTo(QPointF p);
    void LineTo(QPointF p);
    void Polyline(const QPolygonF& points, bool fromCurrent);
    void Polygon(const QPolygonF& points);
    void PolyPolygon(const std::vector<QPolygonF>& polygons);
    void PolyPolyline(const std::vector<QPolygonF>& polylines);
    void PolyBezier(const QPolygonF& points, bool fromCurrent);
    // Points with their kinds (move, line, Bézier, close flag), as the poly-draw records give them.
    void PolyDraw(const QPolygonF& points, const QByteArray& kinds);
    void Rectangle(const QRectF& r);
    void RoundRect(const QRectF& r, QSizeF corner);
    void Ellipse(const QRectF& r);
    enum class ArcKind { Arc, ArcTo, Pie, Chord };
    void Arc(const QRectF& box, QPointF start, QPointF end, ArcKind kind);
    void AngleArc(QPointF center, double radius, double startDegrees, double sweepDegrees);
    void SetPixel(QPointF p, const QColor& color);
    // A rectangle filled with the current brush, or black or white (pattern blits).
    void PatternFill(const QRectF& r, quint32 rop);
    void FillRegion(const QPainterPath& deviceRegion, const GdiObject& brush);
    void FrameRegion(const QPainterPath& deviceRegion, const GdiObject& brush, double w, double h);
    void GradientRect(const QRectF& r, const QColor& from, const QColor& to, bool vertical);
    void GradientTriangle(const QPolygonF& corners, const QColor& color);

    // Text at a reference point; dx are the advances of the characters in logical units (may be empty);
    // options: 2 opaque rectangle, 4 clipped to the rectangle.
    void Text(QPointF reference, const QString& text, const std::vector<double>& dx, int options,
              const QRectF& rect);

    // A bitmap's source rectangle stretched onto a destination rectangle (logical units; negative sizes
    // mirror). rop is the raster operation; opacity 0..1.
    void Bitmap(const QRectF& dest, const QImage& image, const QRectF& source, quint32 rop, double opacity = 1);

    // Paths.
    void BeginPath();
    void EndPath() { mInPath = false; }
    void AbortPath();
    void CloseFigure();
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();
    void WidenPath();
    void SelectClipPath(int mode);

    // Clipping (region modes: 1 and, 2 or, 3 xor, 4 diff, 5 copy).
    void IntersectClipRect(const QRectF& r);
    void ExcludeClipRect(const QRectF& r);
    void SetClipRegion(const QPainterPath& deviceRegion, int mode);
    void ResetClip();
    void OffsetClip(QPointF logicalOffset);

    void SaveDC();
    void RestoreDC(int which);

    // Drawing calls made so far; the players stop when too many have been made.
    qint64 Operations() const { return mOperations; }

private:
    void Emit(const QPainterPath& device, bool fill, bool stroke);
    QPen DevicePen() const;
    QBrush DeviceBrush(const GdiObject& brush) const;
    double DeviceScale() const;
    void BeginDraw();
    void EndDraw();
    QPainterPath ArcPath(const QRectF& box, QPointF start, QPointF end, ArcKind kind, QPointF* startPoint,
                         QPointF* endPoint) const;
    QPainterPath DeviceFrameRegion() const;

    QPainter& mPainter;
    QTransform mBase; // device units onto the painter's coordinates
    QRectF mFrame;
    double mPixelsPerMm;
    std::vector<DcState> mSaved;
    bool mInPath = false;
    QPainterPath mPath; // device units
    qint64 mOperations = 0;
    std::shared_ptr<TextFonts> mFonts;   // the fonts text was last drawn in, made on first use
};

} // namespace qm::metafile
