// SPDX-License-Identifier: GPL-3.0-or-later
// Rich text stored as RTF: our own reader (RTF into a QTextDocument) and writer (a QTextDocument as RTF).
#pragma once

class QByteArray;
class QTextDocument;

namespace qm {

// Reads RTF into document (cleared first): as much text and formatting as was understood. False when the
// data is not RTF at all (then the bytes are shown as plain text, Windows-1252).
bool ReadRtf(const QByteArray& rtf, QTextDocument& document);

// The document as RTF: font table, colour table, paragraphs and character runs.
QByteArray WriteRtf(const QTextDocument& document);

} // namespace qm
