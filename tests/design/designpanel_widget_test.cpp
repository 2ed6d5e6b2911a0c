// SPDX-License-Identifier: GPL-3.0-or-later
// Design panel widget: Qt mouse and key input reaching the panel, size, and what the widget paints.
#include "design/designpanel_ui.h"
#include "objects/shapes/line.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

using namespace qm;

namespace {

struct WidgetFixture
{
    BasePanelWidget widget;
    qint64 now = 1000;
    TKGraphicControl* a = nullptr;

    WidgetFixture()
    {
        widget.SetClock([this] { return now; });
        auto line = std::make_unique<TKLineShape>();
        a = line.get();
        widget.Panel().CardObjects().Add(std::move(line));
        a->Loaded();
        a->SetBounds(50, 50, 40, 30);
        widget.show();
        widget.activateWindow();
        widget.setFocus();
    }
    TKBasePanel& Panel() { return widget.Panel(); }
    // Qt input with the test clock moved on first.
    void Press(QPoint p, qint64 dt, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        now += dt;
        QTest::mousePress(&widget, Qt::LeftButton, mods, p);
    }
    void Move(QPoint p, qint64 dt)
    {
        now += dt;
        QTest::mouseMove(&widget, p);
    }
    void Release(QPoint p, qint64 dt, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        now += dt;
        QTest::mouseRelease(&widget, Qt::LeftButton, mods, p);
    }
};

} // namespace

TEST(DesignPanelWidget, TakesThePanelSizeAndFollowsTheZoom)
{
    WidgetFixture f;
    EXPECT_EQ(f.widget.size(), QSize(336, 192));
    f.Panel().SetZoom(1.5f);
    EXPECT_EQ(f.widget.size(), QSize(504, 288));
    EXPECT_EQ(f.widget.focusPolicy(), Qt::StrongFocus);
}

TEST(DesignPanelWidget, AtAZoomTheMouseWorksInCardUnits)
{
    WidgetFixture f;
    f.Panel().SetZoom(1.5f);
    // The object at (50, 50) on the card lies at (75, 75) on screen: a click there selects it.
    f.Press({80, 80}, 0);
    f.Release({80, 80}, 40);
    ASSERT_EQ(f.Panel().Frame().Selection(), std::vector<TKGraphicControl*>({f.a}));
    // A drag of 30 screen pixels moves it 20 card units; its size stays.
    f.Press({80, 80}, 1000);
    f.Move({81, 81}, 20);
    f.Move({110, 95}, 20);
    f.Release({110, 95}, 200);
    EXPECT_EQ(f.a->BoundsRect(), QRect(70, 60, 40, 30));
}

TEST(DesignPanelWidget, ClickSelectsAndADragSnapsTwoPixelsPastAGridLine)
{
    WidgetFixture f;
    f.Panel().SetSnapToGrid(true); // 4 x 4
    f.Press({60, 60}, 0);
    f.Release({60, 60}, 40);
    EXPECT_EQ(f.Panel().Frame().Selection(), std::vector<TKGraphicControl*>({f.a}));
    EXPECT_EQ(f.a->BoundsRect(), QRect(50, 50, 40, 30));

    f.Press({60, 60}, 1000);
    f.Move({61, 61}, 20);
    f.Move({71, 67}, 20);
    EXPECT_FALSE(f.Panel().Frame().BandRect().isNull()); // the band follows the mouse
    f.Release({71, 67}, 200);
    // The frame lands on 56, 52; the object lies 2 pixels inside it.
    EXPECT_EQ(f.a->BoundsRect(), QRect(58, 54, 40, 30));
    EXPECT_TRUE(f.Panel().Frame().BandRect().isNull());
}

TEST(DesignPanelWidget, RubberBandSelectsAndDeleteKeyRemoves)
{
    WidgetFixture f;
    f.Press({10, 10}, 0);
    f.Move({40, 40}, 30);
    EXPECT_TRUE(f.Panel().RubberBandActive());
    f.Move({55, 55}, 30);
    f.Release({55, 55}, 30);
    EXPECT_FALSE(f.Panel().RubberBandActive());
    ASSERT_EQ(f.Panel().Frame().Count(), 1);

    QTest::keyClick(&f.widget, Qt::Key_Delete);
    EXPECT_EQ(f.Panel().CardObjects().Count(), 0);
}

TEST(DesignPanelWidget, CtrlCAndCtrlVPasteACopyBesideTheOriginal)
{
    WidgetFixture f;
    f.Press({60, 60}, 0);
    f.Release({60, 60}, 40);
    QTest::keyClick(&f.widget, Qt::Key_C, Qt::ControlModifier);
    f.now += 2000;
    QTest::keyClick(&f.widget, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&f.widget, Qt::Key_V, Qt::ControlModifier); // the same millisecond: ignored
    ASSERT_EQ(f.Panel().CardObjects().Count(), 2);
    EXPECT_EQ(f.Panel().CardObjects().At(1)->BoundsRect(), QRect(65, 65, 40, 30));
}

TEST(DesignPanelWidget, PaintsTheCardAndTheSelectionMarkers)
{
    WidgetFixture f;
    f.Panel().SetShowGrid(true);
    f.Panel().SetShape(lsRectangle);
    f.Panel().Select(f.a);
    const QImage image = f.widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(336, 192));
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(48, 48), qRgb(0, 0, 0)); // the top-left marker
}
