// SPDX-License-Identifier: GPL-3.0-or-later
// The design panel by keyboard alone: placing objects without a drag, stepping through them, opening their
// editors and menus, and how screen readers name them.
#include "design/cardpanel.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/shapes/supershape.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/personallabel.h"

#include <gtest/gtest.h>

#include <utility>

using namespace qm;

namespace {

// A window that shows the card 100 pixels right and 50 down on the screen and records the menus it shows.
class RecordingView : public PanelView
{
public:
    struct Shown
    {
        QStringList captions;
        QPoint at;
    };
    std::vector<Shown> menus;

    void InvalidateRect(const QRect&) override {}
    void SetCursorShape(TKCursorShape) override {}
    void ShowMenu(TKMenu& menu, QPoint at) override
    {
        menu.AboutToShow();
        menus.push_back({menu.Captions(), at});
    }
    void ProcessEvents() override {}
    void PanelResized(QSize) override {}
    void PostFrameRecompute() override {}
    QPoint ScreenPoint(QPoint cardPoint) const override { return cardPoint + QPoint(100, 50); }
};

class CountingDialogs : public TKDialogs
{
public:
    QString typed = QStringLiteral("Jane Q. Example");
    int labelEdits = 0;
    int shapeEdits = 0;
    bool ChooseFont(TKFont&) override { return false; }
    bool ChooseColor(TColor&) override { return false; }
    bool EditBusinessCardLabelText(TKBusinessCardLabel& label) override
    {
        ++labelEdits;
        label.SetCaption(typed);
        return true;
    }
    bool EditSuperShape(TSuperShape&, QString&) override
    {
        ++shapeEdits;
        return false;
    }
};

struct Keyboard
{
    TKBusinessCardPanel32 panel;
    RecordingView view;
    CountingDialogs dialogs;
    qint64 now = 1000;

    Keyboard()
    {
        panel.SetView(&view);
        panel.SetDialogs(&dialogs);
        panel.History().Reset();
    }
    ~Keyboard() { panel.SetView(nullptr); }
    bool Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const bool taken = panel.KeyDown(key, modifiers, now += 100);
        panel.KeyUp(key, now += 10);
        return taken;
    }
    TKGraphicControl* Add(std::unique_ptr<TKGraphicControl> object, const QRect& box)
    {
        object->Loaded();
        return panel.PlaceObject(std::move(object), box);
    }
    TKGraphicControl* Selected() const { return panel.KeyObject(); }
};

} // namespace

// ---- Placing without a drag ----

TEST(PanelKeys, EnterPlacesTheToolsObjectInTheMiddleOfTheCardSelectedAndEdited)
{
    Keyboard k;
    EXPECT_EQ(k.panel.DefaultObjectRect(), QRect());
    EXPECT_TRUE(k.Press(Qt::Key_Return)); // in pointer mode, with nothing selected: nothing happens
    EXPECT_EQ(k.panel.CardObjects().Count(), 0);

    k.panel.SetPanelState(psRectangle);
    EXPECT_TRUE(k.Press(Qt::Key_Enter, Qt::KeypadModifier));
    ASSERT_EQ(k.panel.CardObjects().Count(), 1);
    TKGraphicControl* rectangle = k.panel.CardObjects().At(0);
    EXPECT_EQ(rectangle->BoundsRect(), QRect(120, 72, 96, 48)); // centred on the 336 x 192 card
    EXPECT_EQ(k.Selected(), rectangle);
    EXPECT_EQ(k.panel.History().UndoText(), QStringLiteral("Undo Draw Rectangle"));

    // Text opens its editor, as after a drag, and the line runs across the middle.
    k.panel.SetPanelState(psLabel);
    TKGraphicControl* label = k.panel.PlaceDefaultObject();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(k.dialogs.labelEdits, 1);
    EXPECT_EQ(static_cast<TKBusinessCardLabel*>(label)->Caption(), QStringLiteral("Jane Q. Example"));
    EXPECT_EQ(k.Selected(), label);
    EXPECT_NEAR(label->BoundsRect().center().x(), 168, 60);
    k.panel.SetPanelState(psLine);
    TKGraphicControl* line = k.panel.PlaceDefaultObject();
    ASSERT_NE(line, nullptr);
    EXPECT_GE(line->Width(), 90);
    EXPECT_LE(line->Height(), 15);
    EXPECT_NEAR(line->BoundsRect().center().y(), 96, 8);

    // A tool whose dialog opens at once goes back to the pointer, as after a drag.
    k.panel.SetPanelState(psSuperShape);
    k.Press(Qt::Key_Return);
    EXPECT_EQ(k.dialogs.shapeEdits, 1);
    EXPECT_EQ(k.panel.PanelState(), psPointing);

    // Never larger than the card.
    k.panel.SetSize(60, 40);
    k.panel.SetPanelState(psRectangle);
    EXPECT_EQ(k.panel.DefaultObjectRect(), QRect(0, 0, 60, 40));
}

// ---- Stepping, opening, menus, Escape ----

TEST(PanelKeys, TabStepsThroughTheObjectsInStackingOrderAndEscapeThenTabLeaves)
{
    Keyboard k;
    EXPECT_FALSE(k.panel.StepSelection(true)); // an empty card: Tab moves on
    TKGraphicControl* bottom = k.Add(std::make_unique<TBCShapes>(), QRect(10, 10, 40, 30));
    TKGraphicControl* hidden = k.Add(std::make_unique<TBCShapes>(), QRect(60, 10, 40, 30));
    TKGraphicControl* middle = k.Add(std::make_unique<TKLineShape>(), QRect(110, 10, 40, 30));
    TKGraphicControl* top = k.Add(std::make_unique<TBCShapes>(), QRect(160, 10, 40, 30));
    hidden->SetUnselectable(true);

    std::vector<TKGraphicControl*> forward;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(k.panel.StepSelection(true));
        forward.push_back(k.Selected());
    }
    EXPECT_EQ(forward, (std::vector<TKGraphicControl*>{bottom, middle, top, bottom}));
    ASSERT_TRUE(k.panel.StepSelection(false));
    EXPECT_EQ(k.Selected(), top);
    ASSERT_TRUE(k.panel.StepSelection(false));
    EXPECT_EQ(k.Selected(), middle);
    EXPECT_EQ(k.panel.Frame().Count(), 1);

    // Escape clears the selection; the Tab after it is not the panel's, the one after that is again.
    EXPECT_TRUE(k.Press(Qt::Key_Escape));
    EXPECT_FALSE(k.panel.Frame().HasSelection());
    EXPECT_FALSE(k.Press(Qt::Key_Escape)); // nothing left to clear: the key goes on to the window
    EXPECT_FALSE(k.panel.StepSelection(true));
    EXPECT_TRUE(k.panel.StepSelection(false));
    EXPECT_EQ(k.Selected(), top);

    // Only Escape lets Tab go: after Delete took the selection away, Tab steps on from the start.
    EXPECT_TRUE(k.Press(Qt::Key_Delete));
    EXPECT_FALSE(k.panel.Frame().HasSelection());
    EXPECT_TRUE(k.panel.StepSelection(true));
    EXPECT_EQ(k.Selected(), bottom);
}

TEST(PanelKeys, EnterAndF2OpenTheEditorOrPropertiesAndTheMenuKeyOpensTheMenuAtTheObject)
{
    Keyboard k;
    TKGraphicControl* shape = k.Add(std::make_unique<TSuperShape>(), QRect(20, 30, 60, 40));
    TKGraphicControl* rectangle = k.Add(std::make_unique<TBCShapes>(), QRect(100, 20, 80, 40));

    // A kind with a Properties dialog opens it; one without shows its menu at its middle.
    k.panel.Select(shape);
    EXPECT_TRUE(k.Press(Qt::Key_Return));
    EXPECT_EQ(k.dialogs.shapeEdits, 1);
    EXPECT_TRUE(k.view.menus.empty());
    k.panel.ClearSelection();
    k.panel.Select(rectangle);
    EXPECT_TRUE(k.Press(Qt::Key_F2));
    ASSERT_EQ(k.view.menus.size(), 1u);
    EXPECT_TRUE(k.view.menus[0].captions.contains(QStringLiteral("Background Color")))
        << qPrintable(k.view.menus[0].captions.join(QLatin1Char('|')));
    EXPECT_EQ(k.view.menus[0].at, rectangle->BoundsRect().center() + QPoint(100, 50));

    EXPECT_TRUE(k.Press(Qt::Key_F10, Qt::ShiftModifier));
    EXPECT_TRUE(k.Press(Qt::Key_Menu));
    ASSERT_EQ(k.view.menus.size(), 3u);
    EXPECT_EQ(k.view.menus[1].captions, k.view.menus[0].captions);
    EXPECT_EQ(k.view.menus[2].at, k.view.menus[0].at);
    EXPECT_FALSE(k.Press(Qt::Key_F10)); // F10 alone is the window's

    // Two objects selected: Enter opens nothing, the Menu key shows the panel's menu over the selection.
    k.panel.SelectAll();
    k.Press(Qt::Key_Return);
    EXPECT_EQ(k.view.menus.size(), 3u);
    EXPECT_EQ(k.dialogs.shapeEdits, 1);
    k.Press(Qt::Key_Menu);
    ASSERT_EQ(k.view.menus.size(), 4u);
    EXPECT_TRUE(k.view.menus[3].captions.contains(QStringLiteral("Align Left")));
}

// ---- What screen readers hear ----

TEST(PanelKeys, ObjectsAreNamedByTheirKindAndTheTextTheyShow)
{
    Keyboard k;
    k.panel.SetPersonalStrings({QStringLiteral("Jane Q. Example"), QStringLiteral("Example & Co")});
    auto label = std::make_unique<TKBusinessCardLabel>();
    label->SetCaption(QStringLiteral("{Name}"));
    auto lines = std::make_unique<TKMultiLineLabel>();
    lines->SetItems({QStringLiteral("{Company}"), QStringLiteral("  Main   Street ")});
    auto ellipse = std::make_unique<TBCShapes>();
    ellipse->SetShape(stEllipse);
    EXPECT_EQ(k.panel.ObjectTitle(*label), QStringLiteral("Text: Jane Q. Example"));
    EXPECT_EQ(k.panel.ObjectTitle(*lines), QStringLiteral("Multi-Line Text: Example & Co Main Street"));
    EXPECT_EQ(k.panel.ObjectTitle(*ellipse), QStringLiteral("Ellipse"));
    EXPECT_EQ(k.panel.ObjectTitle(TBCShapes()), QStringLiteral("Rectangle"));
    EXPECT_EQ(k.panel.ObjectTitle(TKLineShape()), QStringLiteral("Line"));
    label->SetCaption(QString());
    EXPECT_EQ(k.panel.ObjectTitle(*label), QStringLiteral("Text"));
}
