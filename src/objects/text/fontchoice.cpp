// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog's start and answer for a stored font.
#include "objects/text/fontchoice.h"

#include "model/subobjects.h"
#include "objects/text/labellayout.h"
#include "objects/text/symbolfonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qm {

namespace {

int PointSizeOf(const QFont& f)
{
    return f.pointSize() > 0 ? f.pointSize() : int(std::lround(f.pointSizeF()));
}

// The face's own name for the style of these weight and slant at normal width ("Book" rather than
// "Oblique" or "Condensed" for plain DejaVu Sans): a font dialog given only the family picks a style of its
// own, not always the plain one.
QString StyleNameFor(const QString& family, bool bold, bool italic, int points)
{
    const int weight = bold ? QFont::Bold : QFont::Normal;
    QString best;
    long bestScore = 0;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont f = QFontDatabase::font(family, style, points);
        const long score = std::labs(long(f.weight()) - weight) + (f.italic() != italic ? 10000 : 0) +
                           (f.style() == QFont::StyleOblique && !italic ? 10000 : 0) +
                           std::labs(long(f.stretch() > 0 ? f.stretch() : QFont::Unstretched) - QFont::Unstretched) * 10;
        if (best.isEmpty() || score < bestScore) {
            best = style;
            bestScore = score;
        }
    }
    return best;
}

} // namespace

QFont FontDialogStart(const TKFont& font)
{
    // The text is drawn with this font; what the system resolves it to is the face the user sees.
    const QFont drawn = LabelDrawingFont(font);
    QString family = QFontInfo(drawn).family();
    // A symbol font (Wingdings, Webdings, Symbol) is drawn in the face that has its characters.
    if (SymbolSetOf(font.Name()) != TSymbolSet::None) {
        for (const QString& face : SymbolFaces()) {
            if (QFontDatabase::hasFamily(face)) {
                family = face;
                break;
            }
        }
    }
    QFont start(family);
    // A stored cell height (positive) has no point size of its own: take the em size it draws with.
    const int points = font.Height() < 0 ? font.Size() : int(std::lround(drawn.pixelSize() * 72.0 / 96.0));
    start.setPointSize(std::max(1, points));
    start.setBold(font.HasStyle(fsBold));
    start.setItalic(font.HasStyle(fsItalic));
    start.setUnderline(font.HasStyle(fsUnderline));
    start.setStrikeOut(font.HasStyle(fsStrikeOut));
    const QString style = StyleNameFor(family, font.HasStyle(fsBold), font.HasStyle(fsItalic), start.pointSize());
    if (!style.isEmpty())
        start.setStyleName(style);
    return start;
}

bool TakeFontDialogAnswer(TKFont& font, const QFont& start, const QFont& chosen)
{
    TKFont result;
    result.Assign(font);
    if (chosen.family() != start.family())
        result.SetName(chosen.family());
    const int size = PointSizeOf(chosen);
    if (size != PointSizeOf(start) && size > 0)
        result.SetSize(size);
    TFontStyles style = result.Style();
    const auto follow = [&](bool before, bool after, TFontStyle s) {
        if (before == after)
            return;
        if (after)
            style |= TFontStyles(1u << s);
        else
            style &= TFontStyles(~(1u << s));
    };
    follow(start.bold(), chosen.bold(), fsBold);
    follow(start.italic(), chosen.italic(), fsItalic);
    follow(start.underline(), chosen.underline(), fsUnderline);
    follow(start.strikeOut(), chosen.strikeOut(), fsStrikeOut);
    result.SetStyle(style);
    if (result == font)
        return false;
    font.Assign(result);
    return true;
}

} // namespace qm
