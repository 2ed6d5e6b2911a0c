// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between Unicode text and the Windows-1252 code page used by the card and layout files.
#pragma once
#include <QByteArray>
#include <QString>

namespace qm {

// Encodes text as Windows-1252. Characters the code page cannot hold become '?' (one per character, a
// surrogate pair counting as one) and *ok, when given, is set to false; otherwise *ok is true.
QByteArray ToWindows1252(const QString& text, bool* ok = nullptr);

// Decodes Windows-1252 bytes. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the control characters with the same number, as Windows does, so every byte round-trips.
QString FromWindows1252(const QByteArray& bytes);

// True when every character of text has a Windows-1252 byte.
bool FitsWindows1252(const QString& text);

} // namespace qm
