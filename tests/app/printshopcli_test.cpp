// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's print-shop PDF and sheet crop marks: options, usage errors, warnings, the files written.
#include "../print/pdfutil.h"

#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/text/textlabel.h"
#include "stream/streamwriter.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qm;

struct ProgramRun
{
    int status = -1;
    QString err;
};

ProgramRun Quillmark(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(QM_PROGRAM), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

// A card with a bar over its left edge and, when asked, a text that runs up to its right edge.
QString WriteCard(const QTemporaryDir& dir, bool textAtEdge)
{
    TKBusinessCardPanel32 panel;
    auto* bar = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    bar->SetBounds(-20, 60, 100, 40);
    if (textAtEdge) {
        auto* label = static_cast<TKPLabel*>(panel.CardObjects().Add(std::make_unique<TKPLabel>()));
        label->SetCaption(QStringLiteral("Edge"));
        label->SetBounds(280, 100, 56, 20);
    }
    const QString path = dir.filePath(textAtEdge ? QStringLiteral("edge.qmk") : QStringLiteral("card.qmk"));
    EXPECT_TRUE(WriteAll(panel.CardObjects(), path));
    return path;
}

TEST(PrintShopCommand, BleedOutsideHalfMillimetreStepsFromNoneToSixIsBadUsage)
{
    QTemporaryDir dir;
    const QString card = WriteCard(dir, false);
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    for (const char* bad : {"-1", "6.5", "2.3", "three", "", "nan"}) {
        const ProgramRun run = Quillmark({QStringLiteral("export"), card, out, QStringLiteral("--bleed"), QString::fromLatin1(bad)});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.err.contains(QStringLiteral("--bleed needs millimetres from 0 to 6"))) << qPrintable(run.err);
    }
    EXPECT_EQ(Quillmark({QStringLiteral("export"), card, out, QStringLiteral("--bleed")}).status, 2);
    EXPECT_FALSE(QFile::exists(out));
    // Picture options do not go with a PDF, nor a PDF without its extension unless forced.
    EXPECT_EQ(Quillmark({QStringLiteral("export"), card, out, QStringLiteral("--scale"), QStringLiteral("2")}).status, 2);
    const ProgramRun named = Quillmark({QStringLiteral("export"), card, dir.filePath(QStringLiteral("out.png")),
                                 QStringLiteral("--crop-marks")});
    EXPECT_EQ(named.status, 2);
    EXPECT_TRUE(named.err.contains(QStringLiteral("must end in .pdf"))) << qPrintable(named.err);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.png"))));

    const ProgramRun help = Quillmark({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
}

TEST(PrintShopCommand, WritesTheBoxesAndWarnsOfTextNearTheEdgeWithoutRefusing)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    const ProgramRun plain = Quillmark({QStringLiteral("export"), WriteCard(dir, false), out, QStringLiteral("--bleed"),
                                 QStringLiteral("0.5")});
    EXPECT_EQ(plain.status, 0) << qPrintable(plain.err);
    EXPECT_TRUE(plain.err.isEmpty()) << qPrintable(plain.err);
    const QString boxes = qmtest::RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), out});
    // 0.5 mm of bleed, no marks: the page is the card and 1 mm more each way.
    EXPECT_TRUE(boxes.contains(QRegularExpression(QStringLiteral("Page size:\\s+254\\.83\\d* x 146\\.83\\d* pts"))))
        << qPrintable(boxes);
    EXPECT_TRUE(boxes.contains(QRegularExpression(QStringLiteral("TrimBox:\\s+1\\.42\\s+1\\.42\\s+253\\.42\\s+145\\.42"))))
        << qPrintable(boxes);

    const QString marked = dir.filePath(QStringLiteral("marked.pdf"));
    const ProgramRun warned = Quillmark({QStringLiteral("export"), WriteCard(dir, true), marked, QStringLiteral("--crop-marks")});
    EXPECT_EQ(warned.status, 0) << qPrintable(warned.err);
    EXPECT_TRUE(warned.err.contains(QStringLiteral("warning: ") + marked)) << qPrintable(warned.err);
    EXPECT_TRUE(warned.err.contains(QStringLiteral("closer than 3 mm"))) << qPrintable(warned.err);
    const QString markedBoxes = qmtest::RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), marked});
    // The default 3 mm of bleed, and room for the marks: 10 mm a side.
    EXPECT_TRUE(markedBoxes.contains(QRegularExpression(QStringLiteral("Page size:\\s+308\\.69\\d* x 200\\.69\\d* pts"))))
        << qPrintable(markedBoxes);
}

TEST(PrintShopCommand, SheetCropMarksPrintInTheMarginsOnlyWhenAskedFor)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString card = WriteCard(dir, false);
    const QString with = dir.filePath(QStringLiteral("with.pdf"));
    const QString without = dir.filePath(QStringLiteral("without.pdf"));
    const ProgramRun a = Quillmark({QStringLiteral("print"), card, QStringLiteral("--pdf"), with, QStringLiteral("--crop-marks"),
                             QStringLiteral("--no-nudges")});
    ASSERT_EQ(a.status, 0) << qPrintable(a.err);
    const ProgramRun b = Quillmark({QStringLiteral("print"), card, QStringLiteral("--pdf"), without, QStringLiteral("--no-nudges")});
    ASSERT_EQ(b.status, 0) << qPrintable(b.err);
    // The default sheet: 2 x 5 cards of 3.5 x 2 inches from 0.75 inch left and 0.5 inch down. Above the top
    // row, on the line of the first card's left edge, only the marked sheet has ink.
    const int dpi = 150;
    const QRect above(int(0.75 * dpi) - 4, int(0.2 * dpi), 8, int(0.25 * dpi));
    const QImage marked = qmtest::RenderPdfPage(with, dpi);
    const QImage plain = qmtest::RenderPdfPage(without, dpi);
    ASSERT_FALSE(marked.isNull());
    EXPECT_FALSE(qmtest::InkBox(marked, above, 200).isNull());
    EXPECT_TRUE(qmtest::InkBox(plain, above, 200).isNull());
    // Inside the first card the two sheets agree.
    const QRect inside(int(1.5 * dpi), int(1.0 * dpi), 40, 40);
    EXPECT_EQ(qmtest::InkBox(marked, inside, 200), qmtest::InkBox(plain, inside, 200));
}

} // namespace
