// SPDX-License-Identifier: GPL-3.0-or-later
// The paper of the user's country and the default layout that follows from it.
#include "settings/paperlocale.h"

#include <algorithm>
#include <array>

namespace qm {

QLocale PaperLocale()
{
    for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
        QString value = qEnvironmentVariable(name);
        if (value.isEmpty())
            continue;
        // "de_DE.UTF-8@euro" -> "de_DE"
        value = value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        return QLocale(value);
    }
    return QLocale::c();
}

int LocalePaper(const QLocale& locale)
{
    // Where Letter is the paper sold (as the Unicode locale data lists them).
    static const std::array<QLocale::Territory, 13> kLetter = {
        QLocale::UnitedStates, QLocale::Canada, QLocale::Mexico,    QLocale::Philippines, QLocale::PuertoRico,
        QLocale::Belize,       QLocale::Chile,  QLocale::Colombia,  QLocale::CostaRica,   QLocale::Guatemala,
        QLocale::Nicaragua,    QLocale::Panama, QLocale::ElSalvador};
    const QLocale::Territory territory = locale.territory();
    if (territory == QLocale::AnyTerritory || territory == QLocale::Venezuela ||
        std::find(kLetter.begin(), kLetter.end(), territory) != kLetter.end())
        return kPaperLetter;
    return kPaperA4;
}

CardSheetLayout DefaultLayoutFor(const QLocale& locale)
{
    CardSheetLayout layout;
    if (LocalePaper(locale) != kPaperA4)
        return layout;
    // Stored as the layout dialog would keep millimetre entries, so that saving changes nothing.
    layout.Width = float(MMToStoredInches(85));
    layout.Height = float(MMToStoredInches(55));
    layout.Across = 2;
    layout.Down = 5;
    layout.LeftMargin = float(MMToStoredInches(15));
    layout.TopMargin = float(MMToStoredInches(11));
    layout.HPitch = float(MMToStoredInches(95));
    layout.VPitch = float(MMToStoredInches(55));
    layout.Papersize = kPaperA4;
    layout.UseMM = true;
    return layout;
}

} // namespace qm
