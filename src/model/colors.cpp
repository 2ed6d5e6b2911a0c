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

} // namespace qm
