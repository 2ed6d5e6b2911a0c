// SPDX-License-Identifier: GPL-3.0-or-later
// The position and size panel in the main window: its View menu switch, remembered between starts, the
// layout's unit, and its boxes keeping the keys the window otherwise takes for zoom and scrolling.
#include "app/carddocument.h"
#include "app/mainwindow_ui.h"
#include "design/cardpanel.h"
#include "design/designpanel_ui.h"
#include "design/positionpanel_ui.h"
#include "objects/shapes/cardshape.h"

#include <QAction>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "quietprompts.h"

using namespace qm;

namespace {

using qmtest::QuietPrompts;

class PositionDockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
    }
    void TearDown() override
    {
        window.reset();
        qputenv("QUILLMARK_HOME", oldHome);
    }
    TMainScreen& Start()
    {
        window = std::make_unique<TMainScreen>(&prompts);
        window->Start();
        return *window;
    }
    // The View menu's switch of the panel.
    QAction* Switch() const
    {
        for (QAction* menu : window->menuBar()->actions()) {
            if (menu->text() != QStringLiteral("&View"))
                continue;
            for (QAction* action : menu->menu()->actions()) {
                if (action->objectName() == QStringLiteral("mnuPositionAndSize"))
                    return action;
            }
        }
        return nullptr;
    }
    QDockWidget* Dock() const { return window->findChild<QDockWidget*>(QStringLiteral("PositionDock")); }

    QTemporaryDir home;
    QByteArray oldHome;
    QuietPrompts prompts;
    std::unique_ptr<TMainScreen> window;
};

} // namespace

TEST_F(PositionDockTest, TheViewMenuShowsItAndTheNextStartRemembers)
{
    TMainScreen& w = Start();
    QStringList menus;
    for (QAction* menu : w.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Insert", "&Help"}));
    QAction* toggle = Switch();
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->text(), QStringLiteral("&Position and Size"));
    // Hidden the first time, so that the window keeps the size it had.
    EXPECT_FALSE(Dock()->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(Dock()->isVisible());
    ASSERT_TRUE(w.close());

    TMainScreen& again = Start();
    EXPECT_TRUE(Dock()->isVisible());
    EXPECT_TRUE(Switch()->isChecked());
    Switch()->trigger();
    EXPECT_FALSE(Dock()->isVisible());
    ASSERT_TRUE(again.close());
    Start();
    EXPECT_FALSE(Dock()->isVisible());
}

TEST_F(PositionDockTest, BoxesFollowTheLayoutsUnitAndKeepTheirKeys)
{
    TMainScreen& w = Start();
    Switch()->trigger();
    auto shape = std::make_unique<TBCShapes>();
    shape->Loaded();
    TKGraphicControl* box = w.Panel().PlaceObject(std::move(shape), QRect(48, 24, 96, 48));
    w.Panel().Select(box);
    TPositionPanel* panel = w.PositionPanel();
    QDoubleSpinBox* x = panel->Field(TBoxField::X);
    EXPECT_EQ(x->text(), QStringLiteral("0.500 in"));

    CardSheetLayout layout = w.Document().Layout();
    layout.UseMM = true;
    w.Document().ApplyLayout(layout);
    EXPECT_EQ(x->text(), QStringLiteral("12.70 mm"));

    // Minus, Home and End reach the box instead of zooming or scrolling the card.
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, QStringLiteral("-5"));
    QTest::keyClick(x, Qt::Key_Home);
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(w.Document().ZoomCaption(), QStringLiteral("100%"));
    EXPECT_EQ(box->Left(), -19); // -5 mm
    EXPECT_EQ(w.Document().UndoText(), QStringLiteral("Undo Move"));
    // Undo puts the box back and the panel shows it (the selection goes with the undo).
    w.mnuUndo->trigger();
    ASSERT_EQ(w.Panel().CardObjects().Count(), 1);
    EXPECT_EQ(w.Panel().CardObjects().At(0)->Left(), 48);
    EXPECT_FALSE(x->isEnabled());
    // Escape gives the keyboard back to the card.
    w.Panel().Select(w.Panel().CardObjects().At(0));
    x->setFocus();
    QTest::keyClick(x, Qt::Key_Escape);
    EXPECT_EQ(w.focusWidget(), &w.PanelWidget());
}
