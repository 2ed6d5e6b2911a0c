// SPDX-License-Identifier: GPL-3.0-or-later
// PdfFontSet: the fonts of a PDF job's own page content, each face's glyphs numbered for one subset.
#pragma once

#include <QByteArray>

#include <memory>
#include <vector>

class QRawFont;

namespace qm {

// The fonts a job's pages use: each face gets a resource name (/F0, /F1...) and its glyphs numbers of its
// own in the order they are first used (0 is always the missing glyph), so that one subset of each face
// serves the whole job.
class PdfFontSet
{
public:
    PdfFontSet();
    ~PdfFontSet();
    PdfFontSet(const PdfFontSet&) = delete;
    PdfFontSet& operator=(const PdfFontSet&) = delete;

    // The face's number.
    int Face(const QRawFont& font);
    // The glyph's number in its face's subset.
    quint16 Glyph(int face, quint32 glyph);
    // The glyph's advance in thousandths of the font size (to a hundredth), as the font's width table will
    // say.
    double Width(int face, quint16 number) const;
    int FaceCount() const;
    // Whether the face's licence lets it be embedded (as Qt's writer decides); text in a face that may not
    // be embedded is drawn by Qt's writer instead, as outlines.
    bool Embeddable(int face) const;
    // Whether the pages show a glyph of the face.
    bool Used(int face) const;
    // The face's subset as a one-page document of Qt's PDF writer that uses every glyph once, in order.
    QByteArray SubsetDocument(int face) const;
    // The face's glyph count (the missing glyph included).
    int GlyphCount(int face) const;
    // The width table of the face's glyphs ("[0 [w0 w1 ...]]").
    QByteArray WidthArray(int face) const;
    static QByteArray ResourceName(int face) { return "/F" + QByteArray::number(face); }

private:
    struct FaceData;
    std::vector<std::unique_ptr<FaceData>> mFaces;
};

} // namespace qm
