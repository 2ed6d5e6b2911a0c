// SPDX-License-Identifier: GPL-3.0-or-later
// PdfContentDevice's text: lines shaped beforehand, or each item laid out again for its glyphs, set as text
// runs in the job's fonts.
#include "print/pdfcontentengine.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qm {

using pdfops::ColorOperator;
using pdfops::PutNumber;
using pdfops::PutScale;

void PdfContentDevice::Engine::LayOut(Shaped& shaped, const QPaintDevice* device)
{
    QTextLayout layout(shaped.Text, shaped.Font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    if (shaped.RightToLeft)
        option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    // Kept past the line's layout, so that its glyphs are read from the one shaping rather than shaped again.
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(1e6);
    layout.endLayout();
    shaped.Runs.clear();
    if (!line.isValid())
        return;
    shaped.Ascent = line.ascent();
    shaped.Width = line.horizontalAdvance();
    shaped.Box = QRectF(line.x(), -line.ascent(), std::max(line.naturalTextWidth(), 1.0), line.height());
    shaped.Ink = QRectF();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const std::optional<QRectF> ink = GlyphInk(run);
        if (shaped.Ink && ink)
            *shaped.Ink |= ink->translated(0, -shaped.Ascent);
        else
            shaped.Ink = std::nullopt;
        Shaped::Run out;
        out.Glyphs = run.glyphIndexes();
        out.Places = run.positions();
        const QRawFont raw = run.rawFont();
        out.Size = raw.pixelSize();
        if (out.Glyphs.isEmpty() || out.Glyphs.size() != out.Places.size() || out.Size <= 0)
            continue;
        out.Face = mFonts.Face(raw);
        const QList<quint32> space = raw.glyphIndexesForString(QStringLiteral(" "));
        out.Space = space.isEmpty() ? 0 : space.front();
        shaped.Runs.push_back(std::move(out));
    }
}

const PdfContentDevice::Engine::Shaped& PdfContentDevice::Engine::LaidOut(const QTextItem& item)
{
    const QString text = item.text();
    const QFont font = item.font();
    const double width = item.width();
    const bool rightToLeft = item.renderFlags() & QTextItem::RightToLeft;
    // A text is often drawn twice running (its shadow, then itself).
    for (const Shaped& shaped : mShaped) {
        if (shaped.RightToLeft == rightToLeft && shaped.ItemWidth == width && shaped.Text == text &&
            shaped.Font == font)
            return shaped;
    }
    Shaped& shaped = mShaped[mNextShaped];
    mNextShaped = (mNextShaped + 1) % kShapedKept;
    shaped = Shaped();
    shaped.Text = text;
    shaped.Font = font;
    shaped.ItemWidth = width;
    shaped.RightToLeft = rightToLeft;
    // The item's text laid out again with its font on this device gives its glyphs and their places, as
    // the painter's own text does. Text laid out beforehand for the screen (a rich-text document) may have
    // other widths: laid out as the screen does, it gets those.
    LayOut(shaped, static_cast<QPaintDevice*>(paintDevice()));
    if (std::abs(shaped.Width - width) > 0.01) {
        Shaped screen = shaped;
        LayOut(screen, nullptr);
        if (std::abs(screen.Width - width) < std::abs(shaped.Width - width))
            shaped = std::move(screen);
    }
    return shaped;
}

void PdfContentDevice::Engine::drawTextItem(const QPointF& p, const QTextItem& item)
{
    if (item.text().isEmpty() || !PaintSupported(false, true))
        return;
    PutText(p, LaidOut(item), item.width(), ToPoints(), mPen.color());
}

void PdfContentDevice::Engine::DrawLine(const QPainter& painter, QPointF baseline, const ShapedLine& line)
{
    // As the painter draws text: nothing without a pen, and only a solid opaque one as operators.
    const QPen& pen = painter.pen();
    if (line.Runs().isEmpty() || pen.style() == Qt::NoPen)
        return;
    if (painter.opacity() <= 0.999 || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        pen.brush().style() != Qt::SolidPattern || pen.color().alpha() != 255) {
        mUnsupported = true;
        return;
    }
    Shaped& shaped = mLine;
    if (shaped.Text != line.Text() || !(shaped.Font == line.Font()) || shaped.Runs.empty()) {
        shaped = Shaped();
        shaped.Text = line.Text();
        shaped.Font = line.Font();
        shaped.Ascent = line.Ascent();
        shaped.Width = line.Advance();
        shaped.Box = line.Box().translated(0, -line.Ascent());
        if (const std::optional<QRectF> ink = line.Ink())
            shaped.Ink = ink->translated(0, -line.Ascent());
        for (const QGlyphRun& run : line.Runs()) {
            Shaped::Run out;
            out.Glyphs = run.glyphIndexes();
            out.Places = run.positions();
            const QRawFont raw = run.rawFont();
            out.Size = raw.pixelSize();
            if (out.Glyphs.isEmpty() || out.Glyphs.size() != out.Places.size() || out.Size <= 0)
                continue;
            out.Face = FaceOf(raw);
            shaped.Runs.push_back(std::move(out));
        }
        shaped.ItemWidth = shaped.Width;
    }
    PutText(baseline, shaped, shaped.Width, painter.deviceTransform() * mBase, pen.color());
}

int PdfContentDevice::Engine::FaceOf(const QRawFont& font)
{
    // Raw fonts of one face at one size share their font engine, which they compare by.
    for (const auto& [known, face] : mKnownFaces) {
        if (known == font)
            return face;
    }
    const int face = mFonts.Face(font);
    if (mKnownFaces.size() >= 16)
        mKnownFaces.erase(mKnownFaces.begin());
    mKnownFaces.emplace_back(font, face);
    return face;
}

void PdfContentDevice::Engine::PutText(QPointF p, const Shaped& shaped, double width, const QTransform& toPoints,
                                        const QColor& color)
{
    if (shaped.Runs.empty())
        return;
    for (const Shaped::Run& run : shaped.Runs) {
        if (!mFonts.Embeddable(run.Face)) {
            mUnsupported = true;
            return;
        }
    }
    // The clips are left out only where the glyphs' outlines stay inside them; of a face whose outlines are
    // not known, an em around the line is taken.
    QRectF bounds = shaped.Box;
    if (shaped.Ink) {
        bounds |= *shaped.Ink;
    } else {
        double em = 0;
        for (const Shaped::Run& run : shaped.Runs)
            em = std::max(em, run.Size);
        bounds.adjust(-em, -em, em, em);
    }
    if (!Prepare(toPoints.mapRect(bounds.translated(p))))
        return;
    if (mTextColorOperator.isEmpty() || color != mTextColor) {
        mTextColor = color;
        mTextColorOperator = ColorOperator(color, false);
    }
    if (mTextColorOperator != mShownFill) {
        mOut += mTextColorOperator;
        mShownFill = mTextColorOperator;
    }

    const double ascent = shaped.Ascent;
    // A justified line is wider than its text: the difference goes to its spaces.
    double perSpace = 0;
    if (!shaped.RightToLeft && std::abs(width - shaped.Width) > 0.5) {
        int spaces = 0;
        for (const Shaped::Run& run : shaped.Runs)
            spaces += int(std::count(run.Glyphs.begin(), run.Glyphs.end(), run.Space));
        if (spaces > 0)
            perSpace = (width - shaped.Width) / spaces;
    }
    double shift = 0;
    for (const Shaped::Run& run : shaped.Runs) {
        const QList<quint32>& glyphs = run.Glyphs;
        const QList<QPointF>& places = run.Places;
        const double size = run.Size;
        const int face = run.Face;
        qsizetype i = 0;
        while (i < glyphs.size()) {
            // A stretch of glyphs on one baseline becomes one text run.
            qsizetype j = i + 1;
            while (j < glyphs.size() && qFuzzyCompare(places[j].y(), places[i].y()))
                ++j;
            const QPointF origin(p.x() + places[i].x() + shift, p.y() + places[i].y() - ascent);
            const QTransform matrix = QTransform(1, 0, 0, -1, origin.x(), origin.y()) * toPoints;
            mOut += "BT\n";
            mOut += PdfFontSet::ResourceName(face);
            mOut += ' ';
            if (matrix.m12() == 0 && matrix.m21() == 0 && matrix.m11() == matrix.m22() && matrix.m11() > 0) {
                // Upright text at a scale: the scale goes into the size.
                PutNumber(mOut, size * matrix.m11());
                mOut += "Tf 1 0 0 1 ";
            } else {
                PutNumber(mOut, size);
                mOut += "Tf ";
                PutScale(mOut, matrix.m11());
                PutScale(mOut, matrix.m12());
                PutScale(mOut, matrix.m21());
                PutScale(mOut, matrix.m22());
            }
            PutNumber(mOut, matrix.dx());
            PutNumber(mOut, matrix.dy());
            mOut += "Tm [<";
            // The glyphs and their adjustments gathered here and added to the content at once.
            QVarLengthArray<char, 512> shown;
            double pen = places[i].x() + shift; // where the reader's pen stands, in the font's pixels
            for (qsizetype k = i; k < j; ++k) {
                // Differences of a thousandth of the size are let run until they add up.
                const double wanted = places[k].x() + shift;
                if (perSpace != 0 && glyphs[k] == run.Space)
                    shift += perSpace;
                const double off = (pen - wanted) * 1000.0 / size;
                const long adjust = std::abs(off) < 1.5 ? 0 : std::lround(off);
                if (adjust != 0) {
                    char number[24] = {'>', ' '};
                    char* end = std::to_chars(number + 2, number + sizeof number - 2, adjust).ptr;
                    *end++ = ' ';
                    *end++ = '<';
                    shown.append(number, end - number);
                    pen -= double(adjust) * size / 1000.0;
                }
                const quint16 number = mFonts.Glyph(face, glyphs[k]);
                static const char digits[] = "0123456789ABCDEF";
                const char hex[4] = {digits[(number >> 12) & 15], digits[(number >> 8) & 15],
                                     digits[(number >> 4) & 15], digits[number & 15]};
                shown.append(hex, 4);
                pen += mFonts.Width(face, number) * size / 1000.0;
            }
            mOut.append(shown.constData(), shown.size());
            mOut += ">] TJ\nET\n";
            i = j;
        }
    }
}

} // namespace qm

