// SPDX-License-Identifier: GPL-3.0-or-later
// Long captions measured and drawn a run of characters at a time.
#pragma once

#include <QString>

#include <vector>

class QFont;

namespace qm {

// A label shows one line cut off at its box, so of a caption of a million characters only the few that reach
// the box can be seen. Laying out the whole line at once would take memory and time in proportion to the
// caption, for every copy drawn. A long caption is therefore cut into runs of about kRunLength characters
// (never inside a surrogate pair or before a combining mark), each measured on its own; the runs' widths
// added up give the caption's width, and drawing lays out only the runs that reach the visible stretch.
// Text is spaced glyph by glyph without kerning, so a run starts exactly where the whole line would have put
// it. Captions of one run are not cut at all: they are measured and drawn whole.
class CaptionRuns
{
public:
    static constexpr qsizetype kRunLength = 1024;
    // The most characters one pixel of the visible stretch can show (stacked accents, zero-width marks and
    // control characters take no room): a stretch of n pixels never draws more than this times n characters
    // plus a run either side.
    static constexpr int kCharactersPerPixel = 4;

    // Whether a caption is long enough to be cut.
    static bool Needed(const QString& caption);

    CaptionRuns(const QFont& font, const QString& caption);

    // The caption's width in pixels of the font, fractions kept.
    double Width() const { return mLeft.empty() ? 0 : mLeft.back(); }
    // Whether these runs were measured for this caption and font.
    bool Fits(const QFont& font, const QString& caption) const;

    struct Part
    {
        qsizetype from = 0;   // first character
        qsizetype length = 0; // characters
        double x = 0;         // where the part starts along the baseline, from the caption's start
    };
    // The characters that can show between `from` and `to` along the baseline (pixels from the caption's
    // start), with a run of room on either side for glyphs reaching beyond their advance.
    Part Visible(double from, double to) const;

private:
    qsizetype mLength = 0;
    QString mFontKey;
    std::vector<qsizetype> mStart; // each run's first character, then the caption's length
    std::vector<double> mLeft;     // where each run starts, then the caption's width
};

} // namespace qm
