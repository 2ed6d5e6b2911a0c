// SPDX-License-Identifier: GPL-3.0-or-later
// Identifier tables of the card object stream: standard and system colours, cursors and font character sets.
#pragma once

#include <QByteArray>

namespace qm {

// A colour value equal to a standard or system colour has an identifier ("clWhite", "clBtnFace").
bool ColorToIdent(qint64 color, QByteArray* ident);
bool IdentToColor(const QByteArray& ident, qint64* color);

// Cursor identifiers ("crDefault" 0 .. "crHelp" -20).
bool CursorToIdent(qint64 cursor, QByteArray* ident);
bool IdentToCursor(const QByteArray& ident, qint64* cursor);

// Font character set identifiers ("DEFAULT_CHARSET" 1) written by other writers of this format.
bool CharsetToIdent(qint64 charset, QByteArray* ident);
bool IdentToCharset(const QByteArray& ident, qint64* charset);

} // namespace qm
