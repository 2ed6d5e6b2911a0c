// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: a full Letter sheet of ten cards of 30 objects each to a PDF document, and the preview's record
// and replay.
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/text/personallabel.h"
#include "print/sheetprinter.h"
#include "print/pagedreport.h"
#include "print/recordingreport.h"
#include "print/report.h"

#include <QGuiApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace qm;

namespace {

// Ten labels, ten shapes of the three figures and ten lines spread over the card.
void FillCard(TKBusinessCardPanel32& panel)
{
    const TShapeType figures[] = {stRectangle, stRoundRect, stEllipse};
    for (int i = 0; i < 10; ++i) {
        auto* label = static_cast<TKBusinessCardLabel*>(
            panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
        label->SetBounds(8 + (i % 2) * 160, 8 + (i / 2) * 36, 150, 20);
        label->SetCaption(QStringLiteral("Line of text number %1").arg(i + 1));
        label->SetDepthShadow(i % 3);
        auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
        shape->SetShape(figures[i % 3]);
        shape->SetBounds(10 + i * 31, 150, 28, 28);
        shape->Pen().SetWidth(1 + i % 3);
        auto* line = static_cast<TKLineShape*>(panel.CardObjects().Add(std::make_unique<TKLineShape>()));
        line->SetLineStyle(TLineStyle(i % 4));
        line->SetBounds(10 + i * 31, 182, 28, 8);
    }
}

void BM_SheetToPdf(benchmark::State& state)
{
    TKBusinessCardPanel32 panel;
    FillCard(panel);
    LabelJob job;
    qint64 bytes = 0;
    for (auto _ : state) {
        PdfReport pdf(QString(), int(state.range(0)));
        TLabelPrinter printer(panel, job);
        if (printer.Run(pdf) != joFinished)
            state.SkipWithError("the job failed");
        bytes = pdf.Document().size();
    }
    state.counters["pdf_kB"] = double(bytes) / 1024;
}
BENCHMARK(BM_SheetToPdf)->Arg(1200)->Arg(600)->Unit(benchmark::kMillisecond);

// A job of many sheets into a PDF file: sheets per second, bytes per sheet and the most the writer held in
// memory at once (it stays flat however many sheets there are).
void BM_SheetsToPdfFile(benchmark::State& state)
{
    TKBusinessCardPanel32 panel;
    FillCard(panel);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("job.pdf"));
    const int sheets = int(state.range(0));
    qint64 bytes = 0, held = 0;
    for (auto _ : state) {
        PdfReport pdf(path);
        pdf.SetCopies(sheets);
        pdf.StatusChanged = [&](const QString&) { held = std::max(held, pdf.BytesHeld()); };
        TLabelPrinter printer(panel, LabelJob());
        if (printer.Run(pdf) != joFinished)
            state.SkipWithError("the job failed");
        bytes = QFileInfo(path).size();
    }
    state.SetItemsProcessed(state.iterations() * sheets);
    state.counters["bytes_per_sheet"] = double(bytes) / sheets;
    state.counters["held_kB"] = double(held) / 1024;
}
BENCHMARK(BM_SheetsToPdfFile)->Arg(1)->Arg(100)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);

// The same job two-sided: each sheet's page of fronts and its page of backs (a card as busy as the front).
// Its time and memory stand beside the one-sided job's of as many sheets (BM_SheetsToPdfFile/2000): within
// twice both, since each sheet is two pages of placed drawings.
void BM_TwoSidedSheetsToPdfFile(benchmark::State& state)
{
    TKBusinessCardPanel32 panel, back;
    FillCard(panel);
    FillCard(back);
    back.LayOutObjects();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("job.pdf"));
    const int sheets = int(state.range(0));
    qint64 bytes = 0, held = 0;
    for (auto _ : state) {
        PdfReport pdf(path);
        pdf.SetCopies(sheets);
        pdf.StatusChanged = [&](const QString&) { held = std::max(held, pdf.BytesHeld()); };
        LabelJob job;
        job.Duplex = DuplexMode::LongEdge;
        job.Back = &back.Card();
        TLabelPrinter printer(panel, job);
        if (printer.Run(pdf) != joFinished)
            state.SkipWithError("the job failed");
        bytes = QFileInfo(path).size();
    }
    state.SetItemsProcessed(state.iterations() * sheets);
    state.counters["bytes_per_sheet"] = double(bytes) / sheets;
    state.counters["held_kB"] = double(held) / 1024;
}
BENCHMARK(BM_TwoSidedSheetsToPdfFile)->Arg(2000)->Unit(benchmark::kMillisecond);

// The peer's merge card: a band, a bold name with a shadow, a rule and three lines, each line a field.
void FillMergeCard(TKBusinessCardPanel32& panel)
{
    auto* band = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    band->SetBounds(0, 0, 336, 27);
    band->Brush().SetColor(0xCC6633);
    band->Pen().SetColor(0xCC6633);
    const struct
    {
        const char* caption;
        int top;
    } lines[] = {{"{Name}", 40}, {"{Company}", 84}, {"{Phone1}", 100}, {"{EMail}", 116}};
    for (const auto& line : lines) {
        auto* label = static_cast<TKBusinessCardLabel*>(
            panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
        label->SetBounds(16, line.top, 200, 20);
        label->SetCaption(QString::fromLatin1(line.caption));
        if (line.top == 40) {
            label->SetDepthShadow(2);
            label->Font().SetHeight(-21);
            label->Font().SetStyle(1 << fsBold);
        }
    }
    auto* rule = static_cast<TKLineShape*>(panel.CardObjects().Add(std::make_unique<TKLineShape>()));
    rule->SetBounds(16, 72, 220, 4);
}

// A merge of one card per record into a PDF file (ten cards a sheet): records per second and bytes per sheet.
// Peak memory, which stays flat in the records, is measured on the print command (/usr/bin/time -v).
void BM_MergeToPdfFile(benchmark::State& state)
{
    TKBusinessCardPanel32 panel;
    FillMergeCard(panel);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("merge.pdf"));
    const int records = int(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state) {
        LabelJob job;
        int next = 0;
        job.NextRecord = [&next, records](MergeRecord& record) {
            if (next >= records)
                return false;
            record.Clear();
            record.Add(QStringLiteral("Name"), QStringLiteral("Person Number %1").arg(next));
            record.Add(QStringLiteral("Company"), QStringLiteral("Company %1 Ltd").arg(next));
            record.Add(QStringLiteral("Phone1"), QStringLiteral("+1 555 %1").arg(100000 + next, 7, 10, QLatin1Char('0')));
            record.Add(QStringLiteral("EMail"), QStringLiteral("person%1@example.com").arg(next));
            ++next;
            return true;
        };
        PdfStreamReport pdf(path);
        TLabelPrinter printer(panel, job);
        if (printer.Run(pdf) != joFinished)
            state.SkipWithError("the job failed");
        bytes = QFileInfo(path).size();
    }
    state.SetItemsProcessed(state.iterations() * records);
    state.counters["bytes_per_sheet"] = double(bytes) / std::max(1, (records + 9) / 10);
}
BENCHMARK(BM_MergeToPdfFile)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_PreviewRecordAndShow(benchmark::State& state)
{
    TKBusinessCardPanel32 panel;
    FillCard(panel);
    LabelJob job;
    job.PrintMode = false;
    QImage screen(861, 1113, QImage::Format_RGB32);
    for (auto _ : state) {
        RecordingReport recording;
        TLabelPrinter printer(panel, job);
        printer.Run(recording);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        ScreenReport report(painter, 96);
        ReplayPage(recording.Pages()[0], report);
    }
}
BENCHMARK(BM_PreviewRecordAndShow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("QUILLMARK_HOME", home.path().toUtf8());
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
