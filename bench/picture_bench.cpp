// Pictures: reading and drawing an enhanced metafile of about 300 KB (thousands of shapes, paths and text
// runs), as clip art is drawn on a card at zoom 1.5, and a PCX picture read.
#include "files/metafile.h"
#include "files/pictures.h"
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
using qmtest::Put;
using qmtest::Record;

namespace {

// About 300 KB of records: brushes and pens made and dropped, rectangles, ellipses, polygons, paths and text.
QByteArray BusyMetafile()
{
    QByteArray r;
    int count = 0;
    Record(r, &count, 17, {8});
    Record(r, &count, 9, {10000, 6000});
    Record(r, &count, 11, {1000, 600});
    for (int i = 0; r.size() < 300 * 1024; ++i) {
        const qint32 x = (i * 37) % 9000, y = (i * 53) % 5400;
        Record(r, &count, 39, {1, 0, qint32((quint32(i) * 0x1F3D5Bu) & 0xFFFFFFu), 0});
        Record(r, &count, 37, {1});
        Record(r, &count, 38, {2, 0, 10 + i % 30, 0, qint32((quint32(i) * 0x0A0B0Cu) & 0xFFFFFFu)});
        Record(r, &count, 37, {2});
        switch (i % 5) {
        case 0: Record(r, &count, 43, {x, y, x + 400, y + 300}); break;
        case 1: Record(r, &count, 42, {x, y, x + 500, y + 350}); break;
        case 2: {
            QByteArray p;
            Put(p, {0, 0, 0, 0, 6});
            for (int k = 0; k < 6; ++k)
                Put(p, {x + (k * 97) % 600, y + (k * 61) % 400});
            Put(r, {3, qint32(8 + p.size())});
            r.append(p);
            ++count;
            break;
        }
        case 3:
            Record(r, &count, 59, {});
            Record(r, &count, 27, {x, y});
            Record(r, &count, 54, {x + 300, y});
            Record(r, &count, 54, {x + 150, y + 300});
            Record(r, &count, 61, {});
            Record(r, &count, 60, {});
            Record(r, &count, 63, {0, 0, 0, 0});
            break;
        case 4: {
            QByteArray t;
            Put(t, {0, 0, 0, 0, 1, 0, 0, x, y, 4, 76, 0, 0, 0, 0, 0, 0});
            for (char c : {'Q', 'u', 'i', 'l'})
                t.append(c).append('\0');
            Put(r, {84, qint32(8 + t.size())});
            r.append(t);
            ++count;
            break;
        }
        }
        Record(r, &count, 40, {1});
        Record(r, &count, 40, {2});
    }
    Record(r, &count, 14, {0, 16, 20});
    QByteArray header;
    Put(header, {1, 88, 0, 0, 999, 599, 0, 0, 26458, 15875, 0x464D4520, 0x10000, qint32(88 + r.size()),
                 count + 1, 3, 0, 0, 0, 960, 960, 254, 254});
    return header + r;
}

// Argument 0: into an image, as the card on screen draws it (in two bands at once, given two processors: wall
// time is reported); 1: the same with a clip on the painter, which makes
// every shape go through the painter's own filling, as on paper; 2: into the image in one band, on one thread
// (both for comparison in one run).
void BM_ReadAndDrawMetafile300KB(benchmark::State& state)
{
    const QByteArray bytes = BusyMetafile();
    QImage target(1500, 900, QImage::Format_ARGB32_Premultiplied);
    const bool throughPainter = state.range(0) == 1, oneBand = state.range(0) == 2;
    for (auto _ : state) {
        const TPicture picture = ReadPicture(bytes);
        target.fill(Qt::white);
        QPainter p(&target);
        p.setRenderHint(QPainter::Antialiasing); // smoothed, as the card on screen draws its pictures
        if (throughPainter)
            p.setClipRect(target.rect());
        if (oneBand) {
            metafile::Info info;
            metafile::ReadInfo(bytes, &info, nullptr);
            metafile::PlayEmf(bytes, info, p, QRectF(0, 0, 1500, 900));
        } else {
            picture.Draw(p, QRectF(0, 0, 1500, 900));
        }
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_ReadAndDrawMetafile300KB)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

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
        (image ? *image : *first).Draw(p, TRenderContext());
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
