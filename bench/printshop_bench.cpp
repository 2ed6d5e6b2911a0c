// SPDX-License-Identifier: GPL-3.0-or-later
// A print-shop PDF of a busy card (30 objects, background art, text over the edge) with bleed and crop marks.
#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/text/personallabel.h"
#include "print/printshoppdf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace qm;

namespace {

void FillCard(TKBusinessCardPanel32& panel)
{
    QImage art(1200, 700, QImage::Format_RGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            art.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    art.save(&buffer, "BMP");
    panel.Card().ColorPicture().SetGraphic("TBitmap", bytes);
    const TShapeType figures[] = {stRectangle, stRoundRect, stEllipse};
    for (int i = 0; i < 10; ++i) {
        auto* label = static_cast<TKBusinessCardLabel*>(
            panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
        label->SetBounds(8 + (i % 2) * 160, 8 + (i / 2) * 36, 150, 20);
        label->SetCaption(QStringLiteral("Line of text number %1").arg(i + 1));
        label->SetDepthShadow(i % 3);
        auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
        shape->SetShape(figures[i % 3]);
        shape->SetBounds(-10 + i * 35, 150, 28, 50); // the first and last over the edges
        shape->Pen().SetWidth(1 + i % 3);
        auto* line = static_cast<TKLineShape*>(panel.CardObjects().Add(std::make_unique<TKLineShape>()));
        line->SetLineStyle(TLineStyle(i % 4));
        line->SetBounds(10 + i * 31, 182, 28, 8);
    }
    panel.LayOutObjects();
}

void BM_PrintShopPdf(benchmark::State& state)
{
    TKBusinessCardPanel32 panel;
    FillCard(panel);
    const PrintShopPage page(QSizeF(panel.Card().Size()), 3, true);
    qint64 bytes = 0;
    for (auto _ : state) {
        QString error;
        const QByteArray pdf = MakePrintShopPdf({PrintShopSide{&panel.Card(), {}}}, page, QStringLiteral("Busy"), &error);
        if (pdf.isEmpty())
            state.SkipWithError("the PDF was not made");
        bytes = pdf.size();
    }
    state.counters["pdf_kB"] = double(bytes) / 1024;
}
BENCHMARK(BM_PrintShopPdf)->Unit(benchmark::kMillisecond);

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
