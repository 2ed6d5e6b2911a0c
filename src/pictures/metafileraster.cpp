// Filling shapes by exact pixel coverage into a 32-bit image: the outline is flattened into line edges in
// pixels; every edge adds, to the rows it crosses, how much the coverage changes at each pixel; a running sum
// along each row then gives each pixel's share inside the shape, and runs of equal share are blended at once.
#include "pictures/metafileraster.h"

#include <QColor>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Marks the cells first to last of a row as changed, in its words of bits.
inline void MarkCells(quint64* masks, int first, int last)
{
    const int a = first >> 6, b = last >> 6;
    const quint64 from = ~quint64(0) << (first & 63), upTo = ~quint64(0) >> (63 - (last & 63));
    if (a == b) {
        masks[a] |= from & upTo;
        return;
    }
    masks[a] |= from;
    for (int w = a + 1; w < b; ++w)
        masks[w] = ~quint64(0);
    masks[b] |= upTo;
}

// Clears the upper halves of the wide vector registers where the processor has them. Library code drawing
// between our shapes (text, the painter, the maths library) can leave them marked as in use, and until they
// are cleared every plain vector and floating-point instruction here waits on them: the filling ran almost twice
// as slowly after some unrelated changes to it, for that alone.
inline void ClearUpperVectorHalves()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool wide = __builtin_cpu_supports("avx");
    if (wide)
        asm volatile("vzeroupper");
#endif
}

inline bool Finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// A pixel's opacity 0..255 from the running sum of coverage changes up to it, under the fill rule.
inline int AlphaOf(float sum, bool evenOdd)
{
    float cover = std::abs(sum);
    if (evenOdd && cover > 1) {
        cover = std::fmod(cover, 2.0f);
        if (cover > 1)
            cover = 2 - cover;
    }
    return cover >= 1 ? 255 : int(cover * 255 + 0.5f);
}

// The pixel under a colour (premultiplied) laid over it at an opacity 0..255.
inline quint32 Over(quint32 pixel, quint32 color, quint32 alpha)
{
    const quint32 c = ByteMul(color, alpha);
    return c + ByteMul(pixel, 255 - qAlpha(c));
}

// Pixels from to end set to one colour (a plain loop here is not widened by the compiler at -O2).
inline void FillPixels(quint32* line, int from, int end, quint32 color)
{
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(int(color));
    for (; from + 4 <= end; from += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + from), four);
#endif
    for (; from < end; ++from)
        line[from] = color;
}

#if defined(__SSE2__)
// Four pixels at a time. Channels are widened to 16 bits, where a product of two bytes divided by 255 is rounded
// just as ByteMul does.
inline __m128i Div255(__m128i t)
{
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), _mm_set1_epi16(0x80)), 8);
}

// The opacities 0..255 of four pixels from their running sums, as AlphaOf (up to a million windings).
inline __m128i Alphas(__m128 sums, bool evenOdd)
{
    __m128 cover = _mm_andnot_ps(_mm_set1_ps(-0.0f), sums);
    if (evenOdd && _mm_movemask_ps(_mm_cmpgt_ps(cover, _mm_set1_ps(1)))) {
        cover = _mm_min_ps(cover, _mm_set1_ps(float(1 << 20)));
        const __m128 half = _mm_cvtepi32_ps(_mm_cvttps_epi32(_mm_mul_ps(cover, _mm_set1_ps(0.5f))));
        cover = _mm_sub_ps(cover, _mm_add_ps(half, half));
        cover = _mm_min_ps(cover, _mm_sub_ps(_mm_set1_ps(2), cover));
    }
    cover = _mm_min_ps(cover, _mm_set1_ps(1));
    return _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(cover, _mm_set1_ps(255)), _mm_set1_ps(0.5f)));
}

// Four pixels with the colour (its channels widened, twice over) laid over them at four opacities, as Over.
inline __m128i Over4(__m128i pixels, __m128i color, __m128i alphas)
{
    const __m128i a = _mm_packs_epi32(alphas, alphas);
    const __m128i pairs = _mm_unpacklo_epi16(a, a);
    const __m128i cLow = Div255(_mm_mullo_epi16(color, _mm_unpacklo_epi32(pairs, pairs)));
    const __m128i cHigh = Div255(_mm_mullo_epi16(color, _mm_unpackhi_epi32(pairs, pairs)));
    const __m128i full = _mm_set1_epi16(255);
    const __m128i restLow = _mm_sub_epi16(full, _mm_shufflehi_epi16(_mm_shufflelo_epi16(cLow, 0xFF), 0xFF));
    const __m128i restHigh = _mm_sub_epi16(full, _mm_shufflehi_epi16(_mm_shufflelo_epi16(cHigh, 0xFF), 0xFF));
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = Div255(_mm_mullo_epi16(_mm_unpacklo_epi8(pixels, zero), restLow));
    const __m128i high = Div255(_mm_mullo_epi16(_mm_unpackhi_epi8(pixels, zero), restHigh));
    return _mm_packus_epi16(_mm_add_epi16(cLow, low), _mm_add_epi16(cHigh, high));
}

// The same for an opaque colour, whose share at an opacity is that opacity: the pixels keep 255 less it.
inline __m128i OverOpaque4(__m128i pixels, __m128i color, __m128i alphas)
{
    const __m128i a = _mm_packs_epi32(alphas, alphas);
    const __m128i pairs = _mm_unpacklo_epi16(a, a);
    const __m128i aLow = _mm_unpacklo_epi32(pairs, pairs), aHigh = _mm_unpackhi_epi32(pairs, pairs);
    const __m128i full = _mm_set1_epi16(255);
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_add_epi16(Div255(_mm_mullo_epi16(color, aLow)),
                                      Div255(_mm_mullo_epi16(_mm_unpacklo_epi8(pixels, zero), _mm_sub_epi16(full, aLow))));
    const __m128i high = _mm_add_epi16(Div255(_mm_mullo_epi16(color, aHigh)),
                                       Div255(_mm_mullo_epi16(_mm_unpackhi_epi8(pixels, zero), _mm_sub_epi16(full, aHigh))));
    return _mm_packus_epi16(low, high);
}
#endif

} // namespace

QImage* CoverageFill::Target(QPainter& painter, bool bandClipped)
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
    if (!image->isDetached() || (painter.hasClipping() && !bandClipped) || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
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
    ClearUpperVectorHalves();
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

bool CoverageFill::Misses(const QPainterPath& path, double margin) const
{
    if (mRowTop <= 0 && mRowBottom >= mImage.height())
        return false;
    const QRectF box = mToPixels.mapRect(path.controlPointRect());
    const double grow = margin * mLongest + 2;
    return box.bottom() + grow < mRowTop || box.top() - grow > mRowBottom;
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
    // Cells for every pixel, one past the right side and spares for reading four at a time; a bit for each.
    mStride = (mWidth + 5 + 3) & ~3;
    if (qint64(mStride) * mHeight > kMaxCells)
        return false;
    if (mTop + mHeight <= mRowTop || mTop >= mRowBottom)
        return true; // nothing of it on the rows written
    if (mCells.size() < size_t(mStride) * size_t(mHeight))
        mCells.resize(size_t(mStride) * size_t(mHeight), 0.0f);
    mMaskWords = (mWidth + 2 + 63) / 64;
    if (mMasks.size() < size_t(mMaskWords) * size_t(mHeight))
        mMasks.resize(size_t(mMaskWords) * size_t(mHeight), 0);

    ClearUpperVectorHalves();
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
    const double w = mWidth;
    if (x0 >= 0 && x1 >= 0 && x0 <= w && x1 <= w) {
        // Within the image side to side (as most are).
        Accumulate(x0, y0, x1, y1, dir);
        return;
    }
    // Left of the image an edge still counts for every pixel to its right: it runs down the left side
    // instead. Right of the image it counts for nothing.
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
    // The edge lies within the cells: 0 <= y0 < y1 <= mHeight, and x0, x1 between 0 and mWidth.
    const int yFirst = int(y0);
    const int rowEnd = std::min(mHeight, int(std::ceil(y1)));
    const size_t stride = size_t(mStride), words = size_t(mMaskWords);
    float* row = mCells.data() + size_t(yFirst) * stride;
    quint64* masks = mMasks.data() + size_t(yFirst) * words;
    if (x0 == x1) {
        // Upright: in every row the share left of the edge goes to its pixel, the rest to the next one.
        const int xi = int(x0);
        const float share = float(x0 - xi);
        const int word = xi >> 6, nextWord = (xi + 1) >> 6;
        const quint64 bit = quint64(1) << (xi & 63), nextBit = quint64(1) << ((xi + 1) & 63);
        double top = y0;
        for (int y = yFirst; y < rowEnd; ++y, row += stride, masks += words) {
            const double bottom = std::min(double(y + 1), y1);
            const float d = float(bottom - top) * dir;
            top = bottom;
            row[xi] += d - d * share;
            row[xi + 1] += d * share;
            masks[word] |= bit;
            masks[nextWord] |= nextBit;
        }
        return;
    }
    const double dxdy = (x1 - x0) / (y1 - y0);
    // Across a whole row the edge runs this far sideways: the share of each pixel it wholly crosses is one
    // over that.
    const float perPixel = float(1 / std::abs(dxdy));
    double x = x0, top = y0;
    for (int y = yFirst; y < rowEnd; ++y, row += stride, masks += words) {
        // Where the edge leaves the row, worked out from its start so that no error adds up (and so between its
        // ends, within the cells, but for the last bit).
        const double bottom = std::min(double(y + 1), y1);
        const double xNext = bottom == y1 ? x1 : x0 + (bottom - y0) * dxdy;
        const double dy = bottom - top;
        const float d = float(dy) * dir;
        top = bottom;
        const double a = std::min(x, xNext), b = std::max(x, xNext);
        const double middle = 0.5 * (x + xNext);
        x = xNext;
        const int ai = int(a);
        if (b - ai <= 1) {
            // Within one pixel: its share left of the edge's middle, the rest to the next pixel.
            const float share = float(middle - ai);
            row[ai] += d - d * share;
            row[ai + 1] += d * share;
            masks[ai >> 6] |= quint64(1) << (ai & 63);
            masks[(ai + 1) >> 6] |= quint64(1) << ((ai + 1) & 63);
            continue;
        }
        const float s = dy == 1 ? perPixel : float(1 / (b - a));
        // Across several pixels: the triangle in the first, equal steps between, the rest in the last.
        int bi = int(b); // b is not negative: rounded up by hand, cheaper than a call
        bi += bi < b;
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
        MarkCells(masks, ai, bi);
    }
}

void CoverageFill::Sweep(quint32 color, bool evenOdd)
{
    const bool opaque = qAlpha(color) == 255;
#if defined(__SSE2__)
    const __m128i color16 = _mm_unpacklo_epi8(_mm_set1_epi32(int(color)), _mm_setzero_si128());
#endif
    // Pixels from to end blended at one opacity.
    const auto blend = [&](quint32* line, int from, int end, int alpha) {
        int i = from;
#if defined(__SSE2__)
        const __m128i alphas = _mm_set1_epi32(alpha);
        for (; i + 4 <= end; i += 4) {
            auto* pixels = reinterpret_cast<__m128i*>(line + i);
            _mm_storeu_si128(pixels, Over4(_mm_loadu_si128(pixels), color16, alphas));
        }
#endif
        const quint32 c = ByteMul(color, quint32(alpha));
        const quint32 rest = 255 - qAlpha(c);
        for (; i < end; ++i)
            line[i] = c + ByteMul(line[i], rest);
    };
    // Pixels from to end in one coverage: stored where the colour covers them, blended where it does not.
    const auto span = [&](quint32* line, int from, int end, float sum) {
        const int alpha = AlphaOf(sum, evenOdd);
        if (alpha == 255 && opaque)
            FillPixels(line, from, end, color);
        else if (alpha > 0)
            blend(line, from, end, alpha);
    };
    // Rows outside those written only have their cells emptied.
    const int firstRow = std::clamp(mRowTop - mTop, 0, mHeight), endRow = std::clamp(mRowBottom - mTop, firstRow, mHeight);
    const auto empty = [this](int y) {
        quint64* masks = &mMasks[size_t(y) * size_t(mMaskWords)];
        float* row = &mCells[size_t(y) * size_t(mStride)];
        for (int w = 0; w < mMaskWords; ++w) {
            for (quint64 bits = masks[w]; bits; bits &= bits - 1)
                row[w * 64 + __builtin_ctzll(bits)] = 0;
            masks[w] = 0;
        }
    };
    for (int y = 0; y < firstRow; ++y)
        empty(y);
    for (int y = endRow; y < mHeight; ++y)
        empty(y);
    for (int y = firstRow; y < endRow; ++y) {
        quint64* masks = &mMasks[size_t(y) * size_t(mMaskWords)];
        float* row = &mCells[size_t(y) * size_t(mStride)];
        auto* line = reinterpret_cast<quint32*>(mBits + (mTop + y) * mBytesPerLine) + mLeft;
        // Ask for the pixels of the changes a few rows down early: blending waits for them otherwise.
        if (y + 4 < endRow) {
            const quint64* ahead = masks + 4 * mMaskWords;
            const auto* aheadLine = reinterpret_cast<const char*>(line) + 4 * mBytesPerLine;
            for (int w = 0; w < mMaskWords; ++w)
                if (ahead[w]) {
                    __builtin_prefetch(aheadLine + 4 * (w * 64 + __builtin_ctzll(ahead[w])));
                    break;
                }
            for (int w = mMaskWords - 1; w >= 0; --w)
                if (ahead[w]) {
                    __builtin_prefetch(aheadLine + 4 * (w * 64 + 63 - __builtin_clzll(ahead[w])));
                    break;
                }
        }
        float sum = 0;
        int x = 0; // the pixels left of x are done, and their cells emptied
        for (int w = 0; w < mMaskWords; ++w) {
            quint64 bits = masks[w];
            if (!bits)
                continue;
            masks[w] = 0;
            const int base = w * 64;
            if (x > base)
                bits = x - base < 64 ? bits & (~quint64(0) << (x - base)) : 0;
            while (bits) {
                // A changed cell: the pixels up to it share one coverage; it and the three after it (changed or
                // not) each get their own.
                const int i = base + __builtin_ctzll(bits);
                if (i > x && x < mWidth)
                    span(line, x, std::min(i, mWidth), sum);
                float* cells = row + i;
#if defined(__SSE2__)
                __m128 sums = _mm_loadu_ps(cells);
                _mm_storeu_ps(cells, _mm_setzero_ps());
                sums = _mm_add_ps(sums, _mm_castsi128_ps(_mm_slli_si128(_mm_castps_si128(sums), 4)));
                sums = _mm_add_ps(sums, _mm_castsi128_ps(_mm_slli_si128(_mm_castps_si128(sums), 8)));
                sums = _mm_add_ps(sums, _mm_set1_ps(sum));
                sum = _mm_cvtss_f32(_mm_shuffle_ps(sums, sums, _MM_SHUFFLE(3, 3, 3, 3)));
                const __m128i alphas = Alphas(sums, evenOdd);
                if (i + 4 <= mWidth) {
                    auto* pixels = reinterpret_cast<__m128i*>(line + i);
                    const __m128i under = _mm_loadu_si128(pixels);
                    _mm_storeu_si128(pixels, opaque ? OverOpaque4(under, color16, alphas) : Over4(under, color16, alphas));
                } else {
                    alignas(16) qint32 each[4];
                    _mm_store_si128(reinterpret_cast<__m128i*>(each), alphas);
                    for (int k = 0; i + k < mWidth; ++k)
                        if (each[k] > 0)
                            line[i + k] = Over(line[i + k], color, quint32(each[k]));
                }
#else
                for (int k = 0; k < 4; ++k) {
                    sum += cells[k];
                    cells[k] = 0;
                    if (i + k < mWidth) {
                        const int alpha = AlphaOf(sum, evenOdd);
                        if (alpha == 255 && opaque)
                            line[i + k] = color;
                        else if (alpha > 0)
                            line[i + k] = Over(line[i + k], color, quint32(alpha));
                    }
                }
#endif
                x = i + 4;
                if (x - base >= 64)
                    break;
                bits &= ~quint64(0) << (x - base);
            }
        }
        if (x > 0 && x < mWidth)
            span(line, x, mWidth, sum); // past the last change the coverage holds up to the right side
    }
}

} // namespace qm::metafile
