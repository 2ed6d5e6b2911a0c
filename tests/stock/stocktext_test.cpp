// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of card stock as text in the user's language: lengths with the locale's decimal sign and no trailing
// zeros, in the stock's own unit, and the English line of `quillmark stock` untouched by a C locale.
#include "stock/stocktext.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace qm;

namespace {

// Sets the default locale for the length of a test.
class ScopedLocale
{
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(mOld); }

private:
    QLocale mOld;
};

StockEntry Entry(const char* paper, double widthMm, double heightMm, double roundMm = 0)
{
    const auto points = [](double mm) { return mm / kMMPerInch * 72; };
    StockEntry e;
    e.Brand = QStringLiteral("Maker");
    e.Part = QStringLiteral("1");
    e.PaperId = QString::fromLatin1(paper);
    e.Width = points(widthMm);
    e.Height = points(heightMm);
    e.Round = points(roundMm);
    e.Grids.append({2, 5, 0, 0, 0, 0});
    return e;
}

} // namespace

TEST(StockText, LengthsTakeTheLocalesDecimalSignAndDropTrailingZeros)
{
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    // Millimetres to one decimal, inches to three; whole numbers without a decimal sign.
    EXPECT_EQ(StockCardSize(Entry("A4", 83.8, 50.8)), QStringLiteral("83,8 x 50,8 mm"));
    EXPECT_EQ(StockCardSize(Entry("A4", 85, 54)), QStringLiteral("85 x 54 mm"));
    EXPECT_EQ(StockCardSize(Entry("US-Letter", 88.9, 50.8, 3.175)),
              QStringLiteral("3,5 x 2 in, corners 0,125 in"));
    // A length that rounds to nothing is 0, never -0 or 0,0.
    const StockEntry e = Entry("A4", 85, 54);
    EXPECT_EQ(StockLength(e, -0.01, false), QStringLiteral("0"));
    EXPECT_EQ(StockLength(Entry("US-Letter", 1, 1), 0.0001), QStringLiteral("0 in"));
    // Big counts are grouped the German way.
    StockEntry many = Entry("A4", 10, 10);
    many.Grids = {{40, 30, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0}};
    EXPECT_EQ(StockCounts(many), QStringLiteral("1.201 in 2 groups"));
}

TEST(StockText, TheCLocaleKeepsTheLineAsScriptsAndTestsKnowIt)
{
    const ScopedLocale c(QLocale::c());
    StockEntry e = Entry("US-Letter", 88.9, 50.8);
    e.PaperName = QStringLiteral("US Letter");
    e.Description = QStringLiteral("Business Cards");
    EXPECT_EQ(StockLine(e, 8), QStringLiteral("Maker 1   3.5 x 2 in  2 x 5  US Letter  Business Cards"));
    e.Brand = QStringLiteral("Avery");
    e.EquivalentOf = QStringLiteral("8373");
    EXPECT_EQ(StockLine(e),
              QStringLiteral("Avery 1  3.5 x 2 in  2 x 5  US Letter  Business Cards (as Avery 8373)"));
    EXPECT_EQ(StockLength(Entry("A4", 1, 1), 72 * 3.25 / kMMPerInch * 10, false), QStringLiteral("32.5"));
}
