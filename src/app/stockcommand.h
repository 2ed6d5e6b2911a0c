// SPDX-License-Identifier: GPL-3.0-or-later
// Card stock on the command line: `quillmark stock [WORDS]` and the sheet named by --stock "MAKER PART".
#pragma once

#include "model/sheetlayout.h"

#include <QString>
#include <QStringList>

namespace qm {

// The layout of the stock called "MAKER PART" (case does not matter) with base's orientation, or false with
// a one-line message: no such stock (bad usage) or a sheet the layout cannot be (a bad input).
bool StockLayoutByName(const QString& name, const CardSheetLayout& base, CardSheetLayout* layout,
                       QString* error, bool* usageError = nullptr);

// quillmark stock [WORDS]: the stock whose maker, part or description holds every word, one a line. Exit
// status 0 with one or more lines, 1 when nothing matches.
int RunStockCommand(const QStringList& args);

} // namespace qm
