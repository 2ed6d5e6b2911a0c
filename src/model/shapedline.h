// SPDX-License-Identifier: GPL-3.0-or-later
// ShapedLine: a line of text shaped once, measured from its glyphs and drawn as them where a device takes
// glyphs (a PDF page's own content), so that a merge does not shape every line again to print it.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;
class QPaintDevice;

namespace qm {

class ShapedLine
{
public:
    ShapedLine() = default;
    // The text in one line, left to right as a painter draws it, in the font as the screen measures it (or
    // as the device does, when given).
    ShapedLine(const QString& text, const QFont& font, const QPaintDevice* device = nullptr);

    const QString& Text() const { return mText; }
    const QFont& Font() const { return mFont; }
    // The glyphs in the faces that show them, placed from the line's top-left corner (the baseline at
    // Ascent()).
    const QList<QGlyphRun>& Runs() const { return mRuns; }
    double Ascent() const { return mAscent; }
    // The distance to where text after the line would start, trailing spaces left out.
    double Advance() const { return mAdvance; }
    // The line's box: its advance wide (at least 1), its height from top to bottom.
    QRectF Box() const { return mBox; }
    // The bounds of the glyphs' outlines from the line's top-left corner, rounded outwards (a null rectangle
    // for a line of spaces); nothing when they cannot be known (a face made bold or slanted by the font
    // system, whose outlines are not the face's own).
    std::optional<QRectF> Ink() const;

private:
    QString mText;
    QFont mFont;
    QList<QGlyphRun> mRuns;
    double mAscent = 0;
    double mAdvance = 0;
    QRectF mBox;
    mutable bool mInkDone = false;
    mutable std::optional<QRectF> mInk;
};

// The bounds of a glyph run's outlines, placed as the run places them, as ShapedLine::Ink.
std::optional<QRectF> GlyphInk(const QGlyphRun& run);

// A paint device that draws a shaped line as the glyphs it holds, in the painter's pen colour and under its
// transform and clip, rather than as text shaped again.
class ShapedLineDevice
{
public:
    virtual ~ShapedLineDevice() = default;
    virtual void DrawShapedLine(QPainter& painter, QPointF baseline, const ShapedLine& line) = 0;
};

// Whether the painter's device draws shaped lines itself.
bool TakesShapedLines(const QPainter& painter);

// Draws the line with its baseline starting at `baseline`: as its glyphs on a device that takes them, else
// as the painter's text in the line's font (which the painter keeps). Underlined, struck-out and overlined
// text always goes the painter's way, which draws those lines too.
void DrawShapedLine(QPainter& painter, QPointF baseline, const ShapedLine& line);

} // namespace qm
