// SPDX-License-Identifier: GPL-3.0-or-later
// A multi-purpose shape on paper: the outline of a star lands where the sheet layout puts it, to a printer
// pixel, on every card printed.
#include "pdfutil.h"

#include "design/cardpanel.h"
#include "objects/shapes/supershape.h"
#include "print/pagedreport.h"
#include "print/sheetprinter.h"

#include <QPointF>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace qm;

constexpr int kDpi = PdfReport::kDefaultResolution; // one pixel of the picture is one printer pixel

// A part of a PDF page, rendered at kDpi: the rectangle (x, y, w, h) in pixels.
QImage RenderPart(const QString& pdf, const QRect& part)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("part"));
    qmtest::RunTool(QStringLiteral("pdftoppm"),
                    {"-r", QString::number(kDpi), "-gray", "-x", QString::number(part.x()), "-y",
                     QString::number(part.y()), "-W", QString::number(part.width()), "-H",
                     QString::number(part.height()), "-singlefile", pdf, prefix});
    return QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

// How far the ink of a line crossing `at` lies from it along the unit normal n, in pixels: the ink-weighted
// mean of the pixels' distances within `reach`.
double InkOffset(const QImage& image, QPointF at, QPointF n, int reach)
{
    double sum = 0, weight = 0;
    for (int t = -reach; t <= reach; ++t) {
        const QPointF q = at + n * t;
        const int x = int(std::floor(q.x())), y = int(std::floor(q.y()));
        if (!image.rect().contains(x, y))
            continue;
        const double ink = 255 - qGray(image.pixel(x, y));
        if (ink < 40)
            continue;
        const QPointF centre(x + 0.5 - at.x(), y + 0.5 - at.y());
        sum += ink * (centre.x() * n.x() + centre.y() * n.y());
        weight += ink;
    }
    return weight > 0 ? sum / weight : 1e9;
}

} // namespace

TEST(PrintedPaper, TheOutlineOfAStarLandsWhereTheLayoutPutsIt)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    auto* star = static_cast<TSuperShape*>(panel.CardObjects().Add(std::make_unique<TSuperShape>()));
    star->SetBounds(70, 35, 130, 120);
    star->SetShape(kstStar);
    star->SetSurfaceType(TSuperShape::stBrushTransparent);
    star->SetOutlineStyle(psSolid);
    star->SetOutlineColor(clBlack);
    star->SetOutlineWidth(2); // 0.02 inch on paper

    LabelJob job; // Letter, 2 across and 5 down from (0.75, 0.5) inch
    job.Positions = SheetPositions::Only({0, 3});
    const QString pdf = dir.filePath(QStringLiteral("star.pdf"));
    {
        PdfReport report(pdf, kDpi);
        report.SetPaperSize(kPaperLetter);
        TLabelPrinter printer(panel, job);
        ASSERT_EQ(printer.Run(report), joFinished) << qPrintable(report.ErrorString());
    }

    ShapeEdges figure, shadow;
    star->ShapeRects(figure, shadow);
    const std::vector<QPoint> corners = star->FigurePoints(figure);
    ASSERT_EQ(corners.size(), 10u);
    const CardSheetLayout& l = job.Layout;
    for (const QPointF cardInches : {QPointF(l.LeftMargin, l.TopMargin),
                                     QPointF(l.LeftMargin + l.HPitch, l.TopMargin + l.VPitch)}) {
        // The card's part of the page, at printer pixels.
        const QRect part(int(cardInches.x() * kDpi), int(cardInches.y() * kDpi), int(l.Width * kDpi),
                         int(l.Height * kDpi));
        const QImage image = RenderPart(pdf, part);
        ASSERT_EQ(image.size(), part.size());
        auto toPixels = [&](QPoint p) {
            return QPointF((cardInches.x() + (star->Left() + p.x()) / 96.0) * kDpi - part.x(),
                           (cardInches.y() + (star->Top() + p.y()) / 96.0) * kDpi - part.y());
        };
        // Each edge of the star, a quarter, half and three quarters along: the ink is centred on it.
        for (size_t i = 0; i < corners.size(); ++i) {
            const QPointF a = toPixels(corners[i]), b = toPixels(corners[(i + 1) % corners.size()]);
            const QPointF d = b - a;
            const double length = std::hypot(d.x(), d.y());
            const QPointF n(-d.y() / length, d.x() / length);
            for (double f : {0.25, 0.5, 0.75}) {
                const double offset = InkOffset(image, a + d * f, n, 20);
                EXPECT_NEAR(offset, 0.0, 1.0) << "card at " << cardInches.x() << ", " << cardInches.y()
                                              << " inch, edge " << i << " at " << f;
            }
        }
        // Nothing strays from the outline: the ink stays within the object, widened by the pen.
        const QRect ink = qmtest::InkBox(image);
        const QPointF topLeft = toPixels(QPoint(0, 0)), bottomRight = toPixels(QPoint(star->Width(), star->Height()));
        const double pen = 0.02 * kDpi;
        EXPECT_GE(ink.left(), topLeft.x() - pen);
        EXPECT_GE(ink.top(), topLeft.y() - pen);
        EXPECT_LE(ink.right(), bottomRight.x() + pen);
        EXPECT_LE(ink.bottom(), bottomRight.y() + pen);
    }
}
