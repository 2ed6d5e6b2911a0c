// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for where the backs of a two-sided sheet go: long- and short-edge turns on sheets with unequal
// margins, Rotated cards, the printer's calibration and the back's own offset, and the order of manual backs.
#include "print/duplexplacement.h"
#include "print/sheetprinter.h"

#include <gtest/gtest.h>

namespace {

using namespace qm;

const QSizeF kLetter(8.5, 11.0);

// Letter, 2 x 5 cards of 3.5 x 2 inches, 0.5 in from the left edge and 0.9 in from the right.
CardSheetLayout UnequalMargins()
{
    CardSheetLayout layout;
    layout.LeftMargin = 0.5f;
    layout.HPitch = 3.6f;
    layout.TopMargin = 0.5f;
    return layout;
}

void ExpectRect(const QRectF& got, double x, double y, double w, double h)
{
    EXPECT_NEAR(got.x(), x, 1e-5);
    EXPECT_NEAR(got.y(), y, 1e-5);
    EXPECT_NEAR(got.width(), w, 1e-5);
    EXPECT_NEAR(got.height(), h, 1e-5);
}

TEST(DuplexPlacement, LongEdgeMirrorsAcrossOnUnequalMargins)
{
    const SheetGeometry g(UnequalMargins());
    const DuplexPlacement p(g, kLetter, DuplexMode::LongEdge);
    // Left card at 0.5: its back starts 8.5 - 0.5 - 3.5 = 4.5 in; the right card at 4.1: back at 0.9.
    ExpectRect(p.BackRect(0, 0, false), 4.5, 0.5, 3.5, 2.0);
    ExpectRect(p.BackRect(0, 1, false), 0.9, 0.5, 3.5, 2.0);
    // Rows keep their height.
    ExpectRect(p.BackRect(3, 0, false), 4.5, 6.5, 3.5, 2.0);
    // The manual turn is a long-edge turn done by hand.
    const DuplexPlacement manual(g, kLetter, DuplexMode::Manual);
    ExpectRect(manual.BackRect(3, 1, false), 0.9, 6.5, 3.5, 2.0);
}

TEST(DuplexPlacement, ShortEdgeMirrorsDown)
{
    CardSheetLayout layout = UnequalMargins();
    layout.TopMargin = 0.4f; // 0.6 in left at the bottom
    const SheetGeometry g(layout);
    const DuplexPlacement p(g, kLetter, DuplexMode::ShortEdge);
    // Top row at 0.4: back at 11 - 0.4 - 2 = 8.6; the bottom row at 8.4: back at 0.6. Across stays.
    ExpectRect(p.BackRect(0, 0, false), 0.5, 8.6, 3.5, 2.0);
    ExpectRect(p.BackRect(4, 1, false), 4.1, 0.6, 3.5, 2.0);
    ExpectRect(p.BackRect(2, 1, false), 4.1, 4.6, 3.5, 2.0);
}

TEST(DuplexPlacement, ChosenPositionOfAPartlyUsedSheetMirrorsToTheOtherColumn)
{
    // The default sheet has equal margins (0.75 in): the back of position 1 is where position 2's front is.
    const SheetGeometry g{CardSheetLayout()};
    const DuplexPlacement p(g, kLetter, DuplexMode::LongEdge);
    EXPECT_EQ(p.BackRect(2, 0, false), g.CardRect(2, 1, false));
    EXPECT_EQ(p.BackRect(2, 1, false), g.CardRect(2, 0, false));
}

TEST(DuplexPlacement, RotatedCardsOnTheLandscapePage)
{
    const SheetGeometry g(UnequalMargins());
    const DuplexPlacement longEdge(g, kLetter, DuplexMode::LongEdge);
    // The landscape page is 11 x 8.5. The front of the first card stands at (0.5, 8.5 - 4.0 = 4.5); turned
    // over the page's long (horizontal) edge, its back stands at y = 8.5 - 4.5 - 3.5 = 0.5.
    ExpectRect(g.CardRect(0, 0, true, 8.5), 0.5, 4.5, 2.0, 3.5);
    ExpectRect(longEdge.BackRect(0, 0, true), 0.5, 0.5, 2.0, 3.5);
    ExpectRect(longEdge.BackRect(1, 1, true), 2.5, 4.1, 2.0, 3.5);
    // Turned over the short (upright) edge: x = 11 - 0.5 - 2 = 8.5, y as the front.
    const DuplexPlacement shortEdge(g, kLetter, DuplexMode::ShortEdge);
    ExpectRect(shortEdge.BackRect(0, 0, true), 8.5, 4.5, 2.0, 3.5);
}

TEST(DuplexPlacement, CalibrationMovesBothPagesAndTheBackOffsetOnlyTheBack)
{
    PrintNudges nudges;
    nudges.ScaleX = 10100;  // 101 %
    nudges.OffsetX = 10;    // 1 mm right
    nudges.OffsetY = -20;   // 2 mm up
    nudges.BackOffsetX = -5; // the back 0.5 mm left
    nudges.BackOffsetY = 3;  // and 0.3 mm down
    const SheetGeometry g(UnequalMargins(), nudges);
    const DuplexPlacement p(g, kLetter, DuplexMode::LongEdge);
    // x: 4.5 x 1.01 + (1 - 0.5) / 25.4 = 4.564685; y: 0.5 + (-2 + 0.3) / 25.4 = 0.433071.
    ExpectRect(p.BackRect(0, 0, false), 4.564685, 0.433071, 3.5, 2.0);
    // The front keeps no back offset: 0.5 x 1.01 + 1 / 25.4 = 0.544370.
    ExpectRect(g.CardRect(0, 0, false), 0.544370, 0.5 - 2 / 25.4, 3.5, 2.0);
    // The 1/32-inch left margin nudge moves the card on the sheet, so its back moves the other way.
    PrintNudges left;
    left.LeftMargin = 2;
    const SheetGeometry nudgedSheet(UnequalMargins(), left);
    const DuplexPlacement nudged(nudgedSheet, kLetter, DuplexMode::LongEdge);
    ExpectRect(nudged.BackRect(0, 0, false), 4.5 - 0.0625, 0.5, 3.5, 2.0);
}

TEST(DuplexPlacement, BacksTurnAHalfTurnWhenTheSheetTurnsAboutTheCardsHorizontalAxis)
{
    const SheetGeometry g{CardSheetLayout()};
    EXPECT_FALSE(DuplexPlacement(g, kLetter, DuplexMode::LongEdge).BackTurned(false));
    EXPECT_TRUE(DuplexPlacement(g, kLetter, DuplexMode::ShortEdge).BackTurned(false));
    EXPECT_TRUE(DuplexPlacement(g, kLetter, DuplexMode::LongEdge).BackTurned(true));
    EXPECT_FALSE(DuplexPlacement(g, kLetter, DuplexMode::ShortEdge).BackTurned(true));
    EXPECT_FALSE(DuplexPlacement(g, kLetter, DuplexMode::Manual).BackTurned(false));
}

TEST(DuplexPlacement, ManualBacksComeLastSheetFirstAndModesReadByName)
{
    EXPECT_EQ(DuplexPlacement::BackPageOrder(DuplexMode::Manual, 3), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(DuplexPlacement::BackPageOrder(DuplexMode::LongEdge, 3), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(DuplexPlacement::BackPageOrder(DuplexMode::Manual, 0).empty());
    DuplexMode mode = DuplexMode::None;
    EXPECT_TRUE(ParseDuplexMode(QStringLiteral("Short"), &mode));
    EXPECT_EQ(mode, DuplexMode::ShortEdge);
    EXPECT_TRUE(ParseDuplexMode(QStringLiteral("manual"), &mode));
    EXPECT_EQ(mode, DuplexMode::Manual);
    EXPECT_FALSE(ParseDuplexMode(QStringLiteral("sideways"), &mode));
    EXPECT_EQ(mode, DuplexMode::Manual);
    EXPECT_TRUE(DuplexPlacement::TurnStackMessage(4).contains(QStringLiteral("4 sheets")));
}

} // namespace
