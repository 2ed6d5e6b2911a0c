// SPDX-License-Identifier: GPL-3.0-or-later
// A gLabels design brought over as a card: its stock as the sheet layout, its objects as ours, and a report of
// what came over exactly, what approximately and what was left out.
#pragma once

#include "model/sheetlayout.h"

#include <QString>
#include <QStringList>

namespace qm {

struct GlabelsDocument;
class TKBusinessCardPanel32;

// What an import did, object by object, in lines for the user ("box at 12, 30 pt: ...").
struct ImportReport
{
    QStringList exact;
    QStringList approximate;
    QStringList leftOut;

    // The report as the window and the command show it: a heading line for each group that has lines.
    QString Text() const;
};

struct GlabelsImport
{
    CardSheetLayout layout; // the base layout with the document's stock applied where it fits
    bool stockApplied = false;
    QString stockName;      // "Avery 5371"
    // The merge data the document names (absolute), and whether its fields are column numbers ({1}, {2}):
    // gLabels' "Text/Comma" and the like without "Line1Keys", whose first line is a record, not names.
    QString mergeSource;
    bool mergeNumbered = false;
    ImportReport report;
};

// The document's stock applied to out.layout (the base layout), with its lines in the report; a stock our
// layouts cannot hold gives the card its size only.
void ApplyGlabelsSheet(const GlabelsDocument& doc, GlabelsImport& out);

// Places the document's objects on the panel, which is cleared first and takes the card's size and
// orientation; pictures named by file are read relative to documentFolder. `base` is the layout the card
// has now: the stock replaces its sheet values when our layouts can hold it.
GlabelsImport ImportGlabels(const GlabelsDocument& doc, const QString& documentFolder, const CardSheetLayout& base,
                            TKBusinessCardPanel32& panel);

} // namespace qm
