// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts of a job's own page content: glyph numbers and widths per face, and each face's subset made by
// Qt's PDF writer.
#include "print/pdffonts.h"

#include <QBuffer>
#include <QGlyphRun>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace qm {

// ---- PdfFontSet ----

struct PdfFontSet::FaceData
{
    QRawFont Font;      // as first met
    QRawFont Design;    // at the size of its design units
    QByteArray Key;
    bool Embeddable = true;
    bool Used = false;
    QHash<quint32, quint16> Numbers;
    std::vector<quint32> Glyphs; // by number
    std::vector<double> Widths;  // by number
};

PdfFontSet::PdfFontSet() = default;
PdfFontSet::~PdfFontSet() = default;

int PdfFontSet::Face(const QRawFont& font)
{
    const QByteArray key = font.familyName().toUtf8() + '\0' + font.styleName().toUtf8() + '\0' +
                           QByteArray::number(font.weight()) + '\0' + QByteArray::number(int(font.style()));
    for (size_t i = 0; i < mFaces.size(); ++i) {
        if (mFaces[i]->Key == key)
            return int(i);
    }
    auto face = std::make_unique<FaceData>();
    face->Font = font;
    face->Design = font;
    face->Design.setPixelSize(std::max(16.0, font.unitsPerEm()));
    face->Key = key;
    // The OS/2 table's embedding flags: "restricted", or bitmaps only.
    const QByteArray os2 = font.fontTable("OS/2");
    const int flags = os2.size() >= 10 ? (uchar(os2[8]) << 8) | uchar(os2[9]) : 0;
    face->Embeddable = flags != 2 && !(flags & 0x200);
    mFaces.push_back(std::move(face));
    Glyph(int(mFaces.size()) - 1, 0);
    mFaces.back()->Used = false; // until the pages show a glyph of it
    return int(mFaces.size()) - 1;
}

quint16 PdfFontSet::Glyph(int index, quint32 glyph)
{
    FaceData& face = *mFaces[size_t(index)];
    face.Used = true;
    const auto found = face.Numbers.constFind(glyph);
    if (found != face.Numbers.constEnd())
        return *found;
    if (face.Glyphs.size() >= 0xFFFF)
        return 0;
    const quint16 number = quint16(face.Glyphs.size());
    face.Numbers.insert(glyph, number);
    face.Glyphs.push_back(glyph);
    QPointF advance;
    face.Design.advancesForGlyphIndexes(&glyph, &advance, 1);
    face.Widths.push_back(std::round(advance.x() * 100000.0 / face.Design.pixelSize()) / 100.0);
    return number;
}

double PdfFontSet::Width(int face, quint16 number) const
{
    const auto& widths = mFaces[size_t(face)]->Widths;
    return number < widths.size() ? widths[number] : 0;
}

bool PdfFontSet::Embeddable(int face) const
{
    return mFaces[size_t(face)]->Embeddable;
}

bool PdfFontSet::Used(int face) const
{
    return mFaces[size_t(face)]->Used;
}

int PdfFontSet::FaceCount() const
{
    return int(mFaces.size());
}

int PdfFontSet::GlyphCount(int face) const
{
    return int(mFaces[size_t(face)]->Glyphs.size());
}

QByteArray PdfFontSet::WidthArray(int face) const
{
    QByteArray out("[0 [");
    for (const double w : mFaces[size_t(face)]->Widths)
        out += QByteArray::number(w, 'g', 8) + ' ';
    out.chop(1);
    return out + "]]";
}

QByteArray PdfFontSet::SubsetDocument(int index) const
{
    const FaceData& face = *mFaces[size_t(index)];
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(72);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        // Qt's writer numbers a subset's glyphs in the order it first meets them, after the missing glyph:
        // drawn in the job's order they get the job's numbers.
        QList<quint32> glyphs(face.Glyphs.begin() + 1, face.Glyphs.end());
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            positions.append(QPointF(double(i % 40) * 12.0, double(i / 40) * 14.0));
        QRawFont font = face.Font;
        font.setPixelSize(12);
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        if (glyphs.isEmpty()) {
            // Only the missing glyph: the subset holds just that.
            glyphs.append(0);
            positions.append(QPointF());
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
        }
        painter.drawGlyphRun(QPointF(20, 20), run);
    }
    return buffer.data();
}

} // namespace qm
