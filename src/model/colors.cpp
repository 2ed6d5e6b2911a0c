// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of card colours to Qt colours.
#include "model/colors.h"

#include <iterator>

namespace qm {
namespace {
// The classic desktop scheme, by system colour index (0x00BBGGRR).
const quint32 kSystemScheme[] = {
    0xC8C8C8, 0x808000, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
    0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF,
};
} // namespace

QColor ToQColor(TColor color)
{
    quint32 value = quint32(color);
    if (value == quint32(clNone))
        return QColor(Qt::transparent);
    if (value & 0x80000000u) {
        const quint32 index = value & 0xFF;
        value = index < std::size(kSystemScheme) ? kSystemScheme[index] : 0;
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color)
{
    return TColor(quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16));
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsSolid:
        return Qt::SolidPattern;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    case bsClear:
        break;
    }
    return Qt::NoBrush;
}

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

// Paper does not mix colours with what lies beneath: the mix modes that name a fixed result keep it, the
// rest draw the pen's colour.
QColor PenModeColor(TPenMode mode, TColor color)
{
    switch (mode) {
    case pmBlack:
        return Qt::black;
    case pmWhite:
        return Qt::white;
    case pmNotCopy: {
        const QColor c = ToQColor(color);
        return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
    }
    default:
        return ToQColor(color);
    }
}

} // namespace qm
