// SPDX-License-Identifier: GPL-3.0-or-later
// The print-shop PDF as a print shop sees it: its boxes by pdfinfo, qpdf's check, embedded fonts, and the page
// rendered at 300 dpi: the overhang and the background fill the bleed, the marks lie on the trim lines.
#include "pdfutil.h"

#include "design/cardpanel.h"
#include "objects/shapes/cardshape.h"
#include "objects/text/textlabel.h"
#include "print/printshoppdf.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace qm;

constexpr int kDpi = 300;
constexpr double kPx = kDpi / 72.0; // pixels a point
constexpr double kUnit = kDpi / 96.0; // pixels a card unit

QByteArray GreyBitmap()
{
    QImage image(350, 200, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

int Grey(const QImage& page, double x, double y)
{
    return qGray(page.pixel(int(x), int(y)));
}

// The first x (scanning right from `from`) darker than the threshold on row y; -1 when none.
int FirstInk(const QImage& page, int from, int to, int y, int threshold)
{
    for (int x = from; x < to; ++x) {
        if (qGray(page.pixel(x, y)) < threshold)
            return x;
    }
    return -1;
}

TEST(PrintShopRendered, OverhangAndBackgroundFillTheBleedAndMarksSitOnTheTrimLines)
{
    if (!qmtest::HavePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    TKBusinessCardPanel32 panel;
    panel.SetShape(lsRectangle);
    panel.Card().Picture().SetGraphic("TBitmap", GreyBitmap());
    auto* bar = static_cast<TBCShapes*>(panel.CardObjects().Add(std::make_unique<TBCShapes>()));
    bar->SetBounds(-40, 60, 100, 40); // 40 units over the left edge
    bar->Brush().SetColor(clBlack);
    auto* label = static_cast<TKPLabel*>(panel.CardObjects().Add(std::make_unique<TKPLabel>()));
    label->SetCaption(QStringLiteral("Ada Lovelace"));
    label->SetBounds(150, 120, 150, 30);
    panel.LayOutObjects();

    const PrintShopPage page(QSizeF(panel.Card().Size()), 3, true);
    const QString path = dir.filePath(QStringLiteral("card.pdf"));
    QString error;
    ASSERT_TRUE(WritePrintShopPdf({PrintShopSide{&panel.Card(), {}}}, page, QStringLiteral("Card"), path, &error))
        << qPrintable(error);

    // The boxes as a print shop's tools read them.
    const QString boxes = qmtest::RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), path});
    const auto box = [&](const QString& name) {
        const QRegularExpression line(name + QStringLiteral(":\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)"));
        const QRegularExpressionMatch m = line.match(boxes);
        return m.hasMatch() ? QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                     QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))
                            : QRectF();
    };
    const double mm = 72 / 25.4;
    EXPECT_NEAR(box(QStringLiteral("TrimBox")).left(), 10 * mm, 0.01) << qPrintable(boxes);
    EXPECT_NEAR(box(QStringLiteral("TrimBox")).width(), 252, 0.01) << qPrintable(boxes);
    EXPECT_NEAR(box(QStringLiteral("BleedBox")).left(), 7 * mm, 0.01) << qPrintable(boxes);
    EXPECT_NEAR(box(QStringLiteral("BleedBox")).height(), 144 + 6 * mm, 0.01) << qPrintable(boxes);
    EXPECT_NEAR(box(QStringLiteral("MediaBox")).width(), 252 + 20 * mm, 0.01) << qPrintable(boxes);

    const QString check = qmtest::RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
    EXPECT_TRUE(check.contains(QStringLiteral("No syntax or stream encoding errors found"))) << qPrintable(check);
    // Text stays text, its font embedded.
    const QString fonts = qmtest::RunTool(QStringLiteral("pdffonts"), {path});
    const QStringList fontLines = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fontLines.isEmpty()) << qPrintable(fonts);
    for (const QString& line : fontLines)
        EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d+"))))
            << qPrintable(line);

    const QImage image = qmtest::RenderPdfPage(path, kDpi);
    ASSERT_FALSE(image.isNull());
    const double trimLeft = 10 * mm * kPx, trimTop = trimLeft;
    const double bleedLeft = 7 * mm * kPx, bleedTop = bleedLeft;

    // The bar, 40 units over the edge, runs on into the bleed and stops at its edge.
    const int barRow = int(trimTop + 80 * kUnit);
    const int barStart = FirstInk(image, 0, int(trimLeft), barRow, 60);
    EXPECT_NEAR(barStart, bleedLeft, 1.5);
    EXPECT_LT(Grey(image, trimLeft - 2, barRow), 60);
    EXPECT_GT(Grey(image, bleedLeft - 3, barRow), 230);

    // The grey background covers the bleed on every side, not beyond it.
    const int row = int(trimTop + 20 * kUnit);
    const int backStart = FirstInk(image, 0, int(trimLeft), row, 200);
    EXPECT_NEAR(backStart, bleedLeft, 1.5);
    EXPECT_NEAR(Grey(image, bleedLeft + 3, row), 128, 20);
    const double middle = trimLeft + 168 * kUnit;
    EXPECT_NEAR(Grey(image, middle, bleedTop + 3), 128, 20);
    EXPECT_GT(Grey(image, middle, bleedTop - 3), 230);
    const double bleedRight = trimLeft + 336 * kUnit + 3 * mm * kPx;
    EXPECT_NEAR(Grey(image, bleedRight - 3, row), 128, 20);
    EXPECT_GT(Grey(image, bleedRight + 3, row), 230);

    // The marks: on the trim lines' extensions, in the margin beyond the bleed and a millimetre's gap.
    const double markNear = bleedTop - 1 * mm * kPx, markFar = markNear - 5 * mm * kPx;
    const int markRow = int((markNear + markFar) / 2);
    EXPECT_NEAR(FirstInk(image, int(trimLeft) - 10, int(trimLeft) + 10, markRow, 200), trimLeft, 1.5);
    EXPECT_EQ(FirstInk(image, int(trimLeft) - 10, int(trimLeft) + 10, int(markNear + 3), 200), -1)
        << "no ink in the gap between the bleed and the mark";
    EXPECT_EQ(FirstInk(image, int(trimLeft) - 10, int(trimLeft) + 10, int(markFar - 3), 200), -1);
    const QRect leftMargin(0, int(trimTop) - 10, int(markNear), 20);
    const QRect ink = qmtest::InkBox(image, leftMargin, 200);
    EXPECT_NEAR(ink.center().y(), trimTop, 1.5);
    EXPECT_LE(ink.height(), 3) << "a thin line";
    const QRect rightMark = qmtest::InkBox(image, QRect(int(bleedRight + 1 * mm * kPx + 2), int(trimTop + 144 * 300 / 72) - 10, 60, 20), 200);
    EXPECT_NEAR(rightMark.center().y(), trimTop + 144 * kPx, 1.5);
}

} // namespace
