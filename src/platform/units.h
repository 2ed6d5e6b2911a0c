// SPDX-License-Identifier: GPL-3.0-or-later
// The card's coordinate unit: design panels, card files, templates and printing all count 96 units per inch.
#pragma once

namespace qm {

constexpr int kUnitsPerInch = 96;

} // namespace qm
