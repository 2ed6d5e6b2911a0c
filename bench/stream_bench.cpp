// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a card of 1,000 objects of every registered class.
#include "model/cardobjects.h"
#include "stream/streamreader.h"
#include "model/classregistry.h"
#include "stream/streamwriter.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace qm;

namespace {
void FillCard(TKCardObjects& objects, int count)
{
    const std::vector<QByteArray> classes = CardClasses().ClassNames();
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<TKGraphicControl> object = CardClasses().Create(classes[size_t(i) % classes.size()]);
        object->SetName(QStringLiteral("Special%1").arg(i + 1));
        object->SetBounds(i % 300, i % 180, 20 + i % 50, 10 + i % 40);
        object->SetHint(QStringLiteral("Object number %1").arg(i));
        objects.Add(std::move(object));
    }
}

void BM_WriteCard1000(benchmark::State& state)
{
    TKCardObjects objects;
    FillCard(objects, 1000);
    const std::vector<TKGraphicControl*> list = objects.Objects();
    const std::vector<const TKGraphicControl*> all(list.begin(), list.end());
    for (auto _ : state) {
        QByteArray bytes = WriteObjectsToBytes(all);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_WriteCard1000)->Unit(benchmark::kMillisecond);

void BM_ReadCard1000(benchmark::State& state)
{
    TKCardObjects source;
    FillCard(source, 1000);
    const std::vector<TKGraphicControl*> list = source.Objects();
    const QByteArray bytes = WriteObjectsToBytes({list.begin(), list.end()});
    state.counters["bytes"] = double(bytes.size());
    for (auto _ : state) {
        TKCardObjects objects;
        const ReadResult r = ReadObjectsFromBytes(objects, bytes);
        if (!r.ok)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(objects.Count());
    }
}
BENCHMARK(BM_ReadCard1000)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
