// SPDX-License-Identifier: GPL-3.0-or-later
// What the RTF reader and writer share: byte decoding in the code pages that fonts and the header may name,
// and the characters a font name keeps.
#pragma once

namespace qm {

// A symbol font's bytes are taken as they are (Latin-1 positions).
constexpr int kRtfSymbolCodePage = 42;

// The code page of a font's \fcharset; charsets without one of their own use the document's code page.
int RtfCodePageForCharset(int charset, int documentCodePage);
// True for the code pages RtfDecodeByte knows (1250, 1251, 1252, 1253, 1254, 1257 and the symbol page).
bool RtfCodePageKnown(int codePage);
// One byte as Unicode; an unknown code page decodes as Windows-1252.
char16_t RtfDecodeByte(int codePage, unsigned char byte);

// Font names keep printable characters on one line, without the ';' that ends a name in the font table.
bool RtfFontNameChar(char16_t c);

} // namespace qm
