// SPDX-License-Identifier: GPL-3.0-or-later
// Undo on a card of 1,000 objects of every registered class: a change kept as a step, then put back.
#include "design/designpanel.h"
#include "model/classregistry.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace qm;

namespace {

void FillCard(TKBasePanel& panel, int count)
{
    const std::vector<QByteArray> classes = CardClasses().ClassNames();
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<TKGraphicControl> object = CardClasses().Create(classes[size_t(i) % classes.size()]);
        object->Loaded();
        panel.PlaceObject(std::move(object), QRect(i % 300, i % 180, 20 + i % 50, 15 + i % 40));
    }
}

// One user change of a 1,000-object card: its step taken (the whole card written), then undone (the card
// before it read back and laid out).
void BM_UndoStep1000(benchmark::State& state)
{
    TKBasePanel panel;
    FillCard(panel, 1000);
    CardHistory& history = panel.History();
    history.Reset();
    int step = 0;
    for (auto _ : state) {
        TKGraphicControl* object = panel.CardObjects().At(step++ % 1000);
        object->SetLeft(object->Left() + 1);
        if (!history.Commit(QStringLiteral("Move")) || !history.Undo()) {
            state.SkipWithError("no step was made");
            break;
        }
    }
}
BENCHMARK(BM_UndoStep1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
