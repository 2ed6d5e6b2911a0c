// SPDX-License-Identifier: GPL-3.0-or-later
// Label layout: the box fitting and text placement of single-line labels, and the font they draw with.
#include "objects/text/labellayout.h"

#include "model/shapedline.h"
#include "model/subobjects.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace qm {

namespace {

// Lengths the layout takes in: stored depths and sizes and the measures of any caption. Kept within this, no
// sum or difference the layout forms can overflow; no card comes near it.
constexpr int kMaxLength = 1 << 24;

int Bounded(int v)
{
    return std::clamp(v, -kMaxLength, kMaxLength);
}

QPoint Bounded(QPoint p)
{
    return {Bounded(p.x()), Bounded(p.y())};
}

// Trunc(1.2 x v), exactly.
int TruncSixFifths(int v)
{
    return int(qint64(v) * 12 / 10);
}

// 1.2 x v < limit, exactly.
bool SixFifthsBelow(int v, int limit)
{
    return qint64(v) * 12 < qint64(limit) * 10;
}

// A rectangle of the text's own frame (x along the text, y across it, as for upright text) on the card box
// of the given size, turned with the text.
TextRect OnCard(const TextRect& r, int angle, QSize box)
{
    const int w = box.width();
    const int h = box.height();
    switch (angle) {
    case 90: // along the text is up the card, across it is to the right
        return {r.top, h - r.right, r.bottom, h - r.left};
    case 180:
        return {w - r.right, h - r.bottom, w - r.left, h - r.top};
    case 270: // along the text is down the card, across it is to the left
        return {w - r.bottom, r.left, w - r.top, r.right};
    default:
        return r;
    }
}

// The corner of a rectangle at which turned text starts.
QPoint OriginOf(const TextRect& r, int angle)
{
    switch (angle) {
    case 90:
        return {r.left, r.bottom};
    case 180:
        return {r.right, r.bottom};
    case 270:
        return {r.right, r.top};
    default:
        return {r.left, r.top};
    }
}

} // namespace

TLabelLayout LayOutLabel(const LabelLayoutInput& in)
{
    const QPoint s = Bounded(in.shadowOffset);
    const QPoint h = Bounded(in.highlightOffset);
    const int textWidth = Bounded(in.metrics.textWidth);
    const int textHeight = Bounded(in.metrics.textHeight);
    const int angle = in.angle;
    const bool horizontal = angle != 90 && angle != 270;

    TLabelLayout out;
    out.textWidth = textWidth;
    out.margin = QPoint(std::max({0, -s.x(), -h.x()}), std::max({0, -s.y(), -h.y()}));
    const int row = textHeight + s.y() - h.y();
    out.rowExtent = row;

    // The height of horizontal text (the width of vertical text) ends between the row extent and 1.2 times
    // it.
    int width = Bounded(in.box.width());
    int height = Bounded(in.box.height());
    if (in.keepBox) {
        // Shrunk text keeps the box of its chosen size.
    } else if (horizontal) {
        if (angle == 180 && 2 * textWidth < width)
            width = 2 * textWidth;
        if (width <= 5)
            width = textWidth;
        if (SixFifthsBelow(row, height))
            height = TruncSixFifths(row);
        if (row > height)
            height = row;
    } else {
        if (SixFifthsBelow(textWidth, height))
            height = TruncSixFifths(textWidth);
        if (height < 5)
            height = textWidth;
        if (SixFifthsBelow(row, width))
            width = TruncSixFifths(row);
        if (row > width)
            width = row;
    }
    out.box = QSize(width, height);

    // The copies are placed in the text's own frame as for upright text, and that frame is turned onto the
    // box: the room kept for a copy turns with it, so a shadow below text turned upside down lies above it
    // and still inside the box.
    const int mx = out.margin.x();
    const int my = out.margin.y() + Bounded(in.crossShift);
    const TextRect main{mx, my, horizontal ? width : height, my + textHeight};
    out.mainRect = OnCard(main, angle, out.box);
    out.shadowRect = OnCard(main.Moved(s), angle, out.box);
    out.highlightRect = OnCard(main.Moved(h), angle, out.box);

    out.mainOrigin = OriginOf(out.mainRect, angle);
    out.shadowOrigin = OriginOf(out.shadowRect, angle);
    out.highlightOrigin = OriginOf(out.highlightRect, angle);

    if (angle == 0) {
        int x = main.left;
        if (in.alignment == taRightJustify)
            x = main.right - textWidth;
        else if (in.alignment == taCenter)
            x = (main.right - main.left) / 2 - textWidth / 2;
        out.mainOrigin.setX(x);
        out.highlightOrigin.setX(x + h.x());
        out.shadowOrigin.setX(x + s.x());
    }
    return out;
}

QSize GrownLabelBox(const TLabelLayout& last, QSize box, int captionWidth, int captionHeight)
{
    const int left = std::max({last.mainRect.left, last.shadowRect.left, last.highlightRect.left});
    const int top = std::max({last.mainRect.top, last.shadowRect.top, last.highlightRect.top});
    return QSize(std::max(box.width(), Bounded(left) + Bounded(captionWidth)),
                 std::max(box.height(), Bounded(top) + Bounded(captionHeight)));
}

namespace {

// The few fonts a card draws with, each made once: copies of a font share what Qt found for it (its face and
// metrics), which a font made afresh looks up again. Each thread keeps its own, as Qt's fonts are per thread;
// the application's end clears them while the fonts can still be let go.
struct FontCache
{
    struct Entry
    {
        QString name;
        int height = 0;
        TFontStyles style = 0;
        TFontPitch pitch = fpDefault;
        QFont font;
    };
    static constexpr size_t kKept = 32;
    std::vector<Entry> entries;
    std::vector<std::pair<QFont, TLabelFontMeasures>> measures;
    bool clearedAtEnd = false;

    void ClearAtEnd();
};

FontCache& Fonts()
{
    thread_local FontCache cache;
    return cache;
}

void ClearFonts()
{
    Fonts().entries.clear();
    Fonts().measures.clear();
    Fonts().clearedAtEnd = false;
}

void FontCache::ClearAtEnd()
{
    if (!clearedAtEnd) {
        qAddPostRoutine(ClearFonts);
        clearedAtEnd = true;
    }
}

QFont MakeDrawingFont(const TKFont& font)
{
    // A font taller than any card is drawn at that height.
    constexpr int kMaxFontPixels = 1 << 14;
    const int height = std::clamp(font.Height(), -kMaxFontPixels, kMaxFontPixels);

    QFont f(font.Name());
    f.setBold(font.HasStyle(fsBold));
    f.setItalic(font.HasStyle(fsItalic));
    f.setUnderline(font.HasStyle(fsUnderline));
    f.setStrikeOut(font.HasStyle(fsStrikeOut));
    if (font.Pitch() == fpFixed) {
        f.setFixedPitch(true);
        f.setStyleHint(QFont::TypeWriter);
    }
    // Text on a card is spaced glyph by glyph, without pair kerning, so it keeps its width everywhere.
    f.setKerning(false);

    int pixels = 13;
    if (height < 0) {
        pixels = -height; // a character height: the em size
    } else if (height > 0) {
        // A cell height: find the em size whose ascent plus descent gives it.
        QFont probe(f);
        probe.setPixelSize(1000);
        const QFontMetricsF m(probe);
        const qreal cell = m.ascent() + m.descent();
        pixels = cell > 0 ? qRound(height * 1000.0 / cell) : height;
    }
    f.setPixelSize(std::max(1, pixels));
    return f;
}

} // namespace

QFont LabelDrawingFont(const TKFont& font)
{
    FontCache& cache = Fonts();
    for (const FontCache::Entry& e : cache.entries) {
        if (e.height == font.Height() && e.style == font.Style() && e.pitch == font.Pitch() && e.name == font.Name())
            return e.font;
    }
    cache.ClearAtEnd();
    if (cache.entries.size() >= FontCache::kKept)
        cache.entries.erase(cache.entries.begin());
    FontCache::Entry entry;
    entry.name = font.Name();
    entry.height = font.Height();
    entry.style = font.Style();
    entry.pitch = font.Pitch();
    entry.font = MakeDrawingFont(font);
    cache.entries.push_back(std::move(entry));
    return cache.entries.back().font;
}


LabelMetrics MeasureLabel(const QFont& font, const QString& caption)
{
    const QFontMetrics m(font);
    const int cell = m.ascent() + m.descent();
    const int internalLeading = std::max(0, cell - font.pixelSize());
    LabelMetrics out;
    out.textWidth = m.horizontalAdvance(caption + QLatin1Char(' '));
    out.textHeight = cell + internalLeading + std::max(0, m.leading());
    return out;
}

int TextRoom(QSize box, int angle, QPoint shadowOffset, QPoint highlightOffset)
{
    const QPoint s = Bounded(shadowOffset);
    const QPoint h = Bounded(highlightOffset);
    const int along = Bounded(angle == 90 || angle == 270 ? box.height() : box.width());
    // Copies offset backwards need room before the text, forwards after it.
    const int before = std::max({0, -s.x(), -h.x()});
    const int after = std::max({0, s.x(), h.x()});
    return along - before - after;
}

int ShrunkPixelSize(int chosen, int room, const std::function<int(int)>& widthAt)
{
    if (chosen <= kMinShrunkPixels || widthAt(chosen) <= room)
        return chosen;
    // Text widths grow with the size: the largest size that fits, found by halving.
    int lo = kMinShrunkPixels, hi = chosen - 1;
    int best = kMinShrunkPixels;
    while (lo <= hi) {
        const int mid = lo + (hi - lo) / 2;
        if (widthAt(mid) <= room) {
            best = mid;
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return best;
}

bool MeasuresFromGlyphs(const QString& caption)
{
    if (caption.isEmpty() || caption.back().isSpace())
        return false;
    for (const QChar c : caption) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0xa0) || u == 0xad || (c.isSpace() && u != ' '))
            return false;
    }
    return true;
}

LabelMetrics MeasureLabel(const QFont& font, const ShapedLine& line)
{
    const TLabelFontMeasures measures = LabelFontMeasures(font);
    LabelMetrics out;
    // Advances are whole 64ths of a pixel, so the sum is exact and rounds as the text's does.
    out.textWidth = int(std::min(std::floor(line.Advance() + measures.space + 0.5), 1e9));
    out.textHeight = measures.textHeight;
    return out;
}

TLabelFontMeasures LabelFontMeasures(const QFont& font)
{
    FontCache& cache = Fonts();
    for (const auto& [measured, measures] : cache.measures) {
        if (measured == font)
            return measures;
    }
    TLabelFontMeasures measures;
    const QFontMetrics m(font);
    measures.ascent = m.ascent();
    measures.textHeight = MeasureLabel(font, QString()).textHeight;
    measures.fourSpaces = m.horizontalAdvance(QStringLiteral("    "));
    measures.space = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
    cache.ClearAtEnd();
    if (cache.measures.size() >= FontCache::kKept)
        cache.measures.erase(cache.measures.begin());
    cache.measures.emplace_back(font, measures);
    return measures;
}

} // namespace qm
