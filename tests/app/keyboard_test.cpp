// SPDX-License-Identifier: GPL-3.0-or-later
// The design window by keyboard alone and as a screen reader reads it: placing, stepping to, sizing and
// opening an object with keys only, and the accessible tree of the card and of the window's controls.
#include "app/mainwindow_ui.h"

#include "app/carddocument.h"
#include "design/cardpanel.h"
#include "design/designpanel_ui.h"
#include "objects/shapes/cardshape.h"
#include "objects/text/personallabel.h"
#include "accessnames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "quietprompts.h"

using namespace qm;

namespace {

using qmtest::QuietPrompts;

class KeyboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
        window = std::make_unique<TMainScreen>(&prompts);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Widget().setFocus();
        // A name, a shape and nothing else: the card of the test.
        window->Panel().SetPersonalStrings({QStringLiteral("Jane Q. Example")});
        auto label = std::make_unique<TKBusinessCardLabel>();
        label->SetCaption(QStringLiteral("{Name}"));
        label->Loaded();
        name = window->Panel().PlaceObject(std::move(label), QRect(10, 10, 120, 20));
        auto ellipse = std::make_unique<TBCShapes>();
        ellipse->SetShape(stEllipse);
        ellipse->Loaded();
        ellipse_ = window->Panel().PlaceObject(std::move(ellipse), QRect(200, 120, 60, 40));
    }
    void TearDown() override
    {
        window.reset();
        qputenv("QUILLMARK_HOME", oldHome);
    }
    BasePanelWidget& Widget() { return window->PanelWidget(); }
    TKGraphicControl* Selected() { return window->Panel().KeyObject(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }

    QTemporaryDir home;
    QByteArray oldHome;
    QuietPrompts prompts;
    std::unique_ptr<TMainScreen> window;
    TKGraphicControl* name = nullptr;
    TKGraphicControl* ellipse_ = nullptr;
};

} // namespace

TEST_F(KeyboardTest, ARectangleIsPlacedSteppedToResizedAndOpenedByKeysAlone)
{
    QStringList menusShown;
    QPoint menuAt;
    Widget().RunMenu = [&](QMenu& menu, QPoint at) {
        for (QAction* action : menu.actions())
            menusShown << action->text();
        menuAt = at;
        return nullptr;
    };

    // Insert, Rectangle, then Enter on the card: a rectangle in the middle, selected, the pointer back.
    window->InsertMenu->popup(Widget().mapToGlobal(QPoint()));
    QTRY_VERIFY(QApplication::activePopupWidget() == window->InsertMenu);
    QTest::keyClick(window->InsertMenu, Qt::Key_R);
    EXPECT_EQ(window->Panel().PanelState(), psRectangle);
    // The offscreen platform hands the activation back from the closed menu late: wait for it.
    QTRY_VERIFY(!window->InsertMenu->isVisible());
    QCoreApplication::processEvents();
    window->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == window.get());
    ASSERT_TRUE(Widget().hasFocus());
    Key(Qt::Key_Return);
    ASSERT_EQ(window->Panel().CardObjects().Count(), 3);
    TKGraphicControl* rectangle = window->Panel().CardObjects().At(2);
    EXPECT_EQ(window->Panel().ObjectTitle(*rectangle), QStringLiteral("Rectangle"));
    EXPECT_EQ(rectangle->BoundsRect().center(), QRect(0, 0, 336, 192).center());
    EXPECT_EQ(Selected(), rectangle);
    EXPECT_EQ(window->Panel().PanelState(), psPointing);
    EXPECT_TRUE(window->SaveAsButton->isVisible());

    // Tab steps round the three objects in stacking order, and the focus stays on the card.
    Key(Qt::Key_Tab);
    EXPECT_EQ(Selected(), name);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Selected(), ellipse_);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Selected(), rectangle);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Selected(), rectangle);
    EXPECT_TRUE(Widget().hasFocus());

    // Shift+arrows size it, one undo step.
    const QRect before = rectangle->BoundsRect();
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(rectangle->BoundsRect(), before.adjusted(0, 0, 3, 1));
    EXPECT_EQ(window->mnuUndo->text(), QStringLiteral("&Undo Resize"));

    // Enter opens its properties: a rectangle's are on its menu, shown at the rectangle.
    Key(Qt::Key_Return);
    EXPECT_TRUE(menusShown.contains(QStringLiteral("Background Color")))
        << qPrintable(menusShown.join(QLatin1Char('|')));
    EXPECT_EQ(menuAt, Widget().mapToGlobal(window->Panel().ToView(rectangle->BoundsRect()).topLeft() +
                                           QPoint(rectangle->Width() / 2, rectangle->Height() / 2)));
    menusShown.clear();
    Key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menusShown.contains(QStringLiteral("Line Color")));

    // Ctrl+Tab leaves the card with the selection kept; Escape, then Tab, leaves it too.
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_FALSE(Widget().hasFocus());
    EXPECT_EQ(Selected(), rectangle);
    Widget().setFocus();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window->Panel().Frame().HasSelection());
    EXPECT_TRUE(Widget().hasFocus());
    Key(Qt::Key_Tab);
    EXPECT_FALSE(Widget().hasFocus());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    // Coming back with Shift+Tab takes the topmost object.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(Widget().hasFocus());
    EXPECT_EQ(Selected(), rectangle);
}

TEST_F(KeyboardTest, TheToolButtonsTakeTheKeyboardAndEnterPicksTheirTool)
{
    QAction* ellipseTool = window->ToolAction(psEllipse);
    ASSERT_NE(ellipseTool, nullptr);
    QWidget* button = nullptr;
    for (QObject* o : ellipseTool->associatedObjects())
        if (o->inherits("QToolButton"))
            button = static_cast<QWidget*>(o);
    ASSERT_NE(button, nullptr);
    EXPECT_NE(button->focusPolicy() & Qt::TabFocus, 0);
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    Key(Qt::Key_Return);
    EXPECT_EQ(window->Panel().PanelState(), psEllipse);
    EXPECT_TRUE(Widget().hasFocus());
    Key(Qt::Key_Return);
    EXPECT_EQ(window->Panel().CardObjects().Count(), 3);
    EXPECT_EQ(window->Panel().ObjectTitle(*Selected()), QStringLiteral("Ellipse"));
}

TEST_F(KeyboardTest, ScreenReadersSeeTheCardsObjectsWhereTheyAreAndEveryControlNamed)
{
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(&Widget());
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->text(QAccessible::Name), QStringLiteral("Card design"));
    EXPECT_EQ(card->role(), QAccessible::Canvas);
    ASSERT_EQ(card->childCount(), 2);
    EXPECT_EQ(card->child(0)->text(QAccessible::Name), QStringLiteral("Text: Jane Q. Example"));
    EXPECT_EQ(card->child(1)->text(QAccessible::Name), QStringLiteral("Ellipse"));
    EXPECT_EQ(card->child(1)->parent(), card);
    EXPECT_EQ(card->indexOfChild(card->child(1)), 1);

    // Rectangles on the screen, at any zoom; the object under a point is the one drawn there.
    const auto onScreen = [&](const QRect& box) {
        const QRect view = window->Panel().ToView(box);
        return QRect(Widget().mapToGlobal(view.topLeft()), view.size());
    };
    EXPECT_EQ(card->child(1)->rect(), onScreen(QRect(200, 120, 60, 40)));
    window->Document().ZoomTo(200);
    EXPECT_EQ(card->child(1)->rect(), onScreen(QRect(200, 120, 60, 40)));
    EXPECT_EQ(card->child(1)->rect().width(), 120);
    EXPECT_EQ(card->childAt(card->child(0)->rect().center().x(), card->child(0)->rect().center().y()),
              card->child(0));
    // Over an object, the one on top of it is the one there.
    auto cover = std::make_unique<TBCShapes>();
    cover->Loaded();
    window->Panel().PlaceObject(std::move(cover), QRect(5, 5, 150, 40));
    EXPECT_EQ(card->childAt(card->child(0)->rect().center().x(), card->child(0)->rect().center().y()),
              card->child(2));
    window->Panel().Delete(window->Panel().CardObjects().At(2));

    // Selected and focused follow the selection while the card has the keyboard.
    EXPECT_FALSE(card->child(1)->state().selected);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_TRUE(card->child(1)->state().selected);
    EXPECT_TRUE(card->child(1)->state().focused);
    EXPECT_FALSE(card->child(0)->state().selected);
    EXPECT_EQ(card->focusChild(), card->child(1));

    // An object taken away leaves the tree; a new one comes in with its text.
    window->mnuDeleteObjects->trigger();
    ASSERT_EQ(card->childCount(), 1);
    EXPECT_EQ(card->child(0)->text(QAccessible::Name), QStringLiteral("Text: Jane Q. Example"));

    EXPECT_EQ(qmtest::UnnamedControls(window.get()).join(QStringLiteral("; ")).toStdString(), "");
}
