// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a gLabels design of 50 objects (boxes, ellipses, lines, texts of one and of several lines, QR
// codes): the file read and every object placed on a card and laid out.
#include "design/cardpanel.h"
#include "glabels/glabelsdocument.h"
#include "objects/glabelsimport.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace qm;

namespace {

QByteArray Design()
{
    QByteArray objects;
    for (int i = 0; i < 10; ++i) {
        const QByteArray x = QByteArray::number(10 + i * 22), y = QByteArray::number(10 + i * 12);
        objects += "<Object-box x=\"" + x + "pt\" y=\"" + y + "pt\" w=\"20pt\" h=\"10pt\" line_width=\"1pt\" "
                   "line_color=\"0x000000ff\" fill_color=\"0x3366ccff\" shadow=\"True\" shadow_x=\"1pt\" "
                   "shadow_y=\"1pt\" shadow_opacity=\"0.5\"/>\n";
        objects += "<Object-ellipse x=\"" + x + "pt\" y=\"" + y + "pt\" w=\"12pt\" h=\"12pt\" line_width=\"1pt\" "
                   "line_color=\"0xcc0000ff\" fill_color=\"0x00000000\"/>\n";
        objects += "<Object-line x=\"" + x + "pt\" y=\"" + y + "pt\" dx=\"30pt\" dy=\"5pt\" line_width=\"1pt\" "
                   "line_color=\"0x000000ff\"/>\n";
        if (i % 2 == 0)
            objects += "<Object-text x=\"" + x + "pt\" y=\"" + y + "pt\" w=\"100pt\" h=\"14pt\"><Span "
                       "font_family=\"DejaVu Sans\" font_size=\"9\" color=\"0x000000ff\">Line of text <Field "
                       "name=\"Name\"/></Span></Object-text>\n";
        else
            objects += "<Object-text x=\"" + x + "pt\" y=\"" + y + "pt\" w=\"100pt\" h=\"40pt\"><Span "
                       "font_family=\"DejaVu Serif\" font_size=\"8\" color=\"0x333333ff\">One<NL/>Two<NL/>"
                       "Three</Span></Object-text>\n";
        objects += "<Object-barcode x=\"" + x + "pt\" y=\"" + y + "pt\" w=\"30pt\" h=\"30pt\" style=\"IEC18004\" "
                   "data=\"https://example.org/" + QByteArray::number(i) + "\"/>\n";
    }
    return "<?xml version=\"1.0\"?>\n<Glabels-document xmlns=\"http://glabels.org/xmlns/3.0/\">\n"
           "<Template brand=\"Avery\" part=\"5371\" size=\"US-Letter\" description=\"Business Cards\">"
           "<Label-rectangle id=\"0\" width=\"252pt\" height=\"144pt\" round=\"0pt\">"
           "<Layout nx=\"2\" ny=\"5\" x0=\"54pt\" y0=\"36pt\" dx=\"252pt\" dy=\"144pt\"/></Label-rectangle>"
           "</Template>\n<Objects id=\"0\" rotate=\"False\">\n" +
           objects + "</Objects>\n</Glabels-document>\n";
}

void BM_ImportGlabels50(benchmark::State& state)
{
    const QByteArray bytes = Design();
    for (auto _ : state) {
        GlabelsFormat format;
        GlabelsDocument doc;
        if (!format.ReadBytes(bytes, doc))
            state.SkipWithError("the design was not read");
        TKBusinessCardPanel32 panel;
        const GlabelsImport imported = ImportGlabels(doc, QString(), CardSheetLayout(), panel);
        panel.Card().LayOutObjects();
        if (panel.CardObjects().Count() < 50)
            state.SkipWithError("objects went missing");
        benchmark::DoNotOptimize(imported.report.exact.size());
    }
}
BENCHMARK(BM_ImportGlabels50)->Unit(benchmark::kMillisecond);

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
