// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of metric defaults: the paper of the user's country from the locale, the 85 x 55 mm card on A4 a
// first start in an A4 country gets, and a stored layout left exactly as it is everywhere.
#include "settings/paperlocale.h"
#include "settings/preferences.h"

#include "platform/profile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "testutil.h"

using namespace qm;

namespace {

using qmtest::ScopedEnv;

} // namespace

TEST(PaperLocale, LetterWhereLetterIsSoldAndA4Elsewhere)
{
    for (const char* letter : {"en_US", "fr_CA", "en_CA", "es_MX", "en_PH", "es_CL", "es_CO", "C"})
        EXPECT_EQ(LocalePaper(QLocale(QLatin1String(letter))), kPaperLetter) << letter;
    for (const char* a4 : {"de_DE", "en_GB", "fr_FR", "en_AU", "pt_BR", "ja_JP", "en_IN", "es_ES", "nl_NL"})
        EXPECT_EQ(LocalePaper(QLocale(QLatin1String(a4))), kPaperA4) << a4;

    // The locale of the paper is LC_ALL's, else LC_PAPER's, else LANG's, as the C library takes them.
    const ScopedEnv all("LC_ALL", nullptr);
    const ScopedEnv paper("LC_PAPER", "de_DE.UTF-8");
    const ScopedEnv lang("LANG", "en_US.UTF-8");
    EXPECT_EQ(LocalePaper(PaperLocale()), kPaperA4);
    {
        const ScopedEnv over("LC_ALL", "en_CA.UTF-8@euro");
        EXPECT_EQ(LocalePaper(PaperLocale()), kPaperLetter);
    }
    const ScopedEnv noPaper("LC_PAPER", nullptr);
    EXPECT_EQ(LocalePaper(PaperLocale()), kPaperLetter);
}

TEST(PaperLocale, AnA4CountryStartsWithAnEightyFiveByFiftyFiveCardOnA4InMillimetres)
{
    EXPECT_TRUE(DefaultLayoutFor(QLocale(QStringLiteral("en_US"))) == CardSheetLayout());

    const CardSheetLayout l = DefaultLayoutFor(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(l.Papersize, kPaperA4);
    EXPECT_TRUE(l.UseMM);
    EXPECT_FALSE(l.UsePortrait);
    EXPECT_NEAR(InchesToMM(l.Width), 85.0, 0.02);
    EXPECT_NEAR(InchesToMM(l.Height), 55.0, 0.02);
    EXPECT_EQ(l.Across * l.Down, 10);
    EXPECT_EQ(CardLayoutProblem(l), QString());
    // On the paper with room around: 15 mm at both sides, 11 mm at top and bottom.
    const double right = InchesToMM(l.LeftMargin + l.HPitch * (l.Across - 1) + l.Width);
    const double bottom = InchesToMM(l.TopMargin + l.VPitch * (l.Down - 1) + l.Height);
    EXPECT_NEAR(210 - right, InchesToMM(l.LeftMargin), 0.05);
    EXPECT_NEAR(297 - bottom, InchesToMM(l.TopMargin), 0.05);
    EXPECT_GE(InchesToMM(l.LeftMargin), 5.0);

    // Saved and read back it is the same layout, so a first save changes nothing.
    QTemporaryDir dir;
    ProfileFile ini(dir.filePath(QStringLiteral("qmk.ini")));
    WriteLayout(ini, l, kPreferencesPortraitKey);
    EXPECT_TRUE(ReadLayout(ini, kPreferencesPortraitKey) == l);
}

TEST(PaperLocale, OnlyAFirstStartFollowsTheCountryAStoredLayoutStaysAsItIs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("qmk.ini"));
    Preferences prefs(path);
    prefs.SetPaperLocale(QLocale(QStringLiteral("fr_FR")));
    CardSheetLayout layout;
    layout.UsePortrait = true; // the orientation the caller holds stays
    prefs.LoadLayoutPreferences(layout);
    CardSheetLayout metric = DefaultLayoutFor(QLocale(QStringLiteral("fr_FR")));
    metric.UsePortrait = true;
    EXPECT_TRUE(layout == metric);

    // Once a layout is stored (here today's Letter one), it is what every country reads.
    ASSERT_TRUE(prefs.SaveLayoutPreferences(CardSheetLayout()));
    prefs.LoadLayoutPreferences(layout);
    EXPECT_TRUE(layout == CardSheetLayout());
    // Even a section with a single key keeps the other keys' old defaults.
    ProfileFile ini(path);
    ini.EraseSection(QStringLiteral("Layout"));
    ini.WriteInteger(QStringLiteral("Layout"), QStringLiteral("Across"), 1);
    ASSERT_TRUE(ini.Save());
    prefs.LoadLayoutPreferences(layout);
    EXPECT_EQ(layout.Papersize, kPaperLetter);
    EXPECT_EQ(layout.Across, 1);
}
