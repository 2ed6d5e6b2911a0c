// SPDX-License-Identifier: GPL-3.0-or-later
// Card stock: the whole installed gLabels database read into the catalogue (paper sizes, every templates
// file, equivalents, the built-in layouts, the order of the list), as the first use of the stock list or
// `quillmark stock` does; and a search over it. Skipped where glabels-data is not installed.
#include "stock/stockcatalog.h"

#include <benchmark/benchmark.h>

using namespace qm;

namespace {

bool HaveDatabase()
{
    StockCatalog probe;
    probe.LoadFolders(StockCatalog::SystemFolders());
    return probe.Entries().size() > 100;
}

void BM_StockReadWholeDatabase(benchmark::State& state)
{
    if (!HaveDatabase()) {
        state.SkipWithError("glabels-data is not installed");
        return;
    }
    size_t entries = 0;
    for (auto _ : state) {
        StockCatalog catalog;
        catalog.LoadFolders(StockCatalog::SystemFolders());
        catalog.AddBuiltInLayouts();
        catalog.Finish();
        entries = catalog.Entries().size();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["products"] = double(entries);
}
BENCHMARK(BM_StockReadWholeDatabase)->Unit(benchmark::kMillisecond);

void BM_StockSearch(benchmark::State& state)
{
    StockCatalog catalog;
    catalog.LoadFolders(StockCatalog::SystemFolders());
    catalog.Finish();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            catalog.Search(QStringLiteral("business cards"), QStringLiteral("A4")).size());
}
BENCHMARK(BM_StockSearch)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
