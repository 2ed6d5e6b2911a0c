// A card of thousands of objects is drawn into the job's PDF file in parts, so that the writer never holds
// the whole card's operators at once; on paper the parts must look exactly like the card drawn whole.
#include "pdfutil.h"

#include "design/cardpanel.h"
#include "model/cardrender.h"
#include "objects/shapes/cardshape.h"
#include "print/pagedreport.h"
#include "print/printers_ui.h"
#include "print/sheetprinter.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qm;

TEST(PrintedPaper, ACardOfThousandsOfObjectsPrintsInPartsThatLookLikeTheWholeCard)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    // Rows of small squares, black and white in turn, each half covering the one before: a part drawn out
    // of order shows. Three parts, the last one short.
    const int count = 2 * TPartedPaintDevice::kObjectsPerPart + 300;
    for (int i = 0; i < count - 1; ++i) {
        auto* square = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
        square->SetBounds(6 + (i % 64) * 5, 6 + (i / 64) * 4, 9, 7);
        square->Brush().SetColor(i % 2 ? clWhite : clBlack);
    }
    // The last object, in the last part, overhangs the card's right edge: the card's outline still cuts it.
    auto* last = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    last->SetBounds(300, 168, 100, 20);
    last->Brush().SetColor(clBlack);
    TLabelJob job;
    job.Positions = TSheetPositions::Only({0});

    const QString parted = dir.filePath(QStringLiteral("parted.pdf"));
    {
        TKPdfReport pdf(parted);
        pdf.SetPaperSize(kPaperLetter);
        TLabelPrinter labels(panel, job);
        ASSERT_EQ(labels.Run(pdf), joFinished) << qPrintable(pdf.ErrorString());
    }
    QFile file(parted);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("/P2 Do") && !bytes.contains("/P3 Do")) << "the card should come in three parts";

    // The printer target draws the card whole, straight onto its page.
    const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
    {
        TKPrinterReport printer;
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        printer.Printer().setOutputFileName(whole);
        printer.SetPaperSize(kPaperLetter);
        TLabelPrinter labels(panel, job);
        ASSERT_EQ(labels.Run(printer), joFinished) << qPrintable(printer.ErrorString());
    }

    const QImage a = qmtest::RenderPdfPage(parted, 150);
    const QImage b = qmtest::RenderPdfPage(whole, 150);
    ASSERT_FALSE(a.isNull());
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a, b);
    // The overhanging object stops at the card's edge, x = 72 + 336 at 96 per inch (the squares end at 402).
    const QRect ink = qmtest::InkBox(a, QRect(404 * 150 / 96, 0, 300, 600));
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.right(), (72 + 336) * 150 / 96.0, 2);
}

} // namespace
