// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from creating the main window to its first paint, with the last card (40 objects) reopened, in
// English and with the German translation loaded (loading it counted).
#include "app/carddocument.h"
#include "app/mainwindow_ui.h"
#include "design/designpanel_ui.h"
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "platform/paths.h"
#include "platform/translations.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

using namespace qm;

namespace {

// A saved card of shapes and lines, made the most recent card so that every start reopens it.
QString PrepareLastCard(int objects)
{
    CardDocument::CreateFolders();
    TKBusinessCardPanel32 panel;
    for (int i = 0; i < objects; ++i) {
        std::unique_ptr<TKGraphicControl> object;
        if (i % 4 == 3) {
            auto line = std::make_unique<TKLineShape>();
            line->SetLineStyle(stVertical);
            object = std::move(line);
        } else {
            auto shape = std::make_unique<TBCShapes>();
            shape->SetShape(TShapeType(i % 3));
            object = std::move(shape);
        }
        object->Loaded();
        panel.PlaceObject(std::move(object), QRect((i * 37) % 300, (i * 23) % 170, 20 + i % 30, 15 + i % 20));
    }
    const QString card = QDir(ProgramFolder()).filePath(QStringLiteral("saved/last.qmk"));
    if (!panel.SaveToFile(card) || !WriteCompanionFile(card, QString(), CardSheetLayout()))
        return QString();
    Preferences().StoreRecentFiles({card});
    return card;
}

void BM_StartToFirstPaint(benchmark::State& state)
{
    const QString card = PrepareLastCard(int(state.range(0)));
    if (card.isEmpty()) {
        state.SkipWithError("the card could not be saved");
        return;
    }
    int reopened = 0;
    // A machine without printers is told so in a box at the first start: it is answered at once, as a user
    // would.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    answer.start(0);
    const bool german = state.range(1) != 0;
    qputenv("LANGUAGE", german ? "de" : "en");
    for (auto _ : state) {
        if (german && InstallTranslations() != QLatin1String("de")) {
            state.SkipWithError("the German translation did not load");
            break;
        }
        TMainScreen window;
        window.Start();
        // The first paint: the whole window drawn once, card included.
        const QImage painted = window.grab().toImage();
        benchmark::DoNotOptimize(painted.constBits());
        reopened +=
            window.Document().FileName() == card && window.Panel().CardObjects().Count() == state.range(0);
        window.Document().SetChangesMade(false);
        window.close();
        state.PauseTiming();
        RemoveTranslations();
        state.ResumeTiming();
    }
    state.SetLabel(german ? "German" : "English");
    if (reopened != int(state.iterations()))
        state.SkipWithError("the last card was not reopened");
}
BENCHMARK(BM_StartToFirstPaint)->Args({40, 0})->Args({40, 1})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A data folder of its own: the benchmark writes its card, preferences and window placement there.
    QTemporaryDir home;
    qputenv("QUILLMARK_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
