// SPDX-License-Identifier: GPL-3.0-or-later
// PDF page content drawn with a painter: paths, solid fills and strokes and clips (the text is in
// pdfcontenttext.cpp).
#include "print/pdfcontentengine.h"

#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace qm {

namespace pdfops {

// A length in points to a hundredth, the shortest way: written backwards into a buffer, appended at once.
void PutNumber(QByteArray& out, double v)
{
    const long long n = std::llround(v * 100.0);
    unsigned long long u = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    char buffer[32];
    char* const end = buffer + sizeof buffer;
    char* p = end;
    *--p = ' ';
    const int cents = int(u % 100);
    u /= 100;
    if (cents) {
        if (cents % 10)
            *--p = char('0' + cents % 10);
        *--p = char('0' + cents / 10);
        *--p = '.';
    }
    do {
        *--p = char('0' + u % 10);
        u /= 10;
    } while (u);
    if (n < 0)
        *--p = '-';
    out.append(p, end - p);
}

// A factor of a text matrix, to five places.
void PutScale(QByteArray& out, double v)
{
    QByteArray text = QByteArray::number(v, 'f', 5);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    if (text == "-0")
        text = "0";
    out += text;
    out += ' ';
}

// A colour component (0 to 1) to three places.
void PutComponent(QByteArray& out, int value)
{
    if (value <= 0)
        out += "0 ";
    else if (value >= 255)
        out += "1 ";
    else
        out += QByteArray::number(value / 255.0, 'f', 3) + ' ';
}

QByteArray ColorOperator(const QColor& color, bool stroke)
{
    QByteArray out;
    const QColor rgb = color.toRgb();
    if (rgb.red() == rgb.green() && rgb.green() == rgb.blue()) {
        PutComponent(out, rgb.red());
        out += stroke ? "G\n" : "g\n";
    } else {
        PutComponent(out, rgb.red());
        PutComponent(out, rgb.green());
        PutComponent(out, rgb.blue());
        out += stroke ? "RG\n" : "rg\n";
    }
    return out;
}

bool IsSolid(const QBrush& brush)
{
    return brush.style() == Qt::SolidPattern;
}

} // namespace pdfops

using namespace pdfops;

// ---- PdfContentDevice::Engine ----



void PdfContentDevice::Engine::updateState(const QPaintEngineState& s)
{
    const DirtyFlags flags = s.state();
    if (flags & DirtyTransform)
        mWorld = s.transform();
    if (flags & DirtyPen)
        mPen = s.pen();
    if (flags & DirtyBrush)
        mBrush = s.brush();
    if (flags & DirtyOpacity)
        mOpacityOk = s.opacity() > 0.999;
    if (flags & DirtyCompositionMode)
        mCompositionOk = s.compositionMode() == QPainter::CompositionMode_SourceOver;
    if (flags & DirtyClipEnabled)
        mClipEnabled = s.isClipEnabled();
    if (flags & DirtyClipPath)
        AddClip(s.clipOperation(), s.clipPath());
    if (flags & DirtyClipRegion) {
        QPainterPath path;
        path.addRegion(s.clipRegion());
        AddClip(s.clipOperation(), path);
    }
}

void PdfContentDevice::Engine::AddClip(Qt::ClipOperation operation, const QPainterPath& logical)
{
    if (operation == Qt::NoClip || operation == Qt::ReplaceClip)
        mClips.clear();
    if (operation == Qt::NoClip)
        return;
    if (operation != Qt::ReplaceClip && operation != Qt::IntersectClip) {
        mUnsupported = true;
        return;
    }
    Clip clip;
    clip.Path = ToPoints().map(logical);
    clip.Id = mNextClipId++;
    const QRectF box = clip.Path.boundingRect();
    const int count = clip.Path.elementCount();
    if (count == 4 || count == 5) {
        clip.IsRect = true;
        for (int i = 0; i < count && clip.IsRect; ++i) {
            const QPainterPath::Element e = clip.Path.elementAt(i);
            clip.IsRect = !e.isCurveTo() && (qFuzzyCompare(e.x, box.left()) || qFuzzyCompare(e.x, box.right())) &&
                          (qFuzzyCompare(e.y, box.top()) || qFuzzyCompare(e.y, box.bottom()));
        }
        clip.Rect = box;
    }
    mClips.push_back(std::move(clip));
}

void PdfContentDevice::Engine::Close()
{
    if (mOpen)
        mOut += "Q\n";
    mOpen = false;
    mShownClips.clear();
    mShownFill.clear();
    mShownStroke.clear();
    mShownLine.clear();
}

bool PdfContentDevice::Engine::Prepare(const QRectF& bounds)
{
    std::vector<int> wanted;
    if (mClipEnabled) {
        for (const Clip& clip : mClips) {
            if (clip.IsRect) {
                if (!clip.Rect.intersects(bounds) && !(bounds.isEmpty() && clip.Rect.contains(bounds.center())))
                    return false;
                if (clip.Rect.adjusted(-0.005, -0.005, 0.005, 0.005).contains(bounds))
                    continue;
            } else if (clip.Path.contains(bounds)) {
                continue;
            }
            wanted.push_back(clip.Id);
        }
    }
    if (mOpen && wanted == mShownClips)
        return true;
    Close();
    mOut += "q\n";
    mOpen = true;
    // Rectangles cut as their common part; other outlines one after the other.
    QRectF rect;
    bool haveRect = false;
    for (const Clip& clip : mClips) {
        if (std::find(wanted.begin(), wanted.end(), clip.Id) == wanted.end())
            continue;
        if (clip.IsRect) {
            rect = haveRect ? rect.intersected(clip.Rect) : clip.Rect;
            haveRect = true;
            continue;
        }
        PutPath(clip.Path);
        mOut += clip.Path.fillRule() == Qt::OddEvenFill ? "W* n\n" : "W n\n";
    }
    if (haveRect) {
        PutNumber(mOut, rect.left());
        PutNumber(mOut, rect.top());
        PutNumber(mOut, rect.width());
        PutNumber(mOut, rect.height());
        mOut += "re W n\n";
    }
    mShownClips = std::move(wanted);
    return true;
}

// Whether the figure starting at element i is an upright rectangle (as QPainterPath::addRect makes them): its
// corner and size as a PDF rectangle goes round, the same way as the figure.
bool UprightRectangle(const QPainterPath& path, int i, QRectF* re)
{
    const int count = path.elementCount();
    if (i + 4 >= count || (i + 5 < count && !path.elementAt(i + 5).isMoveTo()))
        return false;
    QPointF p[5];
    for (int k = 0; k < 5; ++k) {
        const QPainterPath::Element e = path.elementAt(i + k);
        if (k > 0 && !e.isLineTo())
            return false;
        p[k] = e;
    }
    if (p[4] != p[0])
        return false;
    if (p[1].y() == p[0].y() && p[2].x() == p[1].x() && p[3].y() == p[2].y() && p[3].x() == p[0].x()) {
        *re = QRectF(p[0], QSizeF(p[1].x() - p[0].x(), p[2].y() - p[1].y()));
        return true;
    }
    if (p[1].x() == p[0].x() && p[2].y() == p[1].y() && p[3].x() == p[2].x() && p[3].y() == p[0].y()) {
        // Going down (or up) first: the same round from the next corner goes across first.
        *re = QRectF(p[1], QSizeF(p[2].x() - p[1].x(), p[0].y() - p[1].y()));
        return true;
    }
    return false;
}

void PdfContentDevice::Engine::PutPath(const QPainterPath& path)
{
    const int count = path.elementCount();
    QPointF start;
    int inSubpath = 0;
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        QRectF re;
        if (e.isMoveTo() && UprightRectangle(path, i, &re)) {
            PutNumber(mOut, re.x());
            PutNumber(mOut, re.y());
            PutNumber(mOut, re.width());
            PutNumber(mOut, re.height());
            mOut += "re\n";
            i += 4;
            continue;
        }
        if (e.isMoveTo()) {
            start = e;
            inSubpath = 1;
            PutNumber(mOut, e.x);
            PutNumber(mOut, e.y);
            mOut += "m\n";
        } else if (e.isLineTo()) {
            PutNumber(mOut, e.x);
            PutNumber(mOut, e.y);
            mOut += "l\n";
            ++inSubpath;
        } else if (e.isCurveTo() && i + 2 < count) {
            for (int k = 0; k < 3; ++k) {
                const QPainterPath::Element c = path.elementAt(i + k);
                PutNumber(mOut, c.x);
                PutNumber(mOut, c.y);
            }
            mOut += "c\n";
            i += 2;
            ++inSubpath;
        }
        // A figure that comes back to where it started is closed, so that its corner there is joined.
        const bool last = i + 1 >= count || path.elementAt(i + 1).isMoveTo();
        if (last && inSubpath > 2 && QPointF(path.elementAt(i)) == start)
            mOut += "h\n";
    }
}

bool PdfContentDevice::Engine::PaintSupported(bool fill, bool stroke)
{
    if (!mOpacityOk || !mCompositionOk || (fill && (!IsSolid(mBrush) || mBrush.color().alpha() != 255)) ||
        (stroke && (!IsSolid(mPen.brush()) || mPen.color().alpha() != 255))) {
        mUnsupported = true;
        return false;
    }
    return true;
}

void PdfContentDevice::Engine::Shape(const QPainterPath& logical, bool fill)
{
    const bool stroke = mPen.style() != Qt::NoPen;
    if ((!fill && !stroke) || logical.isEmpty() || !PaintSupported(fill, stroke))
        return;
    const QTransform toPoints = ToPoints();
    const QPainterPath path = toPoints.map(logical);
    double width = 0;
    if (stroke) {
        const double w = mPen.widthF();
        width = mPen.isCosmetic() ? w * mUnit : w * std::sqrt(std::abs(toPoints.determinant()));
    }
    const double reach = stroke ? std::max(width, mUnit) * (mPen.joinStyle() == Qt::MiterJoin ? 5 : 1) : 0;
    if (!Prepare(path.boundingRect().adjusted(-reach, -reach, reach, reach)))
        return;
    if (fill) {
        const QByteArray op = ColorOperator(mBrush.color(), false);
        if (op != mShownFill)
            mOut += op;
        mShownFill = op;
    }
    if (stroke) {
        const QByteArray op = ColorOperator(mPen.color(), true);
        if (op != mShownStroke)
            mOut += op;
        mShownStroke = op;
        QByteArray line;
        PutNumber(line, width);
        line += "w ";
        const Qt::PenCapStyle cap = mPen.capStyle();
        line += cap == Qt::FlatCap ? "0 J " : cap == Qt::RoundCap ? "1 J " : "2 J ";
        const Qt::PenJoinStyle join = mPen.joinStyle();
        line += join == Qt::RoundJoin ? "1 j " : join == Qt::BevelJoin ? "2 j " : "0 j ";
        if (join == Qt::MiterJoin || join == Qt::SvgMiterJoin) {
            PutNumber(line, std::max(1.0, mPen.miterLimit()));
            line += "M ";
        }
        line += '[';
        if (mPen.style() != Qt::SolidLine) {
            const double unit = width > 0 ? width : mUnit;
            for (const double dash : mPen.dashPattern())
                PutNumber(line, dash * unit);
        }
        line += "] 0 d\n";
        if (line != mShownLine)
            mOut += line;
        mShownLine = line;
    }
    const bool evenOdd = path.fillRule() == Qt::OddEvenFill;
    const char* paint = fill && stroke ? (evenOdd ? "B*\n" : "B\n") : fill ? (evenOdd ? "f*\n" : "f\n") : "S\n";
    // A filled shape of many figures (a QR code's runs of modules) is written in its own units under one
    // matrix, where its corners are short whole numbers.
    const double scale = std::sqrt(std::abs(toPoints.determinant()));
    if (fill && !stroke && logical.elementCount() > 40 && scale > 0 && scale <= 10) {
        mOut += "q ";
        PutScale(mOut, toPoints.m11());
        PutScale(mOut, toPoints.m12());
        PutScale(mOut, toPoints.m21());
        PutScale(mOut, toPoints.m22());
        PutScale(mOut, toPoints.dx());
        PutScale(mOut, toPoints.dy());
        mOut += "cm\n";
        PutPath(logical);
        mOut += paint;
        mOut += "Q\n";
        return;
    }
    PutPath(path);
    mOut += paint;
}

void PdfContentDevice::Engine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode)
{
    if (count < 2)
        return;
    QPainterPath path;
    path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
    path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
    if (mode != PolylineMode)
        path.closeSubpath();
    Shape(path, mode != PolylineMode && mBrush.style() != Qt::NoBrush);
}

void PdfContentDevice::Engine::drawPolygon(const QPoint* points, int count, PolygonDrawMode mode)
{
    QList<QPointF> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(points[i]);
    drawPolygon(list.constData(), count, mode);
}

void PdfContentDevice::Engine::drawRects(const QRectF* rects, int count)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i)
        path.addRect(rects[i]);
    Shape(path, mBrush.style() != Qt::NoBrush);
}

void PdfContentDevice::Engine::drawRects(const QRect* rects, int count)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i)
        path.addRect(QRectF(rects[i]));
    Shape(path, mBrush.style() != Qt::NoBrush);
}

void PdfContentDevice::Engine::drawLines(const QLineF* lines, int count)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        path.moveTo(lines[i].p1());
        path.lineTo(lines[i].p2());
    }
    Shape(path, false);
}

void PdfContentDevice::Engine::drawLines(const QLine* lines, int count)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        path.moveTo(lines[i].p1());
        path.lineTo(lines[i].p2());
    }
    Shape(path, false);
}

void PdfContentDevice::Engine::drawEllipse(const QRectF& rect)
{
    QPainterPath path;
    path.addEllipse(rect);
    Shape(path, mBrush.style() != Qt::NoBrush);
}

// ---- PdfContentDevice ----

PdfContentDevice::PdfContentDevice(const QSizeF& points, int resolution, PdfFontSet& fonts)
    : mEngine(std::make_unique<Engine>(points, resolution, fonts)), mPoints(points), mResolution(resolution)
{}

PdfContentDevice::~PdfContentDevice() = default;

QPaintEngine* PdfContentDevice::paintEngine() const
{
    return mEngine.get();
}

void PdfContentDevice::DrawShapedLine(QPainter& painter, QPointF baseline, const ShapedLine& line)
{
    if (painter.paintEngine() == mEngine.get())
        mEngine->DrawLine(painter, baseline, line);
}

QByteArray PdfContentDevice::TakeContent()
{
    return mEngine->Take();
}

qsizetype PdfContentDevice::MarkSize() const
{
    return mEngine->Mark();
}

void PdfContentDevice::DropSince(qsizetype mark)
{
    mEngine->Drop(mark);
}

bool PdfContentDevice::Unsupported() const
{
    return mEngine->mUnsupported;
}

void PdfContentDevice::ClearUnsupported()
{
    mEngine->mUnsupported = false;
}

int PdfContentDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return int(std::lround(mPoints.width() * mResolution / 72.0));
    case PdmHeight:
        return int(std::lround(mPoints.height() * mResolution / 72.0));
    case PdmWidthMM:
        return int(std::lround(mPoints.width() * 25.4 / 72.0));
    case PdmHeightMM:
        return int(std::lround(mPoints.height() * 25.4 / 72.0));
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return mResolution;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    default:
        break;
    }
    return 0;
}

} // namespace qm
