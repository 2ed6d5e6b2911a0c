// SPDX-License-Identifier: GPL-3.0-or-later
// The paper of the user's country, from the locale: Letter where that is the paper sold, else A4; and the
// layout a new card starts from there.
#pragma once

#include "model/sheetlayout.h"

#include <QLocale>

namespace qm {

// The locale that says the user's paper: of $LC_ALL, $LC_PAPER or $LANG, the first set (as the C library
// takes them); the C locale when none is.
QLocale PaperLocale();

// kPaperLetter in the countries that use Letter paper (the United States, Canada, Mexico, the Philippines
// and the Letter countries of Central and South America) and for a locale of no country (C, POSIX);
// kPaperA4 everywhere else.
int LocalePaper(const QLocale& locale);

// The layout when the preferences hold none: in a Letter country today's 3.5 x 2 inch card, 2 x 5 on Letter
// in inches; in an A4 country an 85 x 55 mm card, 2 x 5 on A4 (15 mm from the sides, 10 mm between the
// columns, 11 mm from the top) shown in millimetres.
CardSheetLayout DefaultLayoutFor(const QLocale& locale);

} // namespace qm
