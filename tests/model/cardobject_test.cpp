// SPDX-License-Identifier: GPL-3.0-or-later
// Card object base: scaling, locking, selectability, centring and the bounds check.
#include "model/cardmodel.h"
#include "model/cardobjects.h"
#include "model/cardrender.h"
#include "stream/streamreader.h"
#include "stream/streamwriter.h"
#include "objects/shapes/basicshape.h"
#include "objects/shapes/line.h"
#include "objects/text/labellayout.h"
#include "objects/text/textlabel.h"
#include "testutil.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <climits>

using namespace qm;

TEST(GraphicControl, ChangesReachTheCardOnlyWhenSomethingChanged)
{
    qmtest::TestHost host;
    TKCardObjects& objects = host.card.Objects();
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

    // Taken off the card, an object tells no one of its changes.
    line->SetComponentState(0);
    std::unique_ptr<TKGraphicControl> taken = objects.Take(line);
    line->SetLocked(true);
    EXPECT_EQ(host.changes, quiet);
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

// Damaged or hostile files hold values at the very ends of the int range. They are kept as stored, so a file
// writes back unchanged, but everything that computes with them sees values no card comes near the limit
// of, so nothing wraps round (the sanitizer build stops on the first overflow).
TEST(GraphicControl, ValuesAtTheEndsOfTheIntRangeAreKeptButNeverOverflow)
{
    constexpr int kMax = TKGraphicControl::kMaxCoordinate;
    TKLineShape far;
    far.SetBounds(INT_MAX, INT_MIN, INT_MAX, INT_MIN);
    far.Pen().SetWidth(INT_MAX);
    EXPECT_EQ(far.BoundsRect(), QRect(kMax, -kMax, kMax, -kMax));
    const QByteArray bytes = WriteObjectsToBytes({&far});
    TKCardObjects read;
    ASSERT_TRUE(ReadObjectsFromBytes(read, bytes).ok);
    const std::vector<TKGraphicControl*> once = read.Objects();
    const QByteArray again = WriteObjectsToBytes({once.begin(), once.end()});
    // The object is renamed on reading; from its Left on it is written back byte for byte.
    ASSERT_GT(bytes.indexOf("\x04Left\x04\xff\xff\xff\x7f"), 0);
    EXPECT_EQ(again.mid(again.indexOf("\x04Left")), bytes.mid(bytes.indexOf("\x04Left")));
    // Pasting moves by 15 from where the object is seen, not round to the other end.
    TKCardObjects pasted;
    ASSERT_TRUE(ReadObjectsFromBytes(pasted, bytes, 15).ok);
    EXPECT_EQ(pasted.At(0)->Left(), kMax);
    EXPECT_EQ(pasted.At(0)->Top(), -kMax + 15);

    // Font sizes: -INT_MIN has no int.
    TKFont font;
    font.SetHeight(INT_MIN);
    EXPECT_GT(font.Size(), 0);
    font.SetSize(-1610612736); // 96/72 of it is INT_MIN
    EXPECT_EQ(font.Height(), INT_MAX);

    // Label layout: a 17-pixel text with the deepest shadow below and the deepest highlight to the left.
    LabelLayoutInput in;
    in.box = QSize(100, 30);
    in.metrics = {40, 17};
    in.shadowOffset = QPoint(0, INT_MAX);
    in.highlightOffset = QPoint(INT_MIN, 0);
    const TLabelLayout out = LayOutLabel(in);
    EXPECT_GT(out.rowExtent, 17);
    EXPECT_GE(out.box.height(), out.rowExtent);
    EXPECT_GT(out.margin.x(), 0);

    // The whole card drawn as a picture and on paper: a label with the tallest font and deepest effects,
    // a line and an outline with the widest pens either way.
    CardModel card;
    card.SetSize(QSize(336, 192));
    auto* label = static_cast<TKPLabel*>(card.Objects().Add(std::make_unique<TKPLabel>()));
    label->SetBounds(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    label->Font().SetHeight(INT_MIN);
    label->SetDepthShadow(INT_MIN);
    label->SetDirectionShadow(sdDownLeft);
    label->SetDepthHighlight(INT_MAX);
    card.Objects().Add(std::make_unique<TKLineShape>())->SetBounds(0, 0, 40, 40);
    static_cast<TKLineShape*>(card.Objects().At(1))->Pen().SetWidth(INT_MAX);
    auto* shape = static_cast<TKLabelShapes*>(card.Objects().Add(std::make_unique<TKLabelShapes>()));
    shape->SetBounds(10, 10, 50, 50);
    shape->Pen().SetWidth(INT_MIN);
    card.LayOutObjects();
    for (const auto target : {RenderContext::Picture, RenderContext::Paper}) {
        QImage image(48, 32, QImage::Format_RGB32);
        QPainter painter(&image);
        RenderContext context;
        context.target = target;
        DrawCard(painter, card, context);
    }
    const std::vector<TKGraphicControl*> all = card.Objects().Objects();
    TKCardObjects back;
    ASSERT_TRUE(ReadObjectsFromBytes(back, WriteObjectsToBytes({all.begin(), all.end()})).ok);
    EXPECT_EQ(static_cast<TKPLabel*>(back.At(0))->DepthShadow(), INT_MIN);
    EXPECT_EQ(static_cast<TKPLabel*>(back.At(0))->Font().Height(), INT_MIN);
}
