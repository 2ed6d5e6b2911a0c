// SPDX-License-Identifier: GPL-3.0-or-later
// TKSuperText: layout of the letters in the box, and drawing them on screen, in pictures and on paper.
#include "objects/text/supertext.h"

#include "model/cardrender.h"
#include "model/colors.h"
#include "model/mergerecord.h"
#include "model/objectdialogs.h"
#include "objects/text/labellayout.h"
#include "objects/text/symbolfonts.h"
#include "platform/units.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Outlines wider than this only come from damaged files; they already cover any card.
constexpr int kMaxOutline = 1024;
// A pixel of the box never shows more characters than this (stacked accents and zero-width marks take no
// room), so a caption is never measured beyond this many characters per pixel of room.
constexpr qsizetype kCharactersPerPixel = 4;

int Bounded(double v)
{
    return int(std::clamp(v, 0.0, double(TKGraphicControl::kMaxCoordinate)));
}

} // namespace

QFont TKSuperText::DrawingFont() const
{
    QFont font = LabelDrawingFont(mFont);
    const TSymbolText shown = SymbolText(mFont.Name(), mCaption);
    if (!shown.face.isEmpty())
        font.setFamily(shown.face);
    return font;
}

QString TKSuperText::DrawnCaption() const
{
    return SymbolText(mFont.Name(), mCaption).text;
}

SuperTextGeometry TKSuperText::Geometry(const QFont& font) const
{
    SuperTextGeometry g;
    const QFontMetrics metrics(font);
    g.ascent = metrics.ascent();
    g.cellHeight = metrics.ascent() + metrics.descent();
    const QPoint d = mShadowOffset;
    g.shadowOffset = d;
    g.margin = QPoint(d.x() < 0 ? -d.x() : 0, d.y() < 0 ? -d.y() : 0);
    // The letters start 5 pixels in from the left.
    g.mainOrigin = QPoint(g.margin.x() + 5, g.margin.y());
    g.shadowOrigin = g.mainOrigin + d;
    g.textLeft = std::max(g.mainOrigin.x(), g.shadowOrigin.x());
    return g;
}

QString TKSuperText::FittedText(const QFont& font, const QString& text, int room)
{
    if (text.isEmpty() || room <= 0)
        return QString();
    const QFontMetrics metrics(font);
    const qsizetype most = std::min(text.size(), qsizetype(room) * kCharactersPerPixel + 16);
    auto fits = [&](qsizetype n) { return metrics.horizontalAdvance(text.left(n)) <= room; };
    if (most == text.size() && fits(most))
        return text;
    // Characters come off the end until the rest fits: the longest start that fits.
    qsizetype lo = 0, hi = most; // the first length fits, the lengths above `hi` are not tried
    if (fits(hi))
        lo = hi;
    while (hi - lo > 1) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid;
    }
    if (lo > 0 && text.at(lo - 1).isHighSurrogate())
        --lo;
    return text.left(lo);
}

QPainterPath TKSuperText::LetterPath(const QFont& font, const QString& text, QPoint origin, int ascent)
{
    QPainterPath path;
    path.addText(QPointF(origin.x(), origin.y() + ascent), font, text);
    path.setFillRule(Qt::WindingFill);
    return path;
}

void TKSuperText::PrepareLayout()
{
    // Half-read objects of a card being opened are left alone.
    if (ComponentState() & csLoading)
        return;
    if (Width() < 5 || Height() < 5)
        mLayoutNeeded = true;
    if (mLayoutNeeded)
        LayOut();
}

void TKSuperText::LayOut()
{
    if (mInLayout)
        return;
    mInLayout = true;
    const QFont font = DrawingFont();
    const SuperTextGeometry g = Geometry(font);
    int w = Width(), h = Height();
    if (w <= 5) {
        const QString caption = DrawnCaption();
        const QString measured = caption.left(qsizetype(kMaxCoordinate) * kCharactersPerPixel);
        w = Bounded(QFontMetrics(font).horizontalAdvance(measured + QLatin1Char(' ')));
    }
    const int f = g.cellHeight + std::abs(g.shadowOffset.y());
    if (1.2 * f < h && mControlTransparent && mBorderStyle == bsNone)
        h = Bounded(std::trunc(1.2 * f));
    if (f > h)
        h = Bounded(f);
    if (w != Width() || h != Height())
        SetBounds(Left(), Top(), std::max(w, 1), std::max(h, 1));
    mLayoutNeeded = false;
    mInLayout = false;
}

void TKSuperText::FitToText()
{
    // Measured in the font as stored, whatever the zoom, with placeholders as the panel shows them.
    const QString caption = ShownCaption();
    QFont unscaled = LabelDrawingFont(mFont);
    unscaled.setFamily(DrawingFont().family());
    const QFontMetrics metrics(unscaled);
    const double w = metrics.horizontalAdvance(caption.left(qsizetype(kMaxCoordinate) * kCharactersPerPixel));
    const double h = metrics.ascent() + metrics.descent();
    mLayoutNeeded = true;
    LayOut();
    const SuperTextGeometry g = Geometry(DrawingFont());
    const int c = g.textLeft;
    const int d = std::max(g.mainOrigin.y(), g.shadowOrigin.y());
    int width = Bounded(std::trunc(c + 1.2 * w));
    int height = Bounded(std::trunc(1.2 * (h + d)));
    if (height < h)
        height = Bounded(std::trunc(1.5 * h));
    if (width < w)
        width = Bounded(std::trunc(1.5 * w));
    SetBounds(Left(), Top(), std::max(width, 1), std::max(height, 1));
}

bool TKSuperText::FitToCard()
{
    FitToText();
    const int card = Host() ? Host()->PanelWidth() : 0;
    if (card <= 0)
        return true;
    const QFont font = DrawingFont();
    const QString caption = ShownCaption();
    // The room the letters take: the box may lose the spare room fitting gives it, never letters.
    const qint64 needed = qint64(Geometry(font).textLeft) +
                          QFontMetrics(font).horizontalAdvance(caption.left(qsizetype(kMaxCoordinate) * kCharactersPerPixel));
    if (Left() + Width() > card) {
        const int left = std::max(0, card - Width());
        const int width = int(std::clamp<qint64>(card - left, std::min<qint64>(needed, Width()), Width()));
        SetBounds(left, Top(), width, Height());
    }
    if (Left() + needed <= card)
        return true;
    if (TKDialogs* dialogs = Host()->Dialogs())
        dialogs->ShowInformation(
            QCoreApplication::translate(
                "qm::TKSuperText",
                "At %1 points \u201c%2\u201d is wider than the card, so its end is cut off "
                "at the card's edge.\n\nChoose a smaller size or a shorter text in "
                "Properties.")
                .arg(QLocale().toString(mFont.Size()))
                .arg(caption.left(60)));
    return false;
}

bool TKSuperText::TextCut() const
{
    const QFont font = DrawingFont();
    const QString caption = ShownCaption();
    return !caption.isEmpty() && FittedText(font, caption, Width() - Geometry(font).textLeft) != caption;
}

QString TKSuperText::ShownCaption() const
{
    return MergeText(DrawnCaption(), Host() ? Host()->PersonalStrings() : QStringList(), nullptr, true);
}

const QImage& TKSuperText::Texture() const
{
    return mTexture.Picture(mImage);
}

void TKSuperText::GradientEnds(QRgb& start, QRgb& end) const
{
    const bool fromFirst = mFillDirection == gdDown || mFillDirection == gdRight;
    start = ToQColor(fromFirst ? mGradientFromColor : mGradientToColor).rgb();
    end = ToQColor(fromFirst ? mGradientToColor : mGradientFromColor).rgb();
}

const QImage& TKSuperText::GradientPicture(int w, int h, QRgb start, QRgb end, bool vertical) const
{
    // Boxes larger than this paint their bands straight through the letters.
    constexpr qint64 kMaxPixels = qint64(1) << 21;
    if (qint64(w) * h > kMaxPixels) {
        mGradientPicture = QImage();
        return mGradientPicture;
    }
    const QList<qint64> key = {w, h, qint64(start), qint64(end), vertical};
    if (key != mGradientKey || mGradientPicture.isNull()) {
        mGradientKey = key;
        mGradientPicture = QImage(w, h, QImage::Format_RGB32);
        QPainter painter(&mGradientPicture);
        FillGradientBands(painter, w, h, start, end, vertical, false);
    }
    return mGradientPicture;
}

void TKSuperText::Draw(QPainter& p, const RenderContext& context) const
{
    if ((ComponentState() & csLoading) || Width() <= 0 || Height() <= 0)
        return;
    const bool paper = context.OnPaper();
    const int w = Width(), h = Height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);

    // The box: its colour unless transparent, its border when it has one.
    if (!mControlTransparent)
        p.fillRect(QRect(0, 0, w, h), ToQColor(mBGColor));
    if (mBorderStyle == bsSingle) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRect(0, 0, w - 1, h - 1));
    }

    const QFont font = DrawingFont();
    const SuperTextGeometry g = Geometry(font);
    // Placeholders show their values.
    const QString shown = context.ShownText(DrawnCaption());
    const QString text = FittedText(font, shown, w - g.textLeft);
    if (text.isEmpty()) {
        // Nothing fits: a crossed frame shows where the object is.
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRect(0, 0, w - 1, h - 1));
        p.drawLine(0, 0, w - 1, h - 1);
        p.drawLine(0, h - 1, w - 1, 0);
        p.restore();
        return;
    }

    // The outline of the letters is traced once for the font and text, then moved where each copy goes (not
    // kept while a card of very many objects prints: an outline and its key for each would add up).
    QPainterPath traced;
    const QString lettersKey = font.key() + QLatin1Char('\n') + text;
    if (lettersKey == mLettersKey) {
        traced = mLetters;
    } else {
        traced = LetterPath(font, text, QPoint(0, 0), g.ascent);
        if (context.keepDrawingCaches) {
            mLettersKey = lettersKey;
            mLetters = traced;
        }
    }
    const QPainterPath letters = traced.translated(g.mainOrigin);
    // On paper plain letters stay text, so a PDF keeps them as text.
    auto plainText = [&](QPoint origin, TColor color) {
        p.setFont(font);
        p.setPen(ToQColor(color));
        p.drawText(QPoint(origin.x(), origin.y() + g.ascent), text);
    };
    p.setRenderHint(QPainter::Antialiasing, !paper);

    if (mShadowDepth >= 1 && mShadowOrientation != sdNone) {
        if (paper)
            plainText(g.shadowOrigin, mShadowcolor);
        else
            p.fillPath(traced.translated(g.shadowOrigin), ToQColor(mShadowcolor));
    }

    if (mSurfaceType == stNormal) {
        if (paper)
            plainText(g.mainOrigin, mFont.Color());
        else
            p.fillPath(letters, ToQColor(mFont.Color()));
    } else if (mSurfaceType == stGradientFill || mSurfaceType == stBrushImage) {
        QRgb start = 0, end = 0;
        GradientEnds(start, end);
        const bool vertical = mFillDirection == gdUp || mFillDirection == gdDown;
        const QImage bands = mSurfaceType == stGradientFill && !paper ? GradientPicture(w, h, start, end, vertical)
                                                                       : QImage();
        if (!bands.isNull()) {
            // On screen the bands are painted once into a picture of the box, kept until they change.
            p.setBrushOrigin(0, 0);
            p.fillPath(letters, QBrush(bands));
        } else {
            // The surface is painted over the whole box through the letters.
            p.save();
            p.setClipPath(letters, Qt::IntersectClip);
            p.setPen(Qt::NoPen);
            if (mSurfaceType == stGradientFill)
                FillGradientBands(p, w, h, start, end, vertical, paper);
            else
                FillTexture(p, Texture(), w, h);
            p.restore();
        }
    }

    const int outline = std::clamp(mOutlineWidth, 0, kMaxOutline);
    if (mOutlineStyle != psClear && outline >= 1) {
        QPen pen(ToQColor(mOutlineColor));
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        if (paper) {
            // Hundredths of an inch.
            pen.setWidthF(outline * kUnitsPerInch * 0.01);
            pen.setStyle(ToQtPenStyle(mOutlineStyle));
        } else {
            // On screen a pen wider than a pixel draws solid.
            pen.setWidth(outline);
            pen.setStyle(outline == 1 ? ToQtPenStyle(mOutlineStyle) : Qt::SolidLine);
            // A one-pixel line is drawn as such, whatever the painter's scale.
            pen.setCosmetic(outline == 1);
        }
        p.strokePath(letters, pen);
    }
    if (context.OnScreen() && text.size() < shown.size()) {
        // More text than the box shows: a red mark in its bottom-right corner says so.
        const int mark = std::min({7, w, h});
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(w - mark, h - mark, mark, mark), QColor(220, 0, 0));
    }
    p.restore();
}

} // namespace qm
