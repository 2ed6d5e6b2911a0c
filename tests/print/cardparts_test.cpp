// SPDX-License-Identifier: GPL-3.0-or-later
// A card of thousands of objects is drawn into the job's PDF file in parts, so that the writer never holds
// the whole card's operators at once; on paper the parts must look exactly like the card drawn whole. A
// drawing too large to hold in memory is written aside part by part and still prints whole.
#include "pdfutil.h"
#include "smalldisk.h"

#include "design/cardpanel.h"
#include "model/cardrender.h"
#include "objects/shapes/cardshape.h"
#include "print/pagedreport.h"
#include "print/printers_ui.h"
#include "print/sheetprinter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
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
    const int count = 2 * PartedPaintDevice::kObjectsPerPart + 300;
    for (int i = 0; i < count - 1; ++i) {
        auto* square = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
        square->SetBounds(6 + (i % 64) * 5, 6 + (i / 64) * 4, 9, 7);
        square->Brush().SetColor(i % 2 ? clWhite : clBlack);
    }
    // The last object, in the last part, overhangs the card's right edge: the card's outline still cuts it.
    auto* last = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    last->SetBounds(300, 168, 100, 20);
    last->Brush().SetColor(clBlack);
    LabelJob job;
    job.Positions = SheetPositions::Only({0});

    const QString parted = dir.filePath(QStringLiteral("parted.pdf"));
    {
        PdfReport pdf(parted);
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
        PrinterReport printer;
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

TEST(PrintedPaper, ADrawingTooLargeToHoldIsWrittenAsideAndPrintsWhole)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir, temp;
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const QString path = dir.filePath(QStringLiteral("large.pdf"));
    // Twelve parts in two rows, each a picture of noise (nothing packs it much smaller) with a square of its own
    // grey in its top-left corner: together some three times what a drawing may hold in memory.
    constexpr int kParts = 12, kAcross = 6;
    const auto grey = [](int part) { return 10 + part * 20; };
    qint64 mostHeld = 0, lastHeld = 0;
    bool ok = false;
    QString error;
    {
        PdfReport pdf(path);
        pdf.SetPaperSize(kPaperLetter);
        pdf.SetOrientation(roLandscape);
        ok = pdf.Execute({}, [&](TKReport& r) {
            const int drawing = r.MakeDrawing(QSizeF(kAcross, 2), [&](TKReport& d) {
                d.StretchDraw(QRectF(0, 0, kAcross, 2), QSizeF(kAcross * 100, 200), [&](QPainter& p) {
                    auto* parted = dynamic_cast<PartedPaintDevice*>(p.device());
                    ASSERT_NE(parted, nullptr);
                    QRandomGenerator random(7);
                    for (int part = 0; part < kParts; ++part) {
                        QImage noise(1500, 1500, QImage::Format_RGB32);
                        for (int y = 0; y < noise.height(); ++y) {
                            auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
                            for (int x = 0; x < noise.width(); ++x)
                                line[x] = random.generate() | 0xff000000u;
                        }
                        QPainter(&noise).fillRect(0, 0, 750, 750, QColor(grey(part), grey(part), grey(part)));
                        p.drawImage(QRectF(part % kAcross * 100, part / kAcross * 100, 100, 100), noise);
                        parted->EndPart();
                        lastHeld = pdf.BytesHeld();
                        mostHeld = std::max(mostHeld, lastHeld);
                    }
                });
            });
            r.PlaceDrawing(drawing, QPointF(1, 1));
        });
        error = pdf.ErrorString();
    }
    if (hadTemp)
        qputenv("TMPDIR", oldTemp);
    else
        qunsetenv("TMPDIR");
    ASSERT_TRUE(ok) << qPrintable(error);
    EXPECT_GT(QFileInfo(path).size(), 2 * PdfReport::kDrawingKeptInMemory);
    // The temporary file the drawing went to is gone with the job.
    EXPECT_TRUE(QDir(temp.path()).entryList(QDir::Files).isEmpty());
    // Held in memory: at most what a drawing may keep there, and once it is aside, little.
    EXPECT_GT(mostHeld, 0);
    EXPECT_LT(mostHeld, 2 * PdfReport::kDrawingKeptInMemory) << mostHeld;
    EXPECT_LT(lastHeld, 1024 * 1024) << lastHeld;

    // Every part where it was drawn: its square's grey a quarter inch in from its corner, at 20 dots an inch.
    const QImage page = qmtest::RenderPdfPage(path, 20);
    ASSERT_FALSE(page.isNull());
    for (int part = 0; part < kParts; ++part) {
        SCOPED_TRACE(part);
        EXPECT_NEAR(qGray(page.pixel(20 + part % kAcross * 20 + 5, 20 + part / kAcross * 20 + 5)), grey(part), 12);
    }
}

TEST(PrintedPaper, ADrawingThatFillsTheDiskOnTheWaySaysWhy)
{
    // The drawing goes aside once it passes 8 MB, and the disk it goes to fills up in the middle of a write
    // (eight pictures of noise come to some 16 MB).
    qmtest::SmallDisk disk("10m");
    if (!disk.Available())
        GTEST_SKIP() << qPrintable(disk.Why());
    QTemporaryDir dir;
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(disk.FilePath(QString())));
    bool ok = true;
    QString error;
    {
        PdfReport pdf(dir.filePath(QStringLiteral("large.pdf")));
        pdf.SetPaperSize(kPaperLetter);
        ok = pdf.Execute({}, [&](TKReport& r) {
            const int drawing = r.MakeDrawing(QSizeF(4, 2), [&](TKReport& d) {
                d.StretchDraw(QRectF(0, 0, 4, 2), QSizeF(400, 200), [&](QPainter& p) {
                    QRandomGenerator random(7);
                    for (int part = 0; part < 8; ++part) {
                        QImage noise(1500, 1500, QImage::Format_RGB32);
                        for (int y = 0; y < noise.height(); ++y) {
                            auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
                            for (int x = 0; x < noise.width(); ++x)
                                line[x] = random.generate() | 0xff000000u;
                        }
                        p.drawImage(QRectF(part % 4 * 100, part / 4 * 100, 100, 100), noise);
                        if (auto* parted = dynamic_cast<PartedPaintDevice*>(p.device()))
                            parted->EndPart();
                    }
                });
            });
            r.PlaceDrawing(drawing, QPointF(1, 1));
        });
        error = pdf.ErrorString();
    }
    if (hadTemp)
        qputenv("TMPDIR", oldTemp);
    else
        qunsetenv("TMPDIR");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(error.contains(qt_error_string(ENOSPC))) << qPrintable(error);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("large.pdf"))));
}

} // namespace
