// SPDX-License-Identifier: GPL-3.0-or-later
// Card stock as the stock list and `quillmark stock` show it: card size, cards a sheet, one line a product.
#pragma once

#include "stock/glabelsstock.h"

namespace qm {

// A length in the stock's own unit: inches for stock on US paper, millimetres for all other ("3.5 in",
// "85 mm"); with the unit only when withUnit.
QString StockLength(const StockEntry& entry, double points, bool withUnit = true);
// "3.5 x 2 in", "85 x 54 mm"; a rounded card adds its corner radius ("..., corners 4 mm").
QString StockCardSize(const StockEntry& entry);
// Cards across x down: "2 x 5"; for a sheet of several groups the count and groups ("4 in 2 groups").
QString StockCounts(const StockEntry& entry);
// The line of `quillmark stock`: maker and part, card size, cards across x down, paper, description and
// where it comes from, separated by two spaces (maker and part padded to `nameWidth`).
QString StockLine(const StockEntry& entry, int nameWidth = 0);

} // namespace qm
