// SPDX-License-Identifier: GPL-3.0-or-later
// Card stock as text: lengths in the stock's unit, card size, counts, the line of `quillmark stock`.
#include "stock/stocktext.h"

#include "stock/stockcatalog.h"

namespace qm {

namespace {

bool InInches(const StockEntry& entry)
{
    return entry.PaperId.startsWith(QLatin1String("US-"));
}

// At most `decimals` decimals, no trailing zeros: 3.5, 2, 0.625.
QString Number(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

} // namespace

QString StockLength(const StockEntry& entry, double points, bool withUnit)
{
    const bool inches = InInches(entry);
    const QString number = inches ? Number(points / 72, 3) : Number(points / 72 * kMMPerInch, 1);
    if (!withUnit)
        return number;
    return number + (inches ? QStringLiteral(" in") : QStringLiteral(" mm"));
}

QString StockCardSize(const StockEntry& entry)
{
    QString size =
        StockLength(entry, entry.Width, false) + QStringLiteral(" x ") + StockLength(entry, entry.Height);
    if (entry.Round > 0)
        size += QStringLiteral(", corners ") + StockLength(entry, entry.Round);
    return size;
}

QString StockCounts(const StockEntry& entry)
{
    if (entry.Grids.size() == 1)
        return QStringLiteral("%1 x %2").arg(entry.Grids[0].Across).arg(entry.Grids[0].Down);
    return QStringLiteral("%1 in %2 groups").arg(entry.CardCount()).arg(entry.Grids.size());
}

QString StockLine(const StockEntry& entry, int nameWidth)
{
    QString line = entry.Name().leftJustified(nameWidth) + QStringLiteral("  ") + StockCardSize(entry) +
                   QStringLiteral("  ") + StockCounts(entry) + QStringLiteral("  ") + entry.PaperName;
    if (!entry.Description.isEmpty())
        line += QStringLiteral("  ") + entry.Description;
    if (!entry.EquivalentOf.isEmpty())
        line += QStringLiteral(" (as %1 %2)").arg(entry.Brand, entry.EquivalentOf);
    if (entry.Source == QLatin1String(kStockBuiltIn))
        line += QStringLiteral(" [built in]");
    return line;
}

} // namespace qm
