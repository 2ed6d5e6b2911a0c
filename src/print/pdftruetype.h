// SPDX-License-Identifier: GPL-3.0-or-later
// SlimTrueType: an embedded TrueType font without the tables a PDF reader never uses.
#pragma once

#include <QByteArray>

namespace qm {

// The font without its name and PostScript-name tables: Qt's subsets carry the font's whole name table (its
// licence text included), often ten times the size of the glyphs themselves. The table directory and the
// font's checksum are made anew. Empty when the font is not one this understands (it is then kept whole).
QByteArray SlimTrueType(const QByteArray& font);

} // namespace qm
