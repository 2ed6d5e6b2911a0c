// SPDX-License-Identifier: GPL-3.0-or-later
// A line of text shaped once, its glyphs' ink from each face's outlines at their design size.
#include "model/shapedline.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace qm {

namespace {

quint16 TableWord(const QByteArray& table, int at)
{
    return at + 2 <= table.size() ? quint16((uchar(table[at]) << 8) | uchar(table[at + 1])) : 0;
}

// A face at the size of its design units, where glyph bounds come out in whole units whatever the hinting,
// with the bounds asked for so far.
struct DesignFace
{
    QString Key;
    QRawFont Design;
    bool FaceBold = false;
    bool FaceItalic = false;
    QHash<quint32, QRectF> Boxes;

    QRectF Box(quint32 glyph)
    {
        const auto found = Boxes.constFind(glyph);
        if (found != Boxes.constEnd())
            return *found;
        const QRectF box = Design.boundingRect(glyph);
        Boxes.insert(glyph, box);
        return box;
    }
};

// The faces a card uses are few; each thread keeps its own, as its fonts are its own, and the application's
// end clears them while the faces can still be let go.
struct DesignFaces
{
    std::vector<std::unique_ptr<DesignFace>> faces;
    // Raw fonts met lately, which compare by their font engine, and their faces.
    std::vector<std::pair<QRawFont, DesignFace*>> met;
    bool clearedAtEnd = false;
};

DesignFaces& Faces()
{
    thread_local DesignFaces faces;
    return faces;
}

void ClearFaces()
{
    Faces().met.clear();
    Faces().faces.clear();
    Faces().clearedAtEnd = false;
}

DesignFace& FindDesignFace(DesignFaces& cache, const QRawFont& font)
{
    std::vector<std::unique_ptr<DesignFace>>& faces = cache.faces;
    const QString key = font.familyName() + QChar(0) + font.styleName() + QChar(0) +
                        QString::number(font.weight()) + QChar(0) + QString::number(int(font.style()));
    for (const auto& face : faces) {
        if (face->Key == key)
            return *face;
    }
    if (faces.size() >= 64) {
        cache.met.clear();
        faces.erase(faces.begin());
    }
    auto face = std::make_unique<DesignFace>();
    face->Key = key;
    face->Design = font;
    face->Design.setPixelSize(std::max(16.0, font.unitsPerEm()));
    // What the face itself is, from its OS/2 table (weight class and selection flags) and its head table's
    // style bits.
    const QByteArray os2 = font.fontTable("OS/2");
    const QByteArray head = font.fontTable("head");
    const quint16 weightClass = TableWord(os2, 4);
    const quint16 selection = TableWord(os2, 62);
    const quint16 macStyle = TableWord(head, 44);
    face->FaceBold = weightClass >= 600 || (selection & 0x20) || (macStyle & 1);
    face->FaceItalic = (selection & 0x201) || (macStyle & 2);
    faces.push_back(std::move(face));
    return *faces.back();
}

DesignFace& DesignFaceOf(const QRawFont& font)
{
    DesignFaces& cache = Faces();
    if (!cache.clearedAtEnd) {
        qAddPostRoutine(ClearFaces);
        cache.clearedAtEnd = true;
    }
    for (const auto& [met, face] : cache.met) {
        if (met == font)
            return *face;
    }
    DesignFace& face = FindDesignFace(cache, font);
    if (cache.met.size() >= 16)
        cache.met.erase(cache.met.begin());
    cache.met.emplace_back(font, &face);
    return face;
}

} // namespace

ShapedLine::ShapedLine(const QString& text, const QFont& font, const QPaintDevice* device)
    : mText(text), mFont(font)
{
    QTextLayout layout(text, font, const_cast<QPaintDevice*>(device));
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    // Kept past the line's layout, so that its glyphs are read from the one shaping rather than shaped again.
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(1e6);
    layout.endLayout();
    if (!line.isValid())
        return;
    mAscent = line.ascent();
    mAdvance = line.horizontalAdvance();
    mBox = QRectF(line.x(), 0, std::max(line.naturalTextWidth(), 1.0), line.height());
    mRuns = layout.glyphRuns();
}

std::optional<QRectF> ShapedLine::Ink() const
{
    if (!mInkDone) {
        mInkDone = true;
        QRectF all;
        for (const QGlyphRun& run : mRuns) {
            const std::optional<QRectF> ink = GlyphInk(run);
            if (!ink)
                return mInk = std::nullopt;
            all |= *ink;
        }
        mInk = all;
    }
    return mInk;
}

std::optional<QRectF> GlyphInk(const QGlyphRun& run)
{
    const QRawFont font = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> places = run.positions();
    if (!font.isValid() || glyphs.size() != places.size())
        return std::nullopt;
    DesignFace& face = DesignFaceOf(font);
    // A bold or slanted face the font system makes from a plain one draws beyond the plain outlines.
    if ((font.weight() >= QFont::DemiBold && !face.FaceBold) || (font.style() != QFont::StyleNormal && !face.FaceItalic))
        return std::nullopt;
    const double scale = font.pixelSize() / face.Design.pixelSize();
    double left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const QRectF box = face.Box(glyphs[i]);
        if (box.isEmpty())
            continue; // a space
        const double l = places[i].x() + box.left() * scale;
        const double t = places[i].y() + box.top() * scale;
        const double r = places[i].x() + box.right() * scale;
        const double b = places[i].y() + box.bottom() * scale;
        left = any ? std::min(left, l) : l;
        top = any ? std::min(top, t) : t;
        right = any ? std::max(right, r) : r;
        bottom = any ? std::max(bottom, b) : b;
        any = true;
    }
    if (!any)
        return QRectF();
    return QRectF(QPointF(std::floor(left * 64) / 64, std::floor(top * 64) / 64),
                  QPointF(std::ceil(right * 64) / 64, std::ceil(bottom * 64) / 64));
}

bool TakesShapedLines(const QPainter& painter)
{
    return dynamic_cast<const ShapedLineDevice*>(painter.device()) != nullptr;
}

void DrawShapedLine(QPainter& painter, QPointF baseline, const ShapedLine& line)
{
    const QFont& font = line.Font();
    if (!font.underline() && !font.strikeOut() && !font.overline()) {
        if (auto* device = dynamic_cast<ShapedLineDevice*>(painter.device())) {
            device->DrawShapedLine(painter, baseline, line);
            return;
        }
    }
    painter.setFont(font);
    painter.drawText(baseline, line.Text());
}

} // namespace qm
