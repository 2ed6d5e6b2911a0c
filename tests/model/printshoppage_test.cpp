// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the print-shop page: bleed choices, the three boxes, crop marks, the cover and the grown outline.
#include "model/cardmodel.h"
#include "model/cardrender.h"
#include "model/printshoppage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using qm::PrintShopPage;

constexpr double kMm = 72.0 / 25.4;
const QSizeF kCard(336, 192); // 3.5 x 2 inches: 252 x 144 points

TEST(PrintShopBleed, AcceptsHalfMillimetreStepsFromNoneToSix)
{
    for (double mm : {0.0, 0.5, 2.5, 3.0, 5.5, 6.0})
        EXPECT_TRUE(PrintShopPage::ValidBleed(mm)) << mm;
    for (double mm : {-0.5, 6.5, 2.25, 0.1, std::nan("")})
        EXPECT_FALSE(PrintShopPage::ValidBleed(mm)) << mm;
    double mm = -1;
    QString error;
    EXPECT_TRUE(PrintShopPage::ParseBleed(QStringLiteral("2.5"), &mm, &error));
    EXPECT_DOUBLE_EQ(mm, 2.5);
    for (const char* bad : {"three", "", "-1", "7", "3.2", "3mm"}) {
        EXPECT_FALSE(PrintShopPage::ParseBleed(QString::fromLatin1(bad), &mm, &error)) << bad;
        EXPECT_TRUE(error.contains(QStringLiteral("0 to 6"))) << qPrintable(error);
    }
    // A page set from elsewhere stays on a step within the range.
    PrintShopPage page(kCard, 9);
    EXPECT_DOUBLE_EQ(page.BleedMm(), 6);
    page.SetBleedMm(2.3);
    EXPECT_DOUBLE_EQ(page.BleedMm(), 2.5);
    page.SetBleedMm(-2);
    EXPECT_DOUBLE_EQ(page.BleedMm(), 0);
    EXPECT_DOUBLE_EQ(PrintShopPage(kCard).BleedMm(), 3);
}

TEST(PrintShopBoxes, TrimIsTheCardBleedAddsOnEachSideMediaHoldsTheMarks)
{
    const PrintShopPage plain(kCard, 3, false);
    // Without marks the page is the card and its bleed.
    EXPECT_EQ(plain.MediaBox(), plain.BleedBox());
    EXPECT_NEAR(plain.TrimBox().width(), 252, 1e-9);
    EXPECT_NEAR(plain.TrimBox().height(), 144, 1e-9);
    EXPECT_NEAR(plain.TrimBox().left(), 3 * kMm, 1e-9);
    EXPECT_NEAR(plain.BleedBox().left(), 0, 1e-9);
    EXPECT_NEAR(plain.BleedBox().width(), 252 + 6 * kMm, 1e-9);
    EXPECT_NEAR(plain.BleedBox().height(), 144 + 6 * kMm, 1e-9);

    const PrintShopPage marked(kCard, 3, true);
    EXPECT_NEAR(marked.MediaBox().left(), 0, 1e-9);
    EXPECT_NEAR(marked.MediaBox().top(), 0, 1e-9);
    EXPECT_NEAR(marked.TrimBox().left(), 10 * kMm, 1e-9); // bleed 3, gap 1, mark 5, room 1
    EXPECT_NEAR(marked.MediaBox().width(), 252 + 20 * kMm, 1e-9);
    EXPECT_NEAR(marked.BleedBox().left(), 7 * kMm, 1e-9);
    EXPECT_NEAR(marked.BleedBox().right(), marked.MediaBox().right() - 7 * kMm, 1e-9);

    const PrintShopPage none(kCard, 0, false);
    EXPECT_EQ(none.TrimBox(), none.BleedBox());
    EXPECT_EQ(none.TrimBox(), none.MediaBox());
}

TEST(PrintShopMarks, EightThinLinesOnTheTrimLinesOutsideTheBleed)
{
    EXPECT_TRUE(PrintShopPage(kCard, 3, false).CropMarkLines().empty());
    EXPECT_TRUE(PrintShopPage(kCard, 3, false).CropMarkOperators().isEmpty());
    for (double bleed : {0.0, 3.0, 6.0}) {
        const PrintShopPage page(kCard, bleed, true);
        const QRectF trim = page.TrimBox(), bleedBox = page.BleedBox(), media = page.MediaBox();
        const auto lines = page.CropMarkLines();
        ASSERT_EQ(lines.size(), 8u);
        int vertical = 0;
        for (const QLineF& line : lines) {
            EXPECT_NEAR(line.length(), 5 * kMm, 1e-9);
            const bool upright = line.x1() == line.x2();
            vertical += upright;
            if (upright)
                EXPECT_TRUE(line.x1() == trim.left() || line.x1() == trim.right());
            else
                EXPECT_TRUE(line.y1() == trim.top() || line.y1() == trim.bottom());
            // The nearer end 1 mm beyond the bleed, the whole line outside it and on the page.
            const double nearGap = upright ? std::min(std::abs(line.y1() - bleedBox.top()), std::abs(line.y1() - bleedBox.bottom()))
                                           : std::min(std::abs(line.x1() - bleedBox.left()), std::abs(line.x1() - bleedBox.right()));
            EXPECT_NEAR(nearGap, 1 * kMm, 1e-9);
            EXPECT_FALSE(bleedBox.contains(line.p1()));
            EXPECT_FALSE(bleedBox.contains(line.p2()));
            EXPECT_TRUE(media.contains(line.p2()));
        }
        EXPECT_EQ(vertical, 4);
        const QByteArray ops = page.CropMarkOperators();
        EXPECT_TRUE(ops.startsWith("q 0.25 w")) << ops.constData();
        EXPECT_EQ(ops.count(" l S"), 8);
    }
}

TEST(PrintShopCover, BackgroundKeepsItsProportionsAndCoversTheBleedCentred)
{
    const PrintShopPage page(kCard, 3);
    const QRectF cover = page.CoverRectUnits();
    const QRectF bleed = page.BleedRectUnits();
    EXPECT_TRUE(cover.contains(bleed.adjusted(1e-6, 1e-6, -1e-6, -1e-6)));
    EXPECT_NEAR(cover.width() / cover.height(), 336.0 / 192.0, 1e-9);
    EXPECT_NEAR(cover.center().x(), 168, 1e-9);
    EXPECT_NEAR(cover.center().y(), 96, 1e-9);
    // The shorter side decides: it just covers the bleed.
    EXPECT_NEAR(cover.height(), bleed.height(), 1e-9);
    EXPECT_GT(cover.width(), bleed.width());
    // No bleed: the picture lies on the card as on screen.
    EXPECT_EQ(PrintShopPage(kCard, 0).CoverRectUnits(), page.TrimRectUnits());
    const QRectF safe = page.SafeRectUnits();
    EXPECT_NEAR(safe.left(), 3 * 96 / 25.4, 1e-9);
    EXPECT_NEAR(safe.right(), 336 - 3 * 96 / 25.4, 1e-9);
}

TEST(PrintShopOutline, ShapesKeepTheirFormAtTheTrimAndGoStraightIntoTheBleed)
{
    qm::CardModel card;
    const double b = qm::MmToUnits(3);
    card.SetShape(qm::lsRectangle);
    QPainterPath grown = qm::CardBleedOutlinePath(card, b);
    EXPECT_TRUE(grown.contains(QPointF(-b + 0.5, -b + 0.5)));
    EXPECT_FALSE(grown.contains(QPointF(-b - 0.5, 96)));
    EXPECT_EQ(qm::CardBleedOutlinePath(card, 0), qm::CardOutlinePath(card));

    card.SetShape(qm::lsRoundRect);
    grown = qm::CardBleedOutlinePath(card, b);
    // Edges go straight out by the bleed; the corner stays round, with a radius as much larger.
    EXPECT_TRUE(grown.contains(QPointF(-b + 0.5, 96)));
    EXPECT_TRUE(grown.contains(QPointF(168, 193 + b - 0.5)));
    EXPECT_FALSE(grown.contains(QPointF(-b + 0.5, -b + 0.5)));
    // The card's own round corner lies well inside the grown one.
    EXPECT_TRUE(grown.contains(QPointF(0.5, 0.5)));
    EXPECT_NEAR(grown.boundingRect().left(), -b, 1e-9);

    card.SetShape(qm::lsEllipse);
    grown = qm::CardBleedOutlinePath(card, b);
    EXPECT_TRUE(grown.contains(QPointF(-b + 0.5, 96.5)));
    EXPECT_FALSE(grown.contains(QPointF(-b + 0.5, 10)));
}

} // namespace
