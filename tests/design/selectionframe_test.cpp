// SPDX-License-Identifier: GPL-3.0-or-later
// Selection frame: frame geometry, grips, drags with snapping and clamping, quick clicks, locks and nudges.
#include "design/selectionframe.h"
#include "model/cardobjects.h"
#include "objects/shapes/line.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {
class FakePanel : public HandleHost
{
public:
    TKCardObjects objects;
    bool pointing = true;
    TKCursorShape cursor = TKCursorShape::Default;
    int objectMenus = 0, panelMenus = 0, forwardedPresses = 0;

    int PanelWidth() const override { return 336; }
    int PanelHeight() const override { return 192; }
    bool Pointing() const override { return pointing; }
    TKCardObjects& Objects() override { return objects; }
    void SetCursorShape(TKCursorShape shape) override { cursor = shape; }
    void InvalidatePanel() override {}
    void PopupObjectMenu(TKGraphicControl*, QPoint) override { ++objectMenus; }
    void PopupPanelMenu(QPoint) override { ++panelMenus; }
    void FrameMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) override {}
    void FrameMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) override {}
    void FrameDoubleClick(QPoint) override {}
    void FrameKeyDown(int, Qt::KeyboardModifiers) override {}
    void ForwardPress(QPoint, Qt::MouseButton, QPoint) override { ++forwardedPresses; }
    void ForwardRelease(QPoint, Qt::MouseButton) override {}

    TKGraphicControl* Add(int l, int t, int w, int h)
    {
        TKGraphicControl* o = objects.Add(std::make_unique<TKLineShape>());
        o->SetBounds(l, t, w, h);
        return o;
    }
};

// A press, a move after the drag start delay and a release: frame-local points.
void Drag(TKHandle& frame, QPoint from, QPoint to, qint64 releaseAt = 500)
{
    frame.MousePress(from, Qt::LeftButton, Qt::NoModifier, {}, 1000);
    frame.MouseMove(to, Qt::LeftButton, 1020);
    frame.MouseRelease(to, Qt::LeftButton, Qt::NoModifier, 1000 + releaseAt);
}
} // namespace

TEST(SelectionFrame, FrameLiesAroundTheSelection)
{
    FakePanel panel;
    TKHandle frame(panel);
    TKGraphicControl* a = panel.Add(10, 20, 30, 40);
    TKGraphicControl* b = panel.Add(100, 5, 10, 10);
    frame.Select(a, 1);
    EXPECT_EQ(frame.Bounds(), QRect(8, 18, 35, 45));
    EXPECT_TRUE(frame.Visible());
    frame.Select(b, 2);
    EXPECT_EQ(frame.Bounds(), QRect(8, 3, 105, 60)); // union of both grown boxes
    frame.Select(b, 3);
    EXPECT_EQ(frame.Count(), 2);
    frame.Deselect(a);
    EXPECT_EQ(frame.Bounds(), QRect(98, 3, 15, 15));
    frame.RecomputeFrame();
    EXPECT_EQ(frame.Bounds(), QRect(98, 3, 16, 16));
    frame.SetLocked(true);
    frame.Deselect(b);
    EXPECT_FALSE(frame.Visible());
    EXPECT_FALSE(frame.Locked());
    EXPECT_EQ(frame.Item(0), nullptr);

    b->SetUnselectable(true);
    frame.Select(b, 4);
    EXPECT_EQ(frame.Count(), 0);
}

TEST(SelectionFrame, GripZonesFollowTheirTestOrderAndNeedASingleObject)
{
    FakePanel panel;
    TKHandle frame(panel);
    frame.Select(panel.Add(10, 10, 100, 50), 1); // frame 105 x 55
    EXPECT_EQ(frame.ZoneAt({0, 0}), 1);
    EXPECT_EQ(frame.ZoneAt({105, 55}), 4);
    EXPECT_EQ(frame.ZoneAt({104, 2}), 2);
    EXPECT_EQ(frame.ZoneAt({3, 53}), 3);
    EXPECT_EQ(frame.ZoneAt({52, 1}), 5);
    EXPECT_EQ(frame.ZoneAt({47, 1}), 5); // 52.5 - 47 = 5.5 < 6: the half pixel counts
    EXPECT_EQ(frame.ZoneAt({46, 1}), 0);
    EXPECT_EQ(frame.ZoneAt({52, 54}), 7);
    EXPECT_EQ(frame.ZoneAt({1, 27}), 6);
    EXPECT_EQ(frame.ZoneAt({105, 30}), 8);
    EXPECT_EQ(frame.ZoneAt({50, 25}), 0);
    frame.Select(panel.Add(200, 100, 10, 10), 2);
    EXPECT_EQ(frame.ZoneAt({0, 0}), 0);
}

TEST(SelectionFrame, SnappedMovesLandTwoPixelsPastAGridLine)
{
    FakePanel panel;
    TKHandle frame(panel);
    frame.SetGridX(8);
    frame.SetGridY(8);
    frame.SetSnapToGrid(true);
    TKGraphicControl* o = panel.Add(10, 10, 20, 20);
    frame.Select(o, 1);
    Drag(frame, {5, 5}, {18, 30});
    EXPECT_EQ(o->Left(), 18);  // frame left Snap(8 + 13) = 16
    EXPECT_EQ(o->Top(), 34);   // frame top Snap(8 + 25) = 32
    EXPECT_EQ(o->Width(), 20);
    frame.SetSnapToGrid(false);
    EXPECT_EQ(frame.GridX(), 1);
}

TEST(SelectionFrame, QuickClickMovesNothingAndDragsStopAtThePanelEdges)
{
    FakePanel panel;
    TKHandle frame(panel);
    TKGraphicControl* o = panel.Add(50, 50, 20, 20);
    frame.Select(o, 1);
    Drag(frame, {5, 5}, {40, 40}, 100); // released 100 ms after the press
    EXPECT_EQ(o->BoundsRect(), QRect(50, 50, 20, 20));

    Drag(frame, {5, 5}, {-500, -500});
    EXPECT_EQ(frame.Bounds().topLeft(), QPoint(0, 0));
    EXPECT_EQ(o->Left(), 2);
    EXPECT_EQ(o->Top(), 2);

    // Past the right edge the mouse point stops at the panel's edge.
    Drag(frame, {5, 5}, {1000, 5});
    EXPECT_EQ(frame.Bounds().left(), 336 - 5);
}

TEST(SelectionFrame, GripDragsResizeButNeverBelowFivePixels)
{
    FakePanel panel;
    TKHandle frame(panel);
    TKGraphicControl* o = panel.Add(50, 50, 40, 30); // frame (48, 48, 45, 35)
    frame.Select(o, 1);
    frame.MouseMove({45, 35}, Qt::NoButton, 900); // over the bottom-right grip
    EXPECT_EQ(frame.Zone(), 4);
    EXPECT_EQ(panel.cursor, TKCursorShape::SizeNWSE);
    Drag(frame, {45, 35}, {55, 40});
    EXPECT_EQ(o->BoundsRect(), QRect(50, 50, 49, 34)); // width 45 + 10 - 1 = 54 -> object 40 + 9
    frame.MouseMove({0, 0}, Qt::NoButton, 2000);
    EXPECT_EQ(frame.Zone(), 1);
    Drag(frame, {0, 0}, {200, 200});
    EXPECT_EQ(frame.Bounds().width(), 5);
    EXPECT_EQ(frame.Bounds().height(), 5);

    // The top-right grip moves the top and the right edge; the left and the bottom stay.
    TKGraphicControl* p = panel.Add(150, 100, 40, 30); // frame (148, 98, 45, 35)
    frame.ClearSelection();
    frame.Select(p, 2);
    frame.MouseMove({45, 0}, Qt::NoButton, 3000);
    EXPECT_EQ(frame.Zone(), 2);
    EXPECT_EQ(panel.cursor, TKCursorShape::SizeNESW);
    Drag(frame, {45, 0}, {55, -10});
    EXPECT_EQ(p->BoundsRect(), QRect(150, 90, 49, 40));
}

TEST(SelectionFrame, NoGripDragLeavesAnObjectWithoutSize)
{
    // The bottom-right grip of a 40 x 40 object dragged far past its top-left corner, with the frame as the
    // selection built it and as the panel rebuilds it after a change.
    for (bool rebuilt : {false, true}) {
        FakePanel panel;
        TKHandle frame(panel);
        TKGraphicControl* o = panel.Add(100, 100, 40, 40);
        frame.Select(o, 1);
        if (rebuilt)
            frame.RecomputeFrame();
        const QPoint grip(frame.Bounds().width(), frame.Bounds().height());
        frame.MouseMove(grip, Qt::NoButton, 900);
        ASSERT_EQ(frame.Zone(), 4);
        Drag(frame, grip, {-60, -60});
        EXPECT_EQ(o->BoundsRect(), QRect(100, 100, 1, 1)) << rebuilt;
        // The top-left grip dragged past the bottom-right corner.
        frame.ClearSelection();
        o->SetBounds(100, 100, 40, 40);
        frame.Select(o, 3000);
        if (rebuilt)
            frame.RecomputeFrame();
        frame.MouseMove({0, 0}, Qt::NoButton, 3900);
        ASSERT_EQ(frame.Zone(), 1);
        Drag(frame, {0, 0}, {80, 80}, 4500);
        EXPECT_GE(o->Width(), 1) << rebuilt;
        EXPECT_GE(o->Height(), 1) << rebuilt;
        // The frame still lies around the object.
        EXPECT_TRUE(frame.Bounds().contains(o->BoundsRect())) << rebuilt;
    }
}

TEST(SelectionFrame, LockedObjectsStayWhileTheOthersMove)
{
    FakePanel panel;
    TKHandle frame(panel);
    TKGraphicControl* a = panel.Add(10, 10, 20, 20);
    TKGraphicControl* b = panel.Add(60, 10, 20, 20);
    b->SetLocked(true);
    frame.Select(a, 1);
    frame.Select(b, 2);
    frame.MouseMove({0, 0}, Qt::NoButton, 900);
    EXPECT_EQ(frame.Zone(), 0); // no grips with two objects
    Drag(frame, {0, 0}, {10, 20});
    EXPECT_EQ(a->BoundsRect(), QRect(20, 30, 20, 20));
    EXPECT_EQ(b->BoundsRect(), QRect(60, 10, 20, 20));
}

TEST(SelectionFrame, RightClicksAndDrawingModePresses)
{
    FakePanel panel;
    TKHandle frame(panel);
    TKGraphicControl* a = panel.Add(10, 10, 20, 20);
    frame.Select(a, 1);
    frame.MousePress({5, 5}, Qt::RightButton, Qt::NoModifier, {}, 10);
    EXPECT_EQ(panel.objectMenus, 1);
    frame.Select(panel.Add(40, 10, 5, 5), 2);
    frame.Select(panel.Add(50, 10, 5, 5), 3);
    frame.MousePress({5, 5}, Qt::RightButton, Qt::NoModifier, {}, 20);
    EXPECT_EQ(panel.panelMenus, 1);
    panel.pointing = false;
    frame.MousePress({5, 5}, Qt::LeftButton, Qt::NoModifier, {}, 30);
    EXPECT_EQ(panel.forwardedPresses, 1);
    EXPECT_FALSE(frame.Dragging());
}

TEST(SelectionFrame, ArrowKeysNudgeOnKeyUp)
{
    FakePanel panel;
    TKHandle frame(panel);
    TKGraphicControl* o = panel.Add(20, 20, 11, 30);
    frame.Select(o, 1);
    frame.KeyDown(Qt::Key_Right, Qt::NoModifier);
    frame.KeyDown(Qt::Key_Right, Qt::NoModifier);
    frame.KeyDown(Qt::Key_Up, Qt::NoModifier);
    EXPECT_EQ(o->Left(), 20); // applied on key up
    frame.KeyUp();
    EXPECT_EQ(o->BoundsRect(), QRect(22, 19, 11, 30));

    frame.KeyDown(Qt::Key_Left, Qt::ShiftModifier);
    frame.KeyUp();
    EXPECT_EQ(o->Width(), 10);
    // Ten pixels is as small as the keys make it, one press at a time, a held key, or after the panel
    // rebuilt the frame around the object.
    frame.KeyDown(Qt::Key_Left, Qt::ShiftModifier);
    frame.KeyUp();
    EXPECT_EQ(o->Width(), 10);
    frame.RecomputeFrame();
    for (int i = 0; i < 3; ++i)
        frame.KeyDown(Qt::Key_Left, Qt::ShiftModifier);
    frame.KeyUp();
    EXPECT_EQ(o->Width(), 10);
    o->SetBounds(22, 19, 11, 11);
    frame.RecomputeFrame();
    for (int i = 0; i < 3; ++i)
        frame.KeyDown(Qt::Key_Up, Qt::ShiftModifier);
    frame.KeyUp();
    EXPECT_EQ(o->BoundsRect(), QRect(22, 19, 11, 10));
    frame.KeyDown(Qt::Key_Right, Qt::ShiftModifier);
    frame.KeyUp();
    EXPECT_EQ(o->Width(), 12);

    TKGraphicControl* edge = panel.Add(0, 0, 10, 10);
    frame.ClearSelection();
    frame.Select(edge, 2);
    frame.KeyDown(Qt::Key_Left, Qt::NoModifier);
    frame.KeyUp();
    EXPECT_EQ(edge->Left(), 0);

    // At the right edge: one pixel short of it the object still moves, flush with it it stays.
    TKGraphicControl* right = panel.Add(325, 50, 10, 10);
    frame.ClearSelection();
    frame.Select(right, 3);
    frame.KeyDown(Qt::Key_Right, Qt::NoModifier);
    frame.KeyUp();
    EXPECT_EQ(right->Left(), 326);
    frame.KeyDown(Qt::Key_Right, Qt::NoModifier);
    frame.KeyUp();
    EXPECT_EQ(right->BoundsRect(), QRect(326, 50, 10, 10));
}
