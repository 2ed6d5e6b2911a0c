// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog's start and answer for a stored font.
#include "objects/text/fontchoice.h"

#include "model/subobjects.h"
#include "objects/text/labellayout.h"

#include <QFont>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

int PointSizeOf(const QFont& f)
{
    return f.pointSize() > 0 ? f.pointSize() : int(std::lround(f.pointSizeF()));
}

} // namespace

QFont FontDialogStart(const TKFont& font)
{
    // The text is drawn with this font; what the system resolves it to is the face the user sees.
    const QFont drawn = LabelDrawingFont(font);
    QFont start(QFontInfo(drawn).family());
    // A stored cell height (positive) has no point size of its own: take the em size it draws with.
    const int points = font.Height() < 0 ? font.Size() : int(std::lround(drawn.pixelSize() * 72.0 / 96.0));
    start.setPointSize(std::max(1, points));
    start.setBold(font.HasStyle(fsBold));
    start.setItalic(font.HasStyle(fsItalic));
    start.setUnderline(font.HasStyle(fsUnderline));
    start.setStrikeOut(font.HasStyle(fsStrikeOut));
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
