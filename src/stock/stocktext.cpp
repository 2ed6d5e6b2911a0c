// SPDX-License-Identifier: GPL-3.0-or-later
// Card stock as text: lengths in the stock's unit, card size, counts, the line of `quillmark stock`.
#include "stock/stocktext.h"

#include "stock/stockcatalog.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace qm {

namespace {

struct StockWords
{
    Q_DECLARE_TR_FUNCTIONS(qm::StockText)
};

bool InInches(const StockEntry& entry)
{
    return entry.PaperId.startsWith(QLatin1String("US-"));
}

// At most `decimals` decimals, no trailing zeros, written the user's way: 3.5, 2, 0.625 (3,5 in German).
QString Number(double value, int decimals)
{
    // What rounds to nothing is 0, not -0.
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    const QLocale locale;
    QString text = locale.toString(value, 'f', decimals);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(locale.zeroDigit()))
            text.chop(locale.zeroDigit().size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

} // namespace

QString StockLength(const StockEntry& entry, double points, bool withUnit)
{
    const bool inches = InInches(entry);
    const QString number = inches ? Number(points / 72, 3) : Number(points / 72 * kMMPerInch, 1);
    if (!withUnit)
        return number;
    return (inches ? StockWords::tr("%1 in", "inches") : StockWords::tr("%1 mm", "millimetres")).arg(number);
}

QString StockCardSize(const StockEntry& entry)
{
    const QString width = StockLength(entry, entry.Width, false);
    const QString height = StockLength(entry, entry.Height);
    if (entry.Round > 0)
        //: a card's width, height (with its unit) and the radius of its rounded corners
        return StockWords::tr("%1 x %2, corners %3").arg(width, height, StockLength(entry, entry.Round));
    //: a card's width and height (with its unit)
    return StockWords::tr("%1 x %2", "width x height").arg(width, height);
}

QString StockCounts(const StockEntry& entry)
{
    const QLocale locale;
    if (entry.Grids.size() == 1)
        return StockWords::tr("%1 x %2", "cards across x down")
            .arg(locale.toString(entry.Grids[0].Across), locale.toString(entry.Grids[0].Down));
    //: %1 cards on the sheet, in %2 groups of their own spacing
    return StockWords::tr("%1 in %2 groups")
        .arg(locale.toString(entry.CardCount()), locale.toString(entry.Grids.size()));
}

QString StockLine(const StockEntry& entry, int nameWidth)
{
    QString line = entry.Name().leftJustified(nameWidth) + QStringLiteral("  ") + StockCardSize(entry) +
                   QStringLiteral("  ") + StockCounts(entry) + QStringLiteral("  ") + entry.PaperName;
    if (!entry.Description.isEmpty())
        line += QStringLiteral("  ") + entry.Description;
    if (!entry.EquivalentOf.isEmpty())
        //: the stock is the same product as this maker's part
        line += QLatin1Char(' ') + StockWords::tr("(as %1 %2)").arg(entry.Brand, entry.EquivalentOf);
    if (entry.Source == QLatin1String(kStockBuiltIn))
        //: the stock comes with Quillmark
        line += QLatin1Char(' ') + StockWords::tr("[built in]");
    return line;
}

} // namespace qm
