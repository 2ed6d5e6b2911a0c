// SPDX-License-Identifier: GPL-3.0-or-later
// Symbol fonts: the Wingdings, Webdings and Symbol character codes a card stores, drawn as the Unicode
// characters they stand for in a face that has them.
#pragma once

#include <QString>

class QFont;

namespace qm {

// The character sets of the symbol fonts a card may name.
enum class TSymbolSet
{
    None, // any other face: its characters are drawn as they are
    Wingdings,
    Webdings,
    Symbol
};

// The set a face name stands for ("WingDings", "Wingdings", "webdings", "Symbol"; case does not matter).
TSymbolSet SymbolSetOf(const QString& faceName);

// The Unicode character of code 32..255 of a symbol set; 0 when the code has none (or for TSymbolSet::None).
char32_t SymbolCharacter(TSymbolSet set, int code);

// What a symbol font's text draws as.
struct TSymbolText
{
    QString text;   // the Unicode characters
    QString face;   // the face that has them (empty: the stored face itself draws the text)
    bool missing = false; // some code had no character: it shows as a hollow box
};

// The text of a symbol font's characters as drawn: each code becomes its Unicode character (for the few
// glyphs Unicode had before 7.0, the older character below U+10000: the Wingdings telephone is U+260E), in
// the first of the faces Symbola, DejaVu Sans and OpenSymbol that has it; a code without a character, or
// whose character no such face has, becomes a hollow box (U+25A1). Text in any other face is returned as it
// is.
TSymbolText SymbolText(const QString& faceName, const QString& stored);

// The code of the stored character of a symbol caption (its Windows-1252 byte); -1 when it has none.
int SymbolCode(const QString& stored);
// The stored character of code 32..255.
QString SymbolCodeText(int code);

// The faces symbol characters are looked up in, in order.
const QStringList& SymbolFaces();

} // namespace qm
