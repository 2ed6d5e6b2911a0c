// SPDX-License-Identifier: GPL-3.0-or-later
// Rich text: a 2 KB RTF card text read, laid out for its box and drawn, as every paint of a rich-text object
// does; the writer on the same document; and long texts of many paragraphs (16 KB, 256 KB, 1 MB) read and
// laid out as a rich-text object does, which must take time in proportion to their length.
#include "richtext/rtf.h"
#include "objects/text/richtextlayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <benchmark/benchmark.h>

using namespace qm;

namespace {

// About `bytes` long (2 KB by default): a font and colour table and short paragraphs of mixed fonts, sizes
// and styles.
QByteArray CardRtf(qsizetype bytes = 2048)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0 Liberation Sans;}"
                     "{\\f1\\froman\\fcharset0 Liberation Serif;}{\\f2\\fmodern\\fcharset0 Liberation Mono;}}\n"
                     "{\\colortbl;\\red192\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green255\\blue0;}\n";
    const char* lines[] = {
        "\\pard\\qc\\sa60\\plain\\f1\\fs36\\b Zo\\'eb \\'c5ngstr\\'f6m\\par\n",
        "\\pard\\qc\\plain\\f0\\fs22\\cf1 Head of Research \\endash  {\\i Materials}\\par\n",
        "\\pard\\qr\\plain\\f0\\fs18\\i \\u916?elta Labs \\'b7 Stra\\'dfe 5\\line 12345 Somewhere\\par\n",
        "\\pard\\qj\\li120\\plain\\f2\\fs16\\ul\\cf2 zoe@example.com{\\plain\\f0\\fs16  and }www.example.com\\par\n",
    };
    while (rtf.size() < bytes - 200) {
        for (const char* line : lines)
            rtf += line;
    }
    rtf += "\\pard\\plain\\f0\\fs16{\\highlight3 Mon\\endash Fri} 9\\endash 17\\par\n}";
    return rtf;
}

void BM_RtfReadLayOutDraw2K(benchmark::State& state)
{
    const QByteArray rtf = CardRtf();
    QImage image(380, 220, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QTextDocument document;
        ReadRtf(rtf, document);
        document.setTextWidth(380);
        QPainter painter(&image);
        document.drawContents(&painter, QRectF(0, 0, 380, 220));
    }
    state.counters["bytes"] = double(rtf.size());
}
BENCHMARK(BM_RtfReadLayOutDraw2K)->Unit(benchmark::kMillisecond);

void BM_RtfWrite2K(benchmark::State& state)
{
    QTextDocument document;
    ReadRtf(CardRtf(), document);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteRtf(document));
}
BENCHMARK(BM_RtfWrite2K)->Unit(benchmark::kMicrosecond);

// A long text read from its RTF and laid out for a box two inches wide, as a rich-text object on a card is
// when it is drawn or exported.
void BM_RichTextLayOutLong(benchmark::State& state)
{
    const QByteArray rtf = CardRtf(state.range(0) * 1024);
    for (auto _ : state) {
        RichTextLayout layout;
        layout.Update(rtf, QSize(192, 96), 1.0f);
        benchmark::DoNotOptimize(layout.TextHeight());
    }
    state.counters["bytes"] = double(rtf.size());
}
BENCHMARK(BM_RichTextLayOutLong)->Arg(16)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
