// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: reading and drawing an enhanced metafile of about 300 KB (thousands of shapes, paths and text
// runs), as clip art is drawn on a card at zoom 1.5, and a PCX picture read.
#include "pictures/pictures.h"
#include "model/cardrender.h"
#include "objects/shapes/picture.h"

#include "emfrecords.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <benchmark/benchmark.h>

using namespace qm;

namespace {

// About 300 KB of records: brushes and pens made and dropped, rectangles, ellipses, polygons, paths and text.
QByteArray BusyMetafile()
{
    return qmtest::BusyMetafile(300 * 1024);
}

// The first draw of a new picture (read and replayed through the painter). Argument 0: into an image, as the
// card on screen draws it; 1: the same with a clip on the painter, as a card cut at its outline is drawn.
void BM_ReadAndDrawMetafile300KB(benchmark::State& state)
{
    const QByteArray bytes = BusyMetafile();
    QImage target(1500, 900, QImage::Format_ARGB32_Premultiplied);
    const bool clipped = state.range(0) == 1;
    for (auto _ : state) {
        const TPicture picture = ReadPicture(bytes);
        target.fill(Qt::white);
        QPainter p(&target);
        p.setRenderHint(QPainter::Antialiasing); // smoothed, as the card on screen draws its pictures
        if (clipped)
            p.setClipRect(target.rect());
        picture.Draw(p, QRectF(0, 0, 1500, 900));
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_ReadAndDrawMetafile300KB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same metafile as clip art on screen, 1500 x 900: each time a new object holding it, as undo, redo,
// paste and reopening the card make them, and the first object's own repaint.
void BM_MetafileClipArtOnScreen(benchmark::State& state)
{
    const QByteArray bytes = BusyMetafile();
    QImage target(1500, 900, QImage::Format_ARGB32_Premultiplied);
    const auto placed = [&bytes] {
        auto image = std::make_unique<TKImage>();
        image->Picture().SetGraphic(QByteArrayLiteral("TMetafile"), bytes);
        image->Loaded();
        image->SetBounds(0, 0, 1500, 900);
        return image;
    };
    const std::unique_ptr<TKImage> first = placed();
    const bool newObjects = state.range(0) != 0;
    for (auto _ : state) {
        const std::unique_ptr<TKImage> image = newObjects ? placed() : nullptr;
        target.fill(Qt::white);
        QPainter p(&target);
        (image ? *image : *first).Draw(p, RenderContext());
    }
}
BENCHMARK(BM_MetafileClipArtOnScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadPcx(benchmark::State& state)
{
    QImage source(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            source.setPixel(x, y, qRgb(x % 256, y % 256, (x / 40) * 12));
    // An 800 x 600 PCX of three planes, run-length coded as its writers do.
    QByteArray pcx(128, '\0');
    pcx[0] = 0x0A;
    pcx[1] = 5;
    pcx[2] = 1;
    pcx[3] = 8;
    qToLittleEndian<quint16>(799, pcx.data() + 8);
    qToLittleEndian<quint16>(599, pcx.data() + 10);
    pcx[65] = 3;
    qToLittleEndian<quint16>(800, pcx.data() + 66);
    for (int y = 0; y < 600; ++y)
        for (int plane = 0; plane < 3; ++plane)
            for (int x = 0; x < 800; ++x) {
                const QRgb c = source.pixel(x, y);
                const int v = plane == 0 ? qRed(c) : plane == 1 ? qGreen(c) : qBlue(c);
                if (v >= 0xC0)
                    pcx.append(char(0xC1));
                pcx.append(char(v));
            }
    for (auto _ : state) {
        const TPicture picture = ReadPicture(pcx, QStringLiteral("bench.pcx"));
        benchmark::DoNotOptimize(picture.Size());
    }
}
BENCHMARK(BM_ReadPcx)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
