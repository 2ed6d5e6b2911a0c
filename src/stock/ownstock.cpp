// SPDX-License-Identifier: GPL-3.0-or-later
// Own card stock in the preferences file: a "Stock: NAME" section a layout.
#include "stock/ownstock.h"

#include "platform/profile.h"

#include <QCoreApplication>

namespace qm {

namespace {

const QLatin1String kPrefix("Stock: ");
const char* const kOrientationKey = "Portrait";

} // namespace

QList<OwnStock> LoadOwnStock(const QString& preferencesPath)
{
    const ProfileFile ini(preferencesPath);
    QList<OwnStock> stock;
    for (const QString& section : ini.ReadSections()) {
        if (!section.startsWith(kPrefix, Qt::CaseInsensitive))
            continue;
        const QString name = section.mid(kPrefix.size()).trimmed();
        if (!OwnStockNameProblem(name).isEmpty())
            continue;
        stock.append({name, ReadLayout(ini, kOrientationKey, false, section)});
    }
    return stock;
}

QString OwnStockNameProblem(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("qm::OwnStock", "Give the stock a name.");
    if (trimmed.size() > 60)
        return QCoreApplication::translate("qm::OwnStock", "A stock name has at most 60 characters.");
    for (const QChar c : trimmed)
        if (c == QLatin1Char(']') || c.category() == QChar::Other_Control) // "]" would end the section's name
            return QCoreApplication::translate("qm::OwnStock",
                                               "A stock name cannot hold \"]\" or line breaks.");
    return QString();
}

bool SaveOwnStock(const QString& preferencesPath, const QString& name, const CardSheetLayout& layout,
                  QString* error)
{
    const QString problem = OwnStockNameProblem(name);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    ProfileFile ini(preferencesPath);
    if (!ini.LoadError().isEmpty()) {
        if (error)
            *error = ini.LoadError();
        return false;
    }
    const QString section = kPrefix + name.trimmed();
    ini.EraseSection(section);
    WriteLayout(ini, layout, kOrientationKey, section);
    return ini.Save(error);
}

} // namespace qm
