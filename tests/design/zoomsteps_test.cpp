// SPDX-License-Identifier: GPL-3.0-or-later
// The design window's zoom steps and fitting the card to the window.
#include "design/zoomsteps.h"

#include <QList>

#include <gtest/gtest.h>

using namespace qm;

TEST(ZoomSteps, TheArrowsRunThroughTheOldStepsThenTheLargeOnes)
{
    QList<int> up{100};
    while (ZoomStepAbove(up.last()) != up.last())
        up << ZoomStepAbove(up.last());
    EXPECT_EQ(up, QList<int>({100, 110, 120, 130, 140, 150, 200, 300, 400}));
    QList<int> down{400};
    while (ZoomStepBelow(down.last()) != down.last())
        down << ZoomStepBelow(down.last());
    EXPECT_EQ(down, QList<int>({400, 300, 200, 150, 140, 130, 120, 110, 100}));
    // From a fitted zoom between the steps, to the neighbouring steps.
    EXPECT_EQ(ZoomStepAbove(173), 200);
    EXPECT_EQ(ZoomStepBelow(173), 150);
    EXPECT_EQ(ZoomStepAbove(75), 100);
    EXPECT_EQ(ZoomStepBelow(75), 75); // nothing smaller to step to
}

TEST(ZoomSteps, FittingTakesTheTighterSideAndStaysInRange)
{
    const QSize card(336, 192);
    EXPECT_EQ(FitZoomPercent(card, QSize(1008, 576)), 300); // exactly three times
    EXPECT_EQ(FitZoomPercent(card, QSize(1007, 576)), 299); // a pixel short across
    EXPECT_EQ(FitZoomPercent(card, QSize(2000, 384)), 200); // the height decides
    EXPECT_EQ(FitZoomPercent(QSize(192, 336), QSize(1000, 672)), 200); // a standing card
    EXPECT_EQ(FitZoomPercent(card, QSize(5000, 5000)), 400);
    EXPECT_EQ(FitZoomPercent(card, QSize(100, 60)), 50);
    EXPECT_EQ(FitZoomPercent(card, QSize(252, 144)), 75);
    EXPECT_EQ(FitZoomPercent(card, QSize()), 100);
    EXPECT_EQ(FitZoomPercent(QSize(), QSize(800, 600)), 100);
}
