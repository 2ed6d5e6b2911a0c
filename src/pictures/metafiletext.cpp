// SPDX-License-Identifier: GPL-3.0-or-later
// Metafile text: a run of characters at a reference point in the selected font, aligned, turned and spaced as
// the record says, drawn as text (so it stays text on paper).
#include "pictures/metafilegdi.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm::metafile {

namespace {

// Fonts are laid out this many times larger than drawn, so that sizes between whole pixels keep their size.
constexpr double kFontScale = 16;

} // namespace

// A font and its measures, kept for the next text in the same font: making them again for every run of text
// looks the font up in the font database each time.
struct TextFonts
{
    struct Entry
    {
        QString face;
        int pixelSize;
        int weight;
        bool italic, underline, strikeOut;
        QFont font;
        QFontMetricsF metrics;
    };
    std::vector<Entry> entries; // the latest last
};

void Canvas::Text(QPointF reference, const QString& text, const std::vector<double>& dx, int options,
                  const QRectF& rect)
{
    const QTransform t = LogicalToDevice();
    const bool updateCurrent = dc.textAlign & 1;
    const QPointF ref = updateCurrent ? dc.current : reference;
    BeginDraw();
    QPainterPath rectPath;
    rectPath.addRect(rect.normalized());
    const QPainterPath deviceRect = t.map(rectPath);
    if ((options & 2) && !rect.isEmpty() && !mInPath)
        mPainter.fillPath(deviceRect, dc.bkColor);
    if (text.isEmpty()) {
        EndDraw();
        return;
    }

    const LogFont& lf = dc.font.font;
    const QPointF origin = t.map(ref);
    const QPointF ux = t.map(ref + QPointF(1, 0)) - origin;
    const QPointF uy = t.map(ref + QPointF(0, 1)) - origin;
    const double xScale = std::hypot(ux.x(), ux.y());
    const double yScale = std::hypot(uy.x(), uy.y());
    // A negative height is the character height, a positive one the cell height (ascent and descent).
    double em = lf.height == 0 ? 16 : std::abs(lf.height) * yScale * (lf.height > 0 ? 0.87 : 1.0);
    em = std::clamp(em, 0.25, 4 * std::max(mFrame.width(), mFrame.height()) + 16);
    const double angle = std::atan2(ux.y(), ux.x()) * 180 / 3.14159265358979323846 - lf.escapement / 10.0;

    const QString face = lf.face.isEmpty() ? QStringLiteral("Arial") : lf.face;
    const int pixelSize = std::max(1, int(std::lround(std::min(em * kFontScale, 1.0e6))));
    const int weight = std::clamp(lf.weight == 0 ? 400 : lf.weight, 100, 900);
    if (!mFonts)
        mFonts = std::make_shared<TextFonts>();
    std::vector<TextFonts::Entry>& fonts = mFonts->entries;
    auto found = std::find_if(fonts.begin(), fonts.end(), [&](const TextFonts::Entry& e) {
        return e.pixelSize == pixelSize && e.weight == weight && e.italic == lf.italic &&
               e.underline == lf.underline && e.strikeOut == lf.strikeOut && e.face == face;
    });
    if (found == fonts.end()) {
        QFont made(face);
        made.setPixelSize(pixelSize);
        made.setWeight(QFont::Weight(weight));
        made.setItalic(lf.italic);
        made.setUnderline(lf.underline);
        made.setStrikeOut(lf.strikeOut);
        made.setHintingPreference(QFont::PreferNoHinting);
        if (fonts.size() >= 16)
            fonts.erase(fonts.begin());
        fonts.push_back({face, pixelSize, weight, lf.italic, lf.underline, lf.strikeOut, made, QFontMetricsF(made)});
        found = fonts.end() - 1;
    }
    const QFont& font = found->font;
    const QFontMetricsF& metrics = found->metrics;

    // Advances in the enlarged font units.
    std::vector<double> advances;
    double total = 0;
    if (!dx.empty()) {
        advances.reserve(size_t(text.size()));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const double a = (size_t(i) < dx.size() ? dx[size_t(i)] : 0) * xScale * kFontScale;
            advances.push_back(std::isfinite(a) ? a : 0);
            total += advances.back();
        }
    } else {
        total = metrics.horizontalAdvance(text);
    }
    double x = 0;
    if ((dc.textAlign & 6) == 6)
        x = -total / 2;
    else if (dc.textAlign & 2)
        x = -total;
    double y = metrics.ascent();
    if ((dc.textAlign & 24) == 24)
        y = 0;
    else if (dc.textAlign & 8)
        y = -metrics.descent();

    const QTransform local = QTransform::fromScale(1 / kFontScale, 1 / kFontScale) * QTransform().rotate(angle) *
                             QTransform::fromTranslate(origin.x(), origin.y());
    if (mInPath) {
        QPainterPath outline;
        outline.addText(QPointF(x, y), font, text);
        mPath.addPath((local).map(outline));
    } else {
        mPainter.save();
        if (options & 4)
            mPainter.setClipPath(deviceRect, Qt::IntersectClip);
        mPainter.setWorldTransform(local * mBase);
        if (dc.bkMode == 2)
            mPainter.fillRect(QRectF(x, y - metrics.ascent(), total, metrics.height()), dc.bkColor);
        mPainter.setFont(font);
        mPainter.setPen(dc.textColor);
        if (advances.empty()) {
            mPainter.drawText(QPointF(x, y), text);
        } else {
            double pos = x;
            for (qsizetype i = 0; i < text.size(); ++i) {
                const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                mPainter.drawText(QPointF(pos, y), text.mid(i, length));
                for (int k = 0; k < length; ++k)
                    pos += advances[size_t(i + k)];
                i += length - 1;
            }
        }
        mPainter.restore();
    }
    EndDraw();
    if (updateCurrent) {
        const double logicalAdvance = xScale > 0 ? total / kFontScale / xScale : 0;
        dc.current = ref + QPointF((dc.textAlign & 6) == 6 ? 0 : (dc.textAlign & 2) ? -logicalAdvance
                                                                                       : logicalAdvance, 0);
    }
}

} // namespace qm::metafile
