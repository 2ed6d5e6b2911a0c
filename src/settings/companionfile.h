// SPDX-License-Identifier: GPL-3.0-or-later
// The companion layout file (.qme) beside a card file: its background art and sheet layout.
#pragma once

#include "model/sheetlayout.h"

#include <QString>

namespace qm {

// The companion layout file (.qme) beside a card file.
struct CompanionFile
{
    QString Background;     // the background art file as stored; empty for none
    CardSheetLayout Layout; // the built-in default when the file has no layout
    bool HasLayout = false; // the file is of the current form (section "Ini Data", ISINI=1)
    // Why the file cannot be used, in a line for the user: it could not be read (a folder, a named pipe, far
    // too large), or its layout fails the layout checks (the layout is then kept as stored). Empty otherwise.
    QString Problem;
};

// The card path with its extension replaced by ".QME" (".qme" when the card's own extension is lower case).
QString CompanionPath(const QString& cardPath);
// The current form gives the background and the layout; the older form (a plain text file) gives its first
// line as the background; a missing file gives neither. A file that cannot be read gives neither and says why
// in Problem.
CompanionFile ReadCompanionFile(const QString& cardPath);
// Writes the current form in its fixed order, replacing any existing companion file at once.
bool WriteCompanionFile(const QString& cardPath, const QString& background, const CardSheetLayout& layout,
                        QString* error = nullptr);
// The companion file that is there for a card, in whatever case it was written; empty when none.
QString ExistingCompanionPath(const QString& cardPath);

// The back of a two-sided card: a card file of its own beside the front, "NAME.back.qmk" for "NAME.qmk" (the
// extension's case kept), with a companion file of its own for its background art.
QString CardBackPath(const QString& cardPath);
// The back that is there for a card, in whatever case it was written; empty when the card has none.
QString ExistingCardBackPath(const QString& cardPath);

} // namespace qm
