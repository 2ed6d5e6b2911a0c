// SPDX-License-Identifier: GPL-3.0-or-later
// Design panel: a full repaint of 300 shapes (or 50 word-wrapped multi-line texts, 100 gradient-filled
// SuperShapes, 20 pictures) at zoom 1.5, and one step of a drag over them.
#include "design/designpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/supershape.h"
#include "objects/text/circletext.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/supertext.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace qm;

namespace {

// Collects what the panel asks to repaint, as the widget's backing store would.
class BenchView : public PanelView
{
public:
    QRegion dirty;
    void InvalidateRect(const QRect& rect) override { dirty += rect; }
    void SetCursorShape(TKCursorShape) override {}
    void ShowMenu(TKMenu&, QPoint) override {}
    void ProcessEvents() override {}
    void PanelResized(QSize) override {}
    void PostFrameRecompute() override {}
};

// 300 shapes of all three figures spread over the card, the grid and outline on, zoom 1.5.
void FillPanel(TKBasePanel& panel, int count = 300)
{
    panel.SetDrawOutline(true);
    panel.SetShowGrid(true);
    const TShapeType figures[] = {stRectangle, stRoundRect, stEllipse};
    for (int i = 0; i < count; ++i) {
        auto shape = std::make_unique<TBCShapes>();
        shape->SetShape(figures[i % 3]);
        shape->Loaded();
        panel.PlaceObject(std::move(shape), QRect((i * 37) % 300, (i * 23) % 170, 20 + i % 40, 15 + i % 25));
    }
    panel.SetZoom(1.5f);
}

// state.range(0) shapes; 0 measures the card alone (white, outline, grid).
void BM_RepaintPanelAtZoom150(benchmark::State& state)
{
    TKBasePanel panel;
    FillPanel(panel, int(state.range(0)));
    QImage image(panel.Size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        panel.Paint(painter);
    }
    state.counters["objects"] = panel.CardObjects().Count();
}
BENCHMARK(BM_RepaintPanelAtZoom150)->Arg(0)->Arg(300)->Unit(benchmark::kMicrosecond);

// One mouse move of a drag (state.range(0) objects selected) followed by the repaint it asks for.
void BM_DragStep300(benchmark::State& state)
{
    TKBasePanel panel;
    FillPanel(panel);
    BenchView view;
    panel.SetView(&view);
    QImage image(panel.Size(), QImage::Format_ARGB32_Premultiplied);
    if (state.range(0) == 1)
        panel.Select(panel.CardObjects().At(150));
    else
        panel.SelectAll();
    const QRect frame = panel.Frame().Bounds();
    const QPoint start = frame.center();
    qint64 now = 1000;
    panel.MouseDown(start, Qt::LeftButton, Qt::NoModifier, start, now);
    int step = 0;
    double area = 0;
    for (auto _ : state) {
        now += 16;
        ++step;
        view.dirty = QRegion();
        panel.MouseMove(start + QPoint(step % 40, step % 25), Qt::LeftButton, now);
        QPainter painter(&image);
        painter.setClipRegion(view.dirty);
        panel.Paint(painter, view.dirty);
        for (const QRect& r : view.dirty)
            area += double(r.width()) * r.height();
    }
    state.counters["repainted px"] = area / std::max(step, 1);
    panel.MouseUp(start, Qt::LeftButton, Qt::NoModifier, now + 200);
    panel.SetView(nullptr);
}
BENCHMARK(BM_DragStep300)->Arg(1)->Arg(300)->Unit(benchmark::kMicrosecond);

// Releasing a drag of the whole card: every object takes its new bounds.
void BM_DropAll300(benchmark::State& state)
{
    TKBasePanel panel;
    FillPanel(panel);
    panel.SelectAll();
    qint64 now = 1000;
    int step = 0, moved = 0;
    for (auto _ : state) {
        const int left = panel.CardObjects().At(0)->Left();
        const QPoint start = panel.Frame().Bounds().topLeft() + QPoint(20, 20);
        const QPoint delta = (++step % 2) ? QPoint(3, 2) : QPoint(-3, -2);
        panel.MouseDown(start, Qt::LeftButton, Qt::NoModifier, start, now);
        panel.MouseMove(start + delta, Qt::LeftButton, now + 20);
        panel.MouseUp(start + delta, Qt::LeftButton, Qt::NoModifier, now + 300);
        now += 1000;
        moved += panel.CardObjects().At(0)->Left() != left;
    }
    if (moved != step)
        state.SkipWithError("the selection did not move");
}
BENCHMARK(BM_DropAll300)->Unit(benchmark::kMicrosecond);

// Full repaints of the panel at zoom 1.5 into a picture of its size.
void RepaintAtZoom150(benchmark::State& state, TKBasePanel& panel)
{
    panel.SetZoom(1.5f);
    QImage image(panel.Size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        panel.Paint(painter);
    }
    state.counters["objects"] = panel.CardObjects().Count();
}

// 50 multi-line texts of ten lines each, word-wrapped, at zoom 1.5: the repaint after the lines were broken
// (the wrapped lines are kept until the text, font or width changes).
void BM_RepaintMultiLineTexts(benchmark::State& state)
{
    TKBasePanel panel;
    for (int i = 0; i < 50; ++i) {
        auto text = std::make_unique<TKMultiLineLabel>();
        QStringList lines;
        for (int l = 0; l < 10; ++l)
            lines << QStringLiteral("Line %1 of text %2, long enough to wrap").arg(l).arg(i);
        text->SetItems(lines);
        text->Font().SetSize(6);
        text->SetWordWrap(true);
        text->Loaded();
        panel.PlaceObject(std::move(text), QRect((i * 37) % 250, (i * 23) % 120, 90, 70));
    }
    RepaintAtZoom150(state, panel);
}
BENCHMARK(BM_RepaintMultiLineTexts)->Unit(benchmark::kMicrosecond);

// 100 SuperShapes of every figure with the 256-band gradient surface, at zoom 1.5.
void BM_RepaintGradientShapes(benchmark::State& state)
{
    TKBasePanel panel;
    const TKPShapeType figures[] = {kstStar, kstDiamond, kstTriangleUp, kstPolyGon, kstRectangle};
    for (int i = 0; i < 100; ++i) {
        auto shape = std::make_unique<TSuperShape>();
        shape->SetShape(figures[i % 5]);
        shape->SetSurfaceType(TSuperShape::stGradientFill);
        shape->Loaded();
        panel.PlaceObject(std::move(shape), QRect((i * 37) % 290, (i * 23) % 150, 30 + i % 20, 25 + i % 15));
    }
    RepaintAtZoom150(state, panel);
}
BENCHMARK(BM_RepaintGradientShapes)->Unit(benchmark::kMicrosecond);

// 10 special-effect texts of 48 points with the gradient surface and an outline, at zoom 1.5.
void BM_RepaintSuperTexts(benchmark::State& state)
{
    TKBasePanel panel;
    for (int i = 0; i < 10; ++i) {
        auto text = std::make_unique<TKSuperText>();
        text->SetCaption(QStringLiteral("Sale %1").arg(i));
        text->SetShadowDepth(i % 4);
        text->Loaded();
        panel.PlaceObject(std::move(text), QRect((i * 37) % 200, (i * 23) % 120, 200, 70));
    }
    RepaintAtZoom150(state, panel);
}
BENCHMARK(BM_RepaintSuperTexts)->Unit(benchmark::kMicrosecond);

// 20 clip-art pictures at zoom 1.5, half of them metafiles of the starter library and half 400 x 300 bitmaps:
// the repaint after the first (the pictures drawn at their boxes' size are kept).
void BM_RepaintPictures(benchmark::State& state)
{
    QFile wmf(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(
        QStringLiteral("../data/starter/clipart/trade-truck.wmf")));
    const QByteArray metafile = wmf.open(QIODevice::ReadOnly) ? wmf.readAll() : QByteArray();
    QImage photo(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "BMP");
    if (metafile.isEmpty()) {
        state.SkipWithError("no starter clip art");
        return;
    }
    TKBasePanel panel;
    for (int i = 0; i < 20; ++i) {
        auto image = std::make_unique<TKImage>();
        image->Picture().SetGraphic(i % 2 ? QByteArrayLiteral("TBitmap") : QByteArrayLiteral("TMetafile"),
                                    i % 2 ? bitmap : metafile);
        image->SetReverse(i % 4 == 1);
        image->Loaded();
        panel.PlaceObject(std::move(image), QRect((i * 37) % 260, (i * 23) % 130, 50 + i % 20, 40 + i % 15));
    }
    RepaintAtZoom150(state, panel);
}
BENCHMARK(BM_RepaintPictures)->Unit(benchmark::kMicrosecond);

// 10 circular texts around a full circle and half circles, turned and upright letters, at zoom 1.5.
void BM_RepaintCircleTexts(benchmark::State& state)
{
    TKBasePanel panel;
    for (int i = 0; i < 10; ++i) {
        auto text = std::make_unique<TKPCircleText>();
        text->SetCaption(QStringLiteral("Quillmark business cards %1").arg(i));
        text->SetDegrees(i % 2 ? dg180 : dg360);
        text->SetDrawLettersAngled(i % 3 != 0);
        text->SetMirror(i % 4 == 1);
        text->Loaded();
        panel.PlaceObject(std::move(text), QRect((i * 37) % 200, (i * 23) % 90, 120, 100));
    }
    RepaintAtZoom150(state, panel);
}
BENCHMARK(BM_RepaintCircleTexts)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The panel deletes its clipboard file when it goes: keep away from the user's data folder.
    QTemporaryDir home;
    qputenv("QUILLMARK_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
