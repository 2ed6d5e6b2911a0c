// Filling shapes by exact pixel coverage into a 32-bit image: the outline is flattened into line edges in
// pixels; every edge adds, to the rows it crosses, how much the coverage changes at each pixel; a running sum
// along each row then gives each pixel's share inside the shape, and runs of equal share are blended at once.
#include "files/metafileraster.h"

#include <QColor>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qm::metafile {

namespace {

// Curves are cut into straight pieces lying at most this far (in pixels) from them.
constexpr double kFlatness = 0.1;
// Shapes covering more pixels than this are left to the painter (the cells would take too much memory).
constexpr qint64 kMaxCells = qint64(8) << 20;

// A premultiplied colour times a factor 0..255, each channel rounded as the painter does.
inline quint32 ByteMul(quint32 x, quint32 a)
{
    quint32 t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

inline bool Finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

QImage* CoverageFill::Target(QPainter& painter)
{
    QPaintDevice* device = painter.device();
    // Only smoothed edges are drawn here; sharp ones are left to the painter.
    if (!painter.testRenderHint(QPainter::Antialiasing))
        return nullptr;
    if (!device || device->devType() != QInternal::Image || !painter.paintEngine() ||
        painter.paintEngine()->type() != QPaintEngine::Raster)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_ARGB32_Premultiplied && image->format() != QImage::Format_RGB32)
        return nullptr;
    // A shared image would be copied on the first write here while the painter went on with the old one.
    if (!image->isDetached() || painter.hasClipping() || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter.opacity() != 1.0)
        return nullptr;
    return image;
}

CoverageFill::CoverageFill(QImage& image, const QTransform& toPixels)
    : mImage(image), mToPixels(toPixels), mBits(image.bits()), mBytesPerLine(image.bytesPerLine())
{
    mScale = std::sqrt(std::abs(toPixels.determinant()));
    mLongest = std::max(std::hypot(toPixels.m11(), toPixels.m12()), std::hypot(toPixels.m21(), toPixels.m22()));
}

void CoverageFill::Flatten(const QPainterPath& path, const QTransform& toPixels, double flatness)
{
    mPoints.clear();
    mFigureEnds.clear();
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF p = toPixels.map(QPointF(e.x, e.y));
        if (e.type == QPainterPath::MoveToElement || mPoints.empty()) {
            if (!mPoints.empty())
                mFigureEnds.push_back(int(mPoints.size()));
            mPoints.push_back(p);
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < count) {
            const QPointF p0 = mPoints.back();
            const QPointF p1 = p;
            const QPointF p2 = toPixels.map(QPointF(path.elementAt(i + 1).x, path.elementAt(i + 1).y));
            const QPointF p3 = toPixels.map(QPointF(path.elementAt(i + 2).x, path.elementAt(i + 2).y));
            i += 2;
            // Pieces enough for the flatness, from the curve's largest second difference.
            const QPointF d1 = p0 - 2 * p1 + p2;
            const QPointF d2 = p1 - 2 * p2 + p3;
            const double dd = std::max(d1.x() * d1.x() + d1.y() * d1.y(), d2.x() * d2.x() + d2.y() * d2.y());
            double pieces = std::ceil(std::sqrt(0.75 * std::sqrt(dd) / flatness));
            if (!(pieces >= 1))
                pieces = 1;
            const int n = int(std::min(pieces, 1000.0));
            for (int k = 1; k < n; ++k) {
                const double t = double(k) / n;
                const double u = 1 - t;
                const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
                mPoints.emplace_back(a * p0.x() + b * p1.x() + c * p2.x() + d * p3.x(),
                                     a * p0.y() + b * p1.y() + c * p2.y() + d * p3.y());
            }
            mPoints.push_back(p3);
        } else {
            mPoints.push_back(p);
        }
    }
    if (!mPoints.empty())
        mFigureEnds.push_back(int(mPoints.size()));
}

bool CoverageFill::Fill(const QPainterPath& path, Qt::FillRule rule, const QColor& color, bool inPixels)
{
    if (path.isEmpty())
        return true;
    Flatten(path, inPixels ? QTransform() : mToPixels, kFlatness);
    return Rasterize(rule, color);
}

bool CoverageFill::Rasterize(Qt::FillRule rule, const QColor& color)
{
    if (mPoints.empty())
        return true;
    double minX = mPoints.front().x(), maxX = minX, minY = mPoints.front().y(), maxY = minY;
    for (const QPointF& p : mPoints) {
        if (!Finite(p))
            return false;
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    // The pixels the shape can touch, within the image.
    const double left = std::max(std::floor(minX), 0.0);
    const double top = std::max(std::floor(minY), 0.0);
    const double right = std::min(std::ceil(maxX), double(mImage.width()));
    const double bottom = std::min(std::ceil(maxY), double(mImage.height()));
    if (right <= left || bottom <= top)
        return true; // nothing of it on the image
    mLeft = int(left);
    mTop = int(top);
    mWidth = int(right - left);
    mHeight = int(bottom - top);
    // Cells in whole blocks of eight, a bit for each block of a row.
    mStride = (mWidth + 2 + 7) & ~7;
    if (qint64(mStride) * mHeight > kMaxCells)
        return false;
    if (mCells.size() < size_t(mStride) * size_t(mHeight))
        mCells.resize(size_t(mStride) * size_t(mHeight), 0.0f);
    mMaskWords = (mStride / 8 + 63) / 64;
    if (mMasks.size() < size_t(mMaskWords) * size_t(mHeight))
        mMasks.resize(size_t(mMaskWords) * size_t(mHeight), 0);

    const QPointF origin(mLeft, mTop);
    int start = 0;
    for (const int end : mFigureEnds) {
        // Each figure is closed for filling.
        for (int i = start; i < end; ++i)
            Edge(mPoints[size_t(i)] - origin, mPoints[size_t(i + 1 < end ? i + 1 : start)] - origin);
        start = end;
    }
    Sweep(qPremultiply(color.rgba()), rule == Qt::OddEvenFill);
    return true;
}

void CoverageFill::Edge(QPointF a, QPointF b)
{
    if (a.y() == b.y())
        return;
   
    float dir = 1;
    if (a.y() > b.y()) {
        std::swap(a, b);
        dir = -1;
    }
    double x0 = a.x(), y0 = a.y(), x1 = b.x(), y1 = b.y();
    if (y1 <= 0 || y0 >= mHeight)
        return;
    const double dxdy = (x1 - x0) / (y1 - y0);
    if (y0 < 0) {
        x0 -= y0 * dxdy;
        y0 = 0;
    }
    if (y1 > mHeight) {
        x1 -= (y1 - mHeight) * dxdy;
        y1 = mHeight;
    }
    // Left of the image an edge still counts for every pixel to its right: it runs down the left side
    // instead. Right of the image it counts for nothing.
    const double w = mWidth;
    const auto part = [&](double xa, double ya, double xb, double yb) {
        if (yb <= ya)
            return;
        if (xa <= 0 && xb <= 0)
            Accumulate(0, ya, 0, yb, dir);
        else if (xa >= w && xb >= w)
            return;
        else
            Accumulate(std::clamp(xa, 0.0, w), ya, std::clamp(xb, 0.0, w), yb, dir);
    };
    // Split where the edge crosses the left and the right side.
    double cuts[2];
    int n = 0;
    for (const double side : {0.0, w})
        if ((x0 < side) != (x1 < side) && x0 != x1) {
            const double y = y0 + (side - x0) / (x1 - x0) * (y1 - y0);
            if (y > y0 && y < y1)
                cuts[n++] = y;
        }
    if (n == 2 && cuts[0] > cuts[1])
        std::swap(cuts[0], cuts[1]);
    double xa = x0, ya = y0;
    for (int i = 0; i < n; ++i) {
        const double xb = x0 + (cuts[i] - y0) * dxdy;
        part(xa, ya, xb, cuts[i]);
        xa = xb;
        ya = cuts[i];
    }
    part(xa, ya, x1, y1);
}

void CoverageFill::Accumulate(double x0, double y0, double x1, double y1, float dir)
{
    const int rowEnd = std::min(mHeight, int(std::ceil(y1)));
    if (x0 == x1) {
        // Upright: in every row the share left of the edge goes to its pixel, the rest to the next one.
        const int xi = int(x0);
        const float share = float(x0 - xi);
        for (int y = int(y0); y < rowEnd; ++y) {
            const float d = float(std::min(double(y + 1), y1) - std::max(double(y), y0)) * dir;
            float* row = &mCells[size_t(y) * size_t(mStride)];
            row[xi] += d - d * share;
            row[xi + 1] += d * share;
            Touch(y, xi, xi + 1);
        }
        return;
    }
    const double dxdy = (x1 - x0) / (y1 - y0);
    const double width = mWidth;
    double x = x0;
    for (int y = int(y0); y < rowEnd; ++y) {
        const double dy = std::min(double(y + 1), y1) - std::max(double(y), y0);
        const double xNext = std::clamp(x + dxdy * dy, 0.0, width);
        const float d = float(dy) * dir;
        const double a = std::min(x, xNext), b = std::max(x, xNext);
        const int ai = int(a);
        int bi = int(b); // b is not negative: rounded up by hand, cheaper than a call
        bi += bi < b;
        float* row = &mCells[size_t(y) * size_t(mStride)];
        int last;
        if (bi <= ai + 1) {
            // Within one pixel: its share left of the edge's middle, the rest to the next pixel.
            const float share = float(0.5 * (x + xNext) - ai);
            row[ai] += d - d * share;
            row[ai + 1] += d * share;
            last = ai + 1;
        } else {
            // Across several pixels: the triangle in the first, equal steps between, the rest in the last.
            const float s = float(1 / (b - a));
            const float f0 = float(a - ai);
            const float a0 = 0.5f * s * (1 - f0) * (1 - f0);
            const float f1 = float(b - bi + 1);
            const float am = 0.5f * s * f1 * f1;
            row[ai] += d * a0;
            if (bi == ai + 2) {
                row[ai + 1] += d * (1 - a0 - am);
            } else {
                const float a1 = s * (1.5f - f0);
                row[ai + 1] += d * (a1 - a0);
                const float step = d * s;
                for (int xi = ai + 2; xi < bi - 1; ++xi)
                    row[xi] += step;
                const float a2 = a1 + float(bi - ai - 3) * s;
                row[bi - 1] += d * (1 - a2 - am);
            }
            row[bi] += d * am;
            last = bi;
        }
        Touch(y, ai, last);
        x = xNext;
    }
}

void CoverageFill::Sweep(quint32 color, bool evenOdd)
{
    const bool opaque = qAlpha(color) == 255;
    const auto alphaOf = [evenOdd](float sum) {
        float cover = std::abs(sum);
        if (evenOdd && cover > 1) {
            cover = std::fmod(cover, 2.0f);
            if (cover > 1)
                cover = 2 - cover;
        }
        return cover >= 1 ? 255 : int(cover * 255 + 0.5f);
    };
    // Pixels from to end in one coverage.
    const auto span = [&](quint32* line, int from, int end, float sum) {
        if (end <= from)
            return;
        const int alpha = alphaOf(sum);
        if (alpha == 255 && opaque) {
            std::fill(line + from, line + end, color);
        } else if (alpha > 0) {
            const quint32 c = ByteMul(color, quint32(alpha));
            const quint32 rest = 255 - qAlpha(c);
            for (int i = from; i < end; ++i)
                line[i] = c + ByteMul(line[i], rest);
        }
    };
    for (int y = 0; y < mHeight; ++y) {
        quint64* masks = &mMasks[size_t(y) * size_t(mMaskWords)];
        float* row = &mCells[size_t(y) * size_t(mStride)];
        auto* line = reinterpret_cast<quint32*>(mBits + (mTop + y) * mBytesPerLine) + mLeft;
        // Ask for the pixels of the changes a few rows down early: blending waits for them otherwise.
        if (y + 4 < mHeight) {
            const quint64* ahead = masks + 4 * mMaskWords;
            const auto* aheadLine = reinterpret_cast<const char*>(line) + 4 * mBytesPerLine;
            for (int w = 0; w < mMaskWords; ++w)
                if (ahead[w]) {
                    __builtin_prefetch(aheadLine + 32 * (w * 64 + __builtin_ctzll(ahead[w])));
                    break;
                }
            for (int w = mMaskWords - 1; w >= 0; --w)
                if (ahead[w]) {
                    __builtin_prefetch(aheadLine + 32 * (w * 64 + 63 - __builtin_clzll(ahead[w])));
                    break;
                }
        }
        float sum = 0;
        int x = 0; // the pixels left of x are done
        for (int w = 0; w < mMaskWords; ++w) {
            quint64 bits = masks[w];
            if (!bits)
                continue;
            masks[w] = 0;
            do {
                // A block of eight cells with changes in it: the pixels up to it share one coverage, those in it
                // each have their own.
                const int block = (w * 64 + __builtin_ctzll(bits)) * 8;
                bits &= bits - 1;
                span(line, x, std::min(block, mWidth), sum);
                const int end = std::min(block + 8, mWidth);
                int i = block;
                for (; i < end; ++i) {
                    sum += row[i];
                    row[i] = 0;
                    const int alpha = alphaOf(sum);
                    if (alpha == 255 && opaque) {
                        line[i] = color;
                    } else if (alpha > 0) {
                        const quint32 c = ByteMul(color, quint32(alpha));
                        line[i] = c + ByteMul(line[i], 255 - qAlpha(c));
                    }
                }
                for (; i < block + 8; ++i) { // past the right side
                    sum += row[i];
                    row[i] = 0;
                }
                x = block + 8;
            } while (bits);
        }
        if (x > 0)
            span(line, x, mWidth, sum); // past the last change the coverage holds up to the right side
    }
}

} // namespace qm::metafile
