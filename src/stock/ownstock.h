// SPDX-License-Identifier: GPL-3.0-or-later
// Own card stock: layouts the user named with Save Stock As, kept in the preferences file (qmk.ini).
#pragma once

#include "model/sheetlayout.h"

#include <QList>
#include <QString>

namespace qm {

struct OwnStock
{
    QString Name;
    CardSheetLayout Layout;
};

// Each is a section "Stock: NAME" of the layout's keys, in the order saved.
QList<OwnStock> LoadOwnStock(const QString& preferencesPath);
// Why a name cannot be saved (empty, longer than 60 characters, or with "]" or a line break), or an empty
// string.
QString OwnStockNameProblem(const QString& name);
// Saves (or replaces: names are compared without regard to case) one layout; false with *error set when the
// name will not do or the file cannot be written.
bool SaveOwnStock(const QString& preferencesPath, const QString& name, const CardSheetLayout& layout,
                  QString* error);

} // namespace qm
