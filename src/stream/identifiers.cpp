// SPDX-License-Identifier: GPL-3.0-or-later
// Identifier tables of the card object stream.
#include "stream/identifiers.h"

#include <iterator>

namespace qm {
namespace {

struct IdentEntry
{
    const char* name;
    qint64 value;
};

const IdentEntry kColors[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},   {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},    {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},   {"clWhite", 0xFFFFFF},
    {"clNone", 0x1FFFFFFF},
};

// System colours: 0x80000000 plus the index in this list.
const char* const kSystemColors[] = {
    "clScrollBar",   "clBackground",    "clActiveCaption", "clInactiveCaption",     "clMenu",
    "clWindow",      "clWindowFrame",   "clMenuText",      "clWindowText",          "clCaptionText",
    "clActiveBorder", "clInactiveBorder", "clAppWorkSpace", "clHighlight",          "clHighlightText",
    "clBtnFace",     "clBtnShadow",     "clGrayText",      "clBtnText",             "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",   "cl3DLight",       "clInfoText",            "clInfoBk",
};
constexpr qint64 kSystemColorBase = 0x80000000LL;

const IdentEntry kCursors[] = {
    {"crDefault", 0},    {"crArrow", -2},     {"crCross", -3},   {"crIBeam", -4},     {"crSize", -5},
    {"crSizeNESW", -6},  {"crSizeNS", -7},    {"crSizeNWSE", -8}, {"crSizeWE", -9},   {"crUpArrow", -10},
    {"crHourGlass", -11}, {"crDrag", -12},    {"crNoDrop", -13}, {"crHSplit", -14},   {"crVSplit", -15},
    {"crMultiDrag", -16}, {"crSQLWait", -17}, {"crNo", -18},     {"crAppStart", -19}, {"crHelp", -20},
};

const IdentEntry kCharsets[] = {
    {"ANSI_CHARSET", 0},       {"DEFAULT_CHARSET", 1},     {"SYMBOL_CHARSET", 2},    {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},   {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},  {"TURKISH_CHARSET", 162}, {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},   {"ARABIC_CHARSET", 178},    {"BALTIC_CHARSET", 186},  {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};

template <size_t N>
bool ValueToIdent(const IdentEntry (&table)[N], qint64 value, QByteArray* ident)
{
    for (const IdentEntry& e : table) {
        if (e.value == value) {
            *ident = QByteArray(e.name);
            return true;
        }
    }
    return false;
}

template <size_t N>
bool IdentToValue(const IdentEntry (&table)[N], const QByteArray& ident, qint64* value)
{
    for (const IdentEntry& e : table) {
        if (qstricmp(e.name, ident.constData()) == 0) {
            *value = e.value;
            return true;
        }
    }
    return false;
}

} // namespace

bool ColorToIdent(qint64 color, QByteArray* ident)
{
    color &= 0xFFFFFFFFLL; // colours travel as signed 32-bit values too
    if (ValueToIdent(kColors, color, ident))
        return true;
    const qint64 index = color - kSystemColorBase;
    if (index >= 0 && index < qint64(std::size(kSystemColors))) {
        *ident = QByteArray(kSystemColors[index]);
        return true;
    }
    return false;
}

bool IdentToColor(const QByteArray& ident, qint64* color)
{
    if (IdentToValue(kColors, ident, color))
        return true;
    for (size_t i = 0; i < std::size(kSystemColors); ++i) {
        if (qstricmp(kSystemColors[i], ident.constData()) == 0) {
            *color = kSystemColorBase + qint64(i);
            return true;
        }
    }
    return false;
}

bool CursorToIdent(qint64 cursor, QByteArray* ident) { return ValueToIdent(kCursors, cursor, ident); }
bool IdentToCursor(const QByteArray& ident, qint64* cursor) { return IdentToValue(kCursors, ident, cursor); }
bool CharsetToIdent(qint64 charset, QByteArray* ident) { return ValueToIdent(kCharsets, charset, ident); }
bool IdentToCharset(const QByteArray& ident, qint64* charset) { return IdentToValue(kCharsets, ident, charset); }

} // namespace qm
