// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of printed paper: card outlines of every predefined sheet where the layout puts them, text as text in
// place, replay equal to the live job.
#include "pdfutil.h"

#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/text/personallabel.h"
#include "print/printers_ui.h"
#include "print/sheetprinter.h"
#include "print/pagedreport.h"
#include "print/recordingreport.h"
#include "print/report.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace qm;

constexpr int kRenderDpi = 600;

// Prints a job into a PDF file of dir; the file's path.
QString PrintToPdf(TKBusinessCardPanel32& panel, const LabelJob& job, const QTemporaryDir& dir,
                   const QString& name, int paper, int resolution = PdfReport::kDefaultResolution)
{
    const QString path = dir.filePath(name);
    PdfReport pdf(path, resolution);
    pdf.SetPaperSize(paper);
    TLabelPrinter printer(panel, job);
    EXPECT_EQ(printer.Run(pdf), joFinished) << qPrintable(pdf.ErrorString());
    return path;
}


// Every edge of the card rectangle, measured halfway along it, lies within one pixel of where it belongs.
void ExpectCardOutline(const QImage& page, const QRectF& inches, const QString& what)
{
    const double l = inches.left() * kRenderDpi, r = inches.right() * kRenderDpi;
    const double t = inches.top() * kRenderDpi, b = inches.bottom() * kRenderDpi;
    const int midX = int((l + r) / 2), midY = int((t + b) / 2);
    EXPECT_NEAR(qmtest::EdgeCentre(page, t, midX, true), t, 1.0) << qPrintable(what) << " top";
    EXPECT_NEAR(qmtest::EdgeCentre(page, b, midX, true), b, 1.0) << qPrintable(what) << " bottom";
    EXPECT_NEAR(qmtest::EdgeCentre(page, l, midY, false), l, 1.0) << qPrintable(what) << " left";
    EXPECT_NEAR(qmtest::EdgeCentre(page, r, midY, false), r, 1.0) << qPrintable(what) << " right";
}

TEST(PrintedPaper, OutlinesOfEveryPredefinedSheetLandWhereTheLayoutPutsThem)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    std::vector<CardSheetLayout> seen;
    for (int i = 0; i < kPredefinedLayoutCount; ++i) {
        // Several sheets share their numbers (nine Avery 2 x 5 letter sheets); each set of numbers once.
        CardSheetLayout numbers;
        ApplyPredefinedLayout(numbers, i);
        if (std::find(seen.begin(), seen.end(), numbers) != seen.end())
            continue;
        seen.push_back(numbers);
        for (bool rotated : {false, true}) {
            TKBusinessCardPanel32 panel;
            panel.SetPortraitMode(rotated);
            LabelJob job;
            job.OutlineTest = true;
            ApplyPredefinedLayout(job.Layout, i);
            const QString pdf = PrintToPdf(
                panel, job, dir, QStringLiteral("outline%1%2.pdf").arg(i).arg(rotated), job.Layout.Papersize);
            const QString info = qmtest::RunTool(QStringLiteral("pdfinfo"), {pdf});
            const QSizeF paper = PaperSizeInches(job.Layout.Papersize);
            const QSizeF page = rotated ? paper.transposed() : paper;
            // The paper itself: Letter 612 x 792 points, A4 595.276 x 841.89, turned for a Rotated card.
            EXPECT_TRUE(info.contains(QStringLiteral("Page size:       %1 x %2 pts")
                                          .arg(page.width() * 72, 0, 'g', 6)
                                          .arg(page.height() * 72, 0, 'g', 6)))
                << qPrintable(info);

            const QImage image = qmtest::RenderPdfPage(pdf, kRenderDpi);
            ASSERT_FALSE(image.isNull());
            ASSERT_NEAR(image.width(), page.width() * kRenderDpi, 1.0);
            // The layout as stored, measured on the upright sheet from its top-left corner.
            const CardSheetLayout& l = job.Layout;
            for (int r = 0; r < l.Down; ++r) {
                for (int c = 0; c < l.Across; ++c) {
                    const QRectF upright(double(l.LeftMargin) + c * double(l.HPitch),
                                         double(l.TopMargin) + r * double(l.VPitch), l.Width, l.Height);
                    const QRectF onPage = rotated ? QRectF(upright.top(), paper.width() - upright.right(),
                                                           upright.height(), upright.width())
                                                  : upright;
                    ExpectCardOutline(image, onPage,
                                      QStringLiteral("layout %1 %2 card %3,%4")
                                          .arg(i)
                                          .arg(rotated ? QStringLiteral("rotated") : QStringLiteral("normal"))
                                          .arg(r)
                                          .arg(c));
                }
            }
        }
    }
}

// A card with text, shapes and a line.
struct TextCard
{
    TKBusinessCardPanel32 panel;
    TKBusinessCardLabel* label = nullptr;
    TKBusinessCardLabel* turned = nullptr;

    TextCard()
    {
        label = static_cast<TKBusinessCardLabel*>(
            panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
        label->SetBounds(20, 30, 200, 40);
        label->SetCaption(QStringLiteral("Quillmark Hg"));
        label->Font().SetSize(20);
        label->SetLayoutNeeded(true);
        turned = static_cast<TKBusinessCardLabel*>(
            panel.CardObjects().Add(std::make_unique<TKBusinessCardLabel>()));
        turned->SetBounds(280, 10, 40, 170);
        turned->SetCaption(QStringLiteral("Turned"));
        turned->Font().SetSize(14);
        turned->SetAngle(90);
        turned->SetLayoutNeeded(true);
    }
};

TEST(PrintedPaper, TextPrintsAsTextWhereItStandsOnTheCard)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TextCard card;
    const QImage screen = card.panel.RenderToBitmap();
    LabelJob job;
    job.Positions = SheetPositions::Only({0});
    const QString pdf = PrintToPdf(card.panel, job, dir, QStringLiteral("text.pdf"), kPaperLetter);

    // The face is embedded as a font: the text was not turned into a picture.
    const QString fonts = qmtest::RunTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans"))) << qPrintable(fonts);

    // The card's first position starts 0.75 inch from the left and half an inch from the top: at 96 pixels
    // per inch, (72, 48). Each label's ink lies where it lies on the card, to a pixel.
    const QImage page = qmtest::RenderPdfPage(pdf, 96);
    for (TKBusinessCardLabel* l : {card.label, card.turned}) {
        const QRect box = l->BoundsRect();
        const QRect onScreen = qmtest::InkBox(screen, box);
        const QRect onPaper = qmtest::InkBox(page, box.translated(72, 48)).translated(-72, -48);
        ASSERT_FALSE(onScreen.isNull());
        EXPECT_NEAR(onPaper.left(), onScreen.left(), 1) << qPrintable(l->Caption());
        EXPECT_NEAR(onPaper.top(), onScreen.top(), 1) << qPrintable(l->Caption());
        EXPECT_NEAR(onPaper.right(), onScreen.right(), 1) << qPrintable(l->Caption());
        EXPECT_NEAR(onPaper.bottom(), onScreen.bottom(), 1) << qPrintable(l->Caption());
    }
}

TEST(PrintedPaper, RecordedPagesReplayToTheSameDrawingAtHighResolution)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TextCard card;
    auto* shape = static_cast<TBCShapes*>(card.panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(20, 100, 120, 60);
    shape->SetShape(stRoundRect);
    shape->Pen().SetWidth(3);
    auto* line = static_cast<TKLineShape*>(card.panel.CardObjects().Add(std::make_unique<TKLineShape>()));
    line->SetBounds(150, 170, 120, 10);
    line->Pen().SetWidth(2);

    LabelJob job;
    job.Positions = SheetPositions::Only({0, 3});
    const QString live = PrintToPdf(card.panel, job, dir, QStringLiteral("live.pdf"), kPaperLetter, 1200);

    RecordingReport recording;
    TLabelPrinter printer(card.panel, job);
    ASSERT_EQ(printer.Run(recording), joFinished);
    const QString replayed = dir.filePath(QStringLiteral("replayed.pdf"));
    PdfReport pdf(replayed, 1200);
    ASSERT_TRUE(ReplayPages(recording.Pages(), pdf));

    if (qEnvironmentVariableIsSet("QM_KEEP_PDF")) {
        QFile::copy(live, QStringLiteral("/tmp/qm_live.pdf"));
        QFile::copy(replayed, QStringLiteral("/tmp/qm_replayed.pdf"));
    }
    const QImage a = qmtest::RenderPdfPage(live, 150);
    const QImage b = qmtest::RenderPdfPage(replayed, 150);
    ASSERT_EQ(a.size(), b.size());
    // Every object's ink, card by card, in the same place.
    for (const QPointF origin : {QPointF(0.75, 0.5), QPointF(4.25, 2.5)}) {
        for (TKGraphicControl* object : card.panel.CardObjects().Objects()) {
            const QRectF box = QRectF(object->BoundsRect()).adjusted(-2, -2, 2, 2);
            const QRect area(int((origin.x() + box.left() / 96) * 150),
                             int((origin.y() + box.top() / 96) * 150), int(box.width() / 96 * 150),
                             int(box.height() / 96 * 150));
            const QRect inkA = qmtest::InkBox(a, area), inkB = qmtest::InkBox(b, area);
            ASSERT_FALSE(inkA.isNull()) << object->ClassName();
            EXPECT_NEAR(inkA.left(), inkB.left(), 1) << object->ClassName();
            EXPECT_NEAR(inkA.top(), inkB.top(), 1) << object->ClassName();
            EXPECT_NEAR(inkA.right(), inkB.right(), 1) << object->ClassName();
            EXPECT_NEAR(inkA.bottom(), inkB.bottom(), 1) << object->ClassName();
        }
    }
    // Nothing printed at the positions left out.
    EXPECT_TRUE(qmtest::InkBox(a, QRect(int(4.25 * 150), int(0.5 * 150), 3 * 150, 2 * 150)).isNull());
}

TEST(PrintedPaper, AnObjectOverhangingTheCardStopsAtItsEdge)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    auto* shape = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    shape->SetBounds(300, 50, 100, 40); // 64 pixels beyond the right edge of a 336-pixel card
    shape->Brush().SetColor(clBlack);
    LabelJob job;
    job.Positions = SheetPositions::Only({0});
    const QString pdf = PrintToPdf(panel, job, dir, QStringLiteral("overhang.pdf"), kPaperLetter);

    // The first card spans x = 72 to 408 on a 96-dpi page; the card beside it starts right there.
    const QImage page = qmtest::RenderPdfPage(pdf, 96);
    const QRect ink = qmtest::InkBox(page, QRect(300, 60, 300, 100));
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left(), 72 + 300, 1);
    EXPECT_NEAR(ink.right(), 72 + 336, 1);
}

TEST(PrintedPaper, ThePrinterTargetPrintsTheSamePageAsAPdfFile)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    for (bool rotated : {false, true}) {
        TextCard card;
        card.panel.SetPortraitMode(rotated);
        LabelJob job;
        const QString direct = PrintToPdf(card.panel, job, dir, QStringLiteral("direct.pdf"), kPaperA4);

        // The printer's own PDF output: full-page coordinates, turned the same way.
        PrinterReport printer;
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        const QString viaPrinter = dir.filePath(QStringLiteral("printer.pdf"));
        printer.Printer().setOutputFileName(viaPrinter);
        printer.SetPaperSize(kPaperA4);
        EXPECT_TRUE(printer.IsPdf());
        EXPECT_EQ(printer.MaxCopies(), 1);
        EXPECT_EQ(printer.UnprintableBottomMargin(), 0);
        TLabelPrinter labels(card.panel, job);
        ASSERT_EQ(labels.Run(printer), joFinished) << qPrintable(printer.ErrorString());

        const QImage a = qmtest::RenderPdfPage(direct, 100);
        const QImage b = qmtest::RenderPdfPage(viaPrinter, 100);
        ASSERT_EQ(a.size(), b.size()) << rotated;
        EXPECT_EQ(a.width() > a.height(), rotated);
        EXPECT_EQ(qmtest::InkBox(a), qmtest::InkBox(b)) << rotated;
        EXPECT_EQ(a, b) << rotated;
    }
}

} // namespace
