// SPDX-License-Identifier: GPL-3.0-or-later
// Card stock on the command line: the list searched, and a stock's name turned into its layout.
#include "app/stockcommand.h"

#include "app/commandline.h"

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
        CommandLineText::Say(CommandLineText::tr("warning: %1").arg(problem));
    const bool haveGlabels =
        std::any_of(catalog.Entries().begin(), catalog.Entries().end(),
                    [](const StockEntry& e) { return e.Source == QLatin1String(kStockFromGlabels); });
    if (!haveGlabels)
        CommandLineText::Say(
            CommandLineText::tr("gLabels' card stock database (the Debian package glabels-data) "
                                "is not installed; only the built-in sheets and your own stock "
                                "are listed"));
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
        const bool haveGlabels =
            std::any_of(catalog.Entries().begin(), catalog.Entries().end(),
                        [](const StockEntry& e) { return e.Source == QLatin1String(kStockFromGlabels); });
        //: "quillmark stock WORDS" is a command: only WORDS may be translated
        *error = haveGlabels
                     ? CommandLineText::tr("no card stock is called \"%1\" (quillmark stock WORDS lists "
                                           "the stock)")
                           .arg(name)
                     : CommandLineText::tr("no card stock is called \"%1\" (quillmark stock WORDS lists "
                                           "the stock); gLabels' card stock (the package glabels-data) is "
                                           "not installed")
                           .arg(name);
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
            std::fprintf(stderr, "quillmark: %s\n%s",
                         qPrintable(CommandLineText::tr("unknown option %1").arg(word)),
                         qPrintable(CommandLineText::tr("usage: quillmark stock [WORDS]\n")));
            return 2;
        }
        words << word;
    }
    const StockCatalog& catalog = StockCatalog::Installed();
    SayCatalogueProblems(catalog);
    const std::vector<const StockEntry*> found = catalog.Search(words.join(QLatin1Char(' ')));
    if (found.empty()) {
        CommandLineText::Say(
            CommandLineText::tr("no card stock holds \"%1\"").arg(words.join(QLatin1Char(' '))));
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
