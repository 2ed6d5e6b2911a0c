// SPDX-License-Identifier: GPL-3.0-or-later
// Card stock on the command line: the list searched, and a stock's name turned into its layout.
#include "app/stockcommand.h"

#include "stock/stockcatalog.h"
#include "stock/stocktext.h"

#include <algorithm>
#include <cstdio>

namespace qm {

namespace {

// Said once on stderr: where the list is short of gLabels' database, and files that could not be read.
void SayCatalogueProblems(const StockCatalog& catalog)
{
    for (const QString& problem : catalog.Problems())
        std::fprintf(stderr, "quillmark: warning: %s\n", qPrintable(problem));
    const bool haveGlabels =
        std::any_of(catalog.Entries().begin(), catalog.Entries().end(),
                    [](const StockEntry& e) { return e.Source == QLatin1String(kStockFromGlabels); });
    if (!haveGlabels)
        std::fprintf(stderr,
                     "quillmark: gLabels' card stock database (the Debian package glabels-data) is not "
                     "installed; only the built-in sheets and your own stock are listed\n");
}

} // namespace

bool StockLayoutByName(const QString& name, const CardSheetLayout& base, CardSheetLayout* layout,
                       QString* error, bool* usageError)
{
    if (usageError)
        *usageError = false;
    const StockCatalog& catalog = StockCatalog::Installed();
    const StockEntry* entry = catalog.Find(name);
    if (!entry) {
        if (usageError)
            *usageError = true;
        *error = QStringLiteral("no card stock is called \"%1\" (quillmark stock WORDS lists the stock)")
                     .arg(name);
        if (catalog.Entries().empty() ||
            !std::any_of(catalog.Entries().begin(), catalog.Entries().end(),
                         [](const StockEntry& e) { return e.Source == QLatin1String(kStockFromGlabels); }))
            *error += QStringLiteral("; gLabels' card stock (the package glabels-data) is not installed");
        return false;
    }
    const QString problem = StockToLayout(*entry, base, layout);
    if (!problem.isEmpty()) {
        *error = problem;
        return false;
    }
    return true;
}

int RunStockCommand(const QStringList& args)
{
    QStringList words;
    for (const QString& word : args.mid(2)) {
        if (word.startsWith(QLatin1String("--"))) {
            std::fprintf(stderr, "quillmark: unknown option %s\nusage: quillmark stock [WORDS]\n",
                         qPrintable(word));
            return 2;
        }
        words << word;
    }
    const StockCatalog& catalog = StockCatalog::Installed();
    SayCatalogueProblems(catalog);
    const std::vector<const StockEntry*> found = catalog.Search(words.join(QLatin1Char(' ')));
    if (found.empty()) {
        std::fprintf(stderr, "quillmark: no card stock holds \"%s\"\n",
                     qPrintable(words.join(QLatin1Char(' '))));
        return 1;
    }
    int width = 0;
    for (const StockEntry* e : found)
        width = std::max(width, int(e->Name().size()));
    QByteArray out;
    for (const StockEntry* e : found)
        out += StockLine(*e, width).toUtf8() + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

} // namespace qm
