// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the report engine: pens on the device, margins, the job's pages and status, PDF files, recording
// and replay, metafiles.
#include "pdfutil.h"

#include "objects/text/textlabel.h"
#include "print/recording.h"
#include "print/pagedreport.h"
#include "print/painterreport.h"
#include "print/recordingreport.h"
#include "print/report.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qm;

QImage WhitePage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// How many dark pixels a column crosses.
int DarkRun(const QImage& image, int x)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += qGray(image.pixel(x, y)) < 128;
    return n;
}

// Pens: hundredths of an inch when negative, device pixels when positive, never thinner than one pixel.
TEST(ReportEngine, PenWidthsAreResolvedOnTheDevice)
{
    struct Case
    {
        int width;
        double dpi;
        int pixels;
    };
    for (const Case c : {Case{-3, 200, 6}, Case{-1, 96, 1}, Case{-10, 300, 30}, Case{0, 600, 1},
                         Case{4, 600, 4}, Case{-1, 40, 1}}) {
        QImage image = WhitePage(200, 200);
        {
            QPainter painter(&image);
            ScreenReport report(painter, c.dpi);
            report.SetPen(ReportPen{clBlack, psSolid, c.width, pmCopy});
            const double y = 100.5 / c.dpi;
            report.MoveTo(10 / c.dpi, y);
            report.LineTo(190 / c.dpi, y);
        }
        EXPECT_EQ(DarkRun(image, 100), c.pixels) << c.width << " at " << c.dpi;
    }
}

TEST(ReportEngine, ClearPensAndBrushesDrawNothing)
{
    QImage image = WhitePage(100, 100);
    {
        QPainter painter(&image);
        ScreenReport report(painter, 100);
        report.SetPen(ReportPen{clBlack, psClear, 5, pmCopy});
        report.SetBrush(ReportBrush{clBlack, bsClear, QImage()});
        report.Rectangle(0.1, 0.1, 0.9, 0.9);
        report.SetPen(ReportPen{clBlack, psSolid, 5, pmNop});
        report.Ellipse(0.1, 0.1, 0.9, 0.9);
    }
    EXPECT_TRUE(qmtest::InkBox(image).isNull());
}

TEST(ReportEngine, MarginsMoveTheOriginButNotDevicePixels)
{
    RecordingReport report(600);
    report.SetMargins(0.5, 0.25, 0.5, 0.5);
    ASSERT_TRUE(report.Execute(nullptr, [](TKReport& r) {
        r.Rectangle(0, 0, 1, 1);
        r.FillDeviceRect(QRect(60, 120, 60, 600));
        r.TextOut(1, 2, QStringLiteral("x"));
    }));
    const std::vector<ReportRecord>& records = report.Pages()[0].Records;
    std::vector<QRectF> rects;
    for (const ReportRecord& r : records)
        if (r.Kind >= ReportRecord::rkRectangle)
            rects.push_back(r.Rect);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], QRectF(0.5, 0.25, 1, 1));
    EXPECT_EQ(rects[1], QRectF(0.1, 0.2, 0.1, 1.0));
    EXPECT_EQ(rects[2].topLeft(), QPointF(1.5, 2.25));
}

TEST(ReportEngine, JobCallsBeforePrintThenPagesAndReportsStatus)
{
    RecordingReport report;
    report.SetStatusFormat(QStringLiteral("Page %p: %0 / %1"));
    report.StatusLines() = {QStringLiteral("a"), QStringLiteral("b")};
    QStringList shown;
    report.StatusChanged = [&](const QString& s) { shown.append(s); };
    int pageBefore = -1;
    bool printingBefore = true;
    std::vector<int> pagesSeen;
    EXPECT_TRUE(report.Execute(
        [&](TKReport& r) {
            pageBefore = r.CurrentPage();
            printingBefore = r.Printing();
            r.SetOrientation(roLandscape);
        },
        [&](TKReport& r) {
            pagesSeen.push_back(r.CurrentPage());
            r.NewPage();
            pagesSeen.push_back(r.CurrentPage());
        }));
    EXPECT_EQ(pageBefore, 0);
    EXPECT_FALSE(printingBefore);
    EXPECT_EQ(pagesSeen, (std::vector<int>{1, 2}));
    ASSERT_EQ(report.Pages().size(), 2u);
    EXPECT_EQ(report.Pages()[1].Size, QSizeF(11, 8.5)); // the orientation set before the document opened
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Page 1: a / b"), QStringLiteral("Page 2: a / b")}));
    EXPECT_FALSE(report.Printing());
}

TEST(ReportEngine, AnAbortedPdfLeavesTheOldFileAndAFinishedOneReplacesIt)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_TRUE(qmtest::WriteFile(path, QByteArray("precious")));
    PdfReport pdf(path);
    EXPECT_FALSE(pdf.Execute(nullptr, [](TKReport& r) {
        r.Rectangle(1, 1, 2, 2);
        r.Abort();
        r.NewPage(); // ignored once aborted
    }));
    EXPECT_TRUE(pdf.Aborted());
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("precious"));
    kept.close();

    pdf.SetOrientation(roLandscape);
    EXPECT_TRUE(pdf.Execute(nullptr, [](TKReport& r) {
        r.Rectangle(1, 1, 2, 2);
        r.NewPage();
    }));
    const QString info = qmtest::RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << qPrintable(info);
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       792 x 612 pts"))) << qPrintable(info);
    EXPECT_TRUE(info.contains(QStringLiteral("Title:           Quillmark"))) << qPrintable(info);
}

// Every kind of call, so that a recording of it can be compared with the live drawing.
void DrawSample(TKReport& r)
{
    r.SetPen(ReportPen{0x0000C0, psSolid, -2, pmCopy});
    r.SetBrush(ReportBrush{0x00E0E0, bsSolid, QImage()});
    r.Rectangle(0.1, 0.1, 0.9, 0.5);
    r.SetBrush(ReportBrush{0xC00000, bsCross, QImage()});
    r.RoundRect(1.0, 0.1, 1.9, 0.5, 0.2, 0.2);
    r.SetPen(ReportPen{clBlack, psDash, 1, pmCopy});
    r.Ellipse(0.1, 0.6, 0.9, 1.0);
    r.MoveTo(1.0, 0.6);
    r.LineTo(1.9, 1.0);
    r.Polygon(QPolygonF({QPointF(0.1, 1.1), QPointF(0.9, 1.1), QPointF(0.5, 1.5)}));
    r.SetBrush(ReportBrush{0x00A000, bsSolid, QImage()});
    r.ClipEllipse(QRectF(1.0, 1.1, 0.9, 0.4));
    r.FillRect(QRectF(0.9, 1.0, 1.2, 0.6));
    r.ReleaseClip();
    r.SetFont(ReportFont{QStringLiteral("Arial"), 14, true, false, false, false, 0x800000});
    r.TextOut(0.1, 1.6, QStringLiteral("Report"));
    r.BeginPath();
    r.TextOut(1.0, 1.6, QStringLiteral("Path"));
    r.EndPath();
    r.StrokePath();
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::magenta);
    r.StretchBitmap(tile, QRectF(0.1, 2.0, 0.3, 0.2));
    r.StretchDraw(QRectF(1.0, 2.0, 0.5, 0.25), QSizeF(96, 48), [](QPainter& p) {
        p.setPen(QPen(Qt::blue, 3));
        p.setClipRect(QRect(0, 0, 200, 200), Qt::ReplaceClip); // cannot escape the drawing's box
        p.drawLine(0, 0, 400, 200);
        p.setFont(QFont(QStringLiteral("Arial"), 12));
        p.drawText(QPoint(5, 30), QStringLiteral("Box"));
    });
}

TEST(ReportEngine, RecordedPagesReplayToTheSameDrawing)
{
    RecordingReport recording;
    ASSERT_TRUE(recording.Execute(nullptr, [](TKReport& r) { DrawSample(r); }));
    ASSERT_EQ(recording.Pages().size(), 1u);
    for (const double dpi : {96.0, 150.0}) {
        QImage live = WhitePage(int(2.2 * dpi), int(2.4 * dpi));
        QImage replayed = live;
        {
            QPainter painter(&live);
            ScreenReport report(painter, dpi);
            DrawSample(report);
        }
        {
            QPainter painter(&replayed);
            ScreenReport report(painter, dpi);
            ReplayPage(recording.Pages()[0], report);
        }
        EXPECT_EQ(live, replayed) << dpi;
        if (qEnvironmentVariableIsSet("QM_KEEP_PDF")) {
            live.save(QStringLiteral("/tmp/qm_live%1.png").arg(dpi));
            replayed.save(QStringLiteral("/tmp/qm_replayed%1.png").arg(dpi));
        }
        // The drawing stayed inside its box: nothing right of 1.5 inch in its band.
        EXPECT_TRUE(
            qmtest::InkBox(live, QRect(int(1.52 * dpi), int(2.0 * dpi), int(0.6 * dpi), int(0.25 * dpi)))
                .isNull());
    }
}

TEST(Metafile, KeepsTextAsTextAndPlaysWhereItWasDrawn)
{
    TKPLabel label;
    label.SetBounds(0, 0, 160, 40);
    label.SetCaption(QStringLiteral("Metafile"));
    label.SetDepthShadow(2);
    label.SetBorderStyle(bsSingle);
    label.LayOut();

    PaintRecording metafile;
    {
        QPainter painter(&metafile);
        label.DrawLabel(painter);
    }
    EXPECT_EQ(metafile.Texts(), (QStringList{QStringLiteral("Metafile"), QStringLiteral("Metafile")}));

    for (const double scale : {1.0, 2.5}) {
        const QSize size(int(label.Width() * scale), int(label.Height() * scale));
        QImage direct = WhitePage(size.width(), size.height());
        QImage played = direct;
        {
            QPainter painter(&direct);
            painter.scale(scale, scale);
            label.DrawLabel(painter);
        }
        {
            QPainter painter(&played);
            painter.scale(scale, scale);
            metafile.Play(painter);
        }
        const QRect a = qmtest::InkBox(direct), b = qmtest::InkBox(played);
        EXPECT_EQ(a, b) << scale;
        if (scale == 1.0) {
            EXPECT_EQ(direct, played);
        }
    }
}

} // namespace
