// Card object base: scaling, locking, selectability, centring and the bounds check.
#include "model/cardobjects.h"
#include "objects/shapes/line.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(GraphicControl, SetScaleRoundsHalvesToEvenAndRoundTripsWithinAPixel)
{
    TKLineShape line;
    line.SetBounds(5, 7, 25, 33);
    line.SetScale(1.0f);
    EXPECT_EQ(line.BoundsRect(), QRect(5, 7, 25, 33));
    line.SetScale(1.5f);
    // 7.5 -> 8, 10.5 -> 10, 37.5 -> 38, 49.5 -> 50 (ties to even)
    EXPECT_EQ(line.BoundsRect(), QRect(8, 10, 38, 50));
    line.SetScale(1.0f);
    const QRect back = line.BoundsRect();
    EXPECT_LE(std::abs(back.left() - 5), 1);
    EXPECT_LE(std::abs(back.top() - 7), 1);
    EXPECT_LE(std::abs(back.width() - 25), 1);
    EXPECT_LE(std::abs(back.height() - 33), 1);
    EXPECT_FLOAT_EQ(line.Scale(), 1.0f);
}

TEST(GraphicControl, ChangesReachThePanelOnlyWhenSomethingChanged)
{
    qmtest::TestHost host;
    TKCardObjects objects(&host);
    auto* line = static_cast<TKLineShape*>(objects.Add(std::make_unique<TKLineShape>()));
    line->SetBounds(10, 10, 20, 20); // the first bounds check only remembers the bounds
    const int before = host.changes;
    line->SetLocked(false);
    EXPECT_EQ(host.changes, before);
    line->SetLocked(true);
    EXPECT_EQ(host.changes, before + 1);
    line->SetBounds(12, 10, 20, 20);
    EXPECT_EQ(host.changes, before + 2);
    EXPECT_GE(host.frameRecomputes, 1);

    line->SetUnselectable(true);
    ASSERT_EQ(host.deselected.size(), 1u);
    EXPECT_EQ(host.deselected[0], line);
    line->SetUnselectable(false);
    EXPECT_EQ(host.deselected.size(), 1u);

    // While being read, setters only store.
    line->SetComponentState(csReading);
    const int quiet = host.changes;
    line->SetLocked(false);
    line->SetUnselectable(true);
    line->SetBounds(1, 1, 5, 5);
    EXPECT_EQ(host.changes, quiet);
    EXPECT_EQ(host.deselected.size(), 1u);
}

TEST(GraphicControl, CentringUsesIntegerHalvesAndNeedsAPanel)
{
    TKLineShape loose;
    loose.SetBounds(3, 4, 400, 50);
    loose.CenterHorizontally();
    EXPECT_EQ(loose.Left(), 3);

    qmtest::TestHost host; // 336 x 192
    TKCardObjects objects(&host);
    TKGraphicControl* wide = objects.Add(std::make_unique<TKLineShape>());
    wide->SetBounds(3, 4, 401, 51);
    wide->CenterHorizontally();
    wide->CenterVertically();
    EXPECT_EQ(wide->Left(), 168 - 200); // wider than the panel: negative
    EXPECT_EQ(wide->Top(), 96 - 25);
}

TEST(GraphicControl, ZOrderAndNames)
{
    TKCardObjects objects;
    for (int i = 0; i < 3; ++i) {
        auto line = std::make_unique<TKLineShape>();
        line->SetName(QStringLiteral("Special%1").arg(i + 1));
        objects.Add(std::move(line));
    }
    TKGraphicControl* first = objects.At(0);
    objects.BringToFront(first);
    EXPECT_EQ(objects.IndexOf(first), 2);
    objects.SendToBack(first);
    EXPECT_EQ(objects.IndexOf(first), 0);
    EXPECT_EQ(objects.FirstFreeName(QStringLiteral("Special"), 1), QStringLiteral("Special4"));
    objects.Delete(objects.FindByName(QStringLiteral("special2")));
    EXPECT_EQ(objects.FirstFreeName(QStringLiteral("Special"), 1), QStringLiteral("Special2"));
}

TEST(GraphicControl, BlankTrimmingTouchesSpacesOnly)
{
    EXPECT_EQ(TKGraphicControl::TrimBlanks(QStringLiteral("  a b\t ")), QStringLiteral("a b\t"));
    EXPECT_EQ(TKGraphicControl::TrimLeftBlanks(QStringLiteral("  x ")), QStringLiteral("x "));
    EXPECT_EQ(TKGraphicControl::TrimRightBlanks(QStringLiteral("   ")), QString());
}
