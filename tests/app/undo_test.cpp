// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: every kind of change a user makes comes back to the exact card, a drag or a run of nudges is
// one step, the changed flag follows the saved point, and the history outlives zooming.
#include "app/carddocument.h"
#include "design/cardpanel.h"
#include "stream/streamwriter.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>

using namespace qm;

namespace {

class PickingView : public PanelView
{
public:
    QString pick; // the item the next menu runs
    void InvalidateRect(const QRect&) override {}
    void SetCursorShape(TKCursorShape) override {}
    void ShowMenu(TKMenu& menu, QPoint) override
    {
        const QString item = std::exchange(pick, QString());
        if (!item.isEmpty())
            menu.Trigger(item);
    }
    void ProcessEvents() override {}
    void PanelResized(QSize) override {}
    void PostFrameRecompute() override {}
};

class RedDialogs : public TKDialogs
{
public:
    bool ChooseFont(TKFont& font) override
    {
        font.SetName(QStringLiteral("Courier New"));
        return true;
    }
    bool ChooseColor(TColor& color) override
    {
        color = clRed;
        return true;
    }
};

class SilentPrompts : public DocumentPrompts
{
public:
    std::deque<QString> files;
    bool Ask(const QString&, const QString&) override { return false; }
    void Inform(const QString&) override {}
    void ShowError(const QString& message) override { ADD_FAILURE() << qPrintable(message); }
    QString ChooseFile(const FileRequest&) override
    {
        if (files.empty())
            return {};
        const QString f = files.front();
        files.pop_front();
        return f;
    }
    bool ChooseFont(TKFont&) override { return false; }
};

class CardHistoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("QUILLMARK_HOME");
        qputenv("QUILLMARK_HOME", home.path().toUtf8());
        CardDocument::CreateFolders();
        panel.SetView(&view);
        panel.SetDialogs(&dialogs);
        doc = std::make_unique<CardDocument>(panel, prompts);
        doc->Load();
        doc->FirstActivate();
    }
    void TearDown() override
    {
        doc.reset();
        qputenv("QUILLMARK_HOME", oldHome);
    }

    // The card as a file would keep it: the objects' stream, the card's size, layout and background.
    QByteArray Card() const
    {
        std::vector<const TKGraphicControl*> objects;
        for (const TKGraphicControl* o : panel.CardObjects().Objects())
            objects.push_back(o);
        QByteArray bytes = WriteObjectsToBytes(objects);
        const CardSheetLayout& l = doc->Layout();
        bytes += QStringLiteral("|%1x%2|%3x%4|%5|%6")
                     .arg(panel.Width())
                     .arg(panel.Height())
                     .arg(double(l.Width))
                     .arg(double(l.Height))
                     .arg(l.UsePortrait)
                     .arg(doc->BackgroundFile())
                     .toUtf8();
        return bytes;
    }
    TKGraphicControl* At(int i) { return panel.CardObjects().At(i); }
    QPoint Centre(int i) { return At(i)->BoundsRect().center(); }

    // The user's gestures, each one panel event as the widget delivers them.
    void Draw(TLPanelState tool, QRect rect)
    {
        panel.SetPanelState(tool);
        Drag(rect.topLeft(), rect.bottomRight());
        panel.SetPanelState(psPointing);
    }
    void Drag(QPoint from, QPoint to)
    {
        now += 1000;
        panel.MouseDown(from, Qt::LeftButton, Qt::NoModifier, from, now);
        panel.MouseMove(from + QPoint(1, 1), Qt::LeftButton, now + 20);
        panel.MouseMove(to, Qt::LeftButton, now + 40);
        panel.MouseUp(to, Qt::LeftButton, Qt::NoModifier, now + 300);
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        now += 100;
        panel.KeyDown(key, mods, now);
        panel.KeyUp(key, now + 10);
    }
    void MenuItem(int object, const QString& item)
    {
        now += 1000;
        view.pick = item;
        const QPoint p = Centre(object);
        panel.MouseDown(p, Qt::RightButton, Qt::NoModifier, p, now);
        panel.MouseUp(p, Qt::RightButton, Qt::NoModifier, now + 50);
    }
    void Select(int object)
    {
        panel.ClearSelection();
        panel.Select(At(object));
    }

    QTemporaryDir home;
    QByteArray oldHome;
    PickingView view;
    RedDialogs dialogs;
    SilentPrompts prompts;
    TKBusinessCardPanel32 panel;
    std::unique_ptr<CardDocument> doc;
    qint64 now = 100000;
};

TEST_F(CardHistoryTest, EveryKindOfChangeIsUndoneToTheExactCardAndRedoneAgain)
{
    const QString art = home.filePath(QStringLiteral("bg/art.png"));
    QImage(70, 40, QImage::Format_RGB32).save(art);
    CardSheetLayout rotated = doc->Layout();
    rotated.UsePortrait = true;

    struct Change
    {
        const char* what;
        std::function<void()> make;
    };
    const std::vector<Change> changes = {
        {"Draw Rectangle", [&] { Draw(psRectangle, QRect(20, 20, 60, 40)); }},
        {"Draw Line", [&] { Draw(psLine, QRect(120, 20, 10, 80)); }},
        {"Draw Text", [&] { Draw(psLabel, QRect(150, 120, 80, 20)); }},
        {"Move", [&] { Drag(Centre(0), Centre(0) + QPoint(30, 12)); }},
        {"Resize", [&] {
             Select(0);
             Key(Qt::Key_Right, Qt::ShiftModifier);
         }},
        {"Color", [&] { MenuItem(1, QStringLiteral("Color")); }},
        {"Line Color", [&] { MenuItem(0, QStringLiteral("Line Color")); }},
        {"Transparent", [&] { MenuItem(0, QStringLiteral("Transparent")); }},
        {"Line Thickness", [&] { MenuItem(1, QStringLiteral("Line Thickness/4 Point")); }},
        {"Locked", [&] { MenuItem(1, QStringLiteral("Locked")); }},
        {"Align", [&] {
             panel.SelectAll();
             panel.AlignTops();
         }},
        {"Bring to front", [&] {
             Select(0);
             panel.BringSelectionToFront();
         }},
        {"Paste", [&] {
             Select(0);
             panel.Copy();
             panel.Paste(now += 5000);
         }},
        {"Delete", [&] {
             Select(0);
             Key(Qt::Key_Delete);
         }},
        {"Change All Fonts", [&] { doc->ChangeAllFonts(QStringLiteral("Courier New")); }},
        {"Card Layout", [&] { doc->ApplyLayout(rotated); }},
        {"Background Art", [&] { doc->SetBackgroundFile(art); }},
    };
    for (const Change& change : changes) {
        const QByteArray before = Card();
        change.make();
        const QByteArray after = Card();
        ASSERT_NE(before, after) << change.what;
        ASSERT_TRUE(doc->CanUndo()) << change.what;
        EXPECT_TRUE(doc->Undo()) << change.what;
        EXPECT_EQ(Card(), before) << change.what;
        EXPECT_TRUE(doc->Redo()) << change.what;
        EXPECT_EQ(Card(), after) << change.what;
        EXPECT_FALSE(doc->CanRedo()) << change.what;
    }
}

TEST_F(CardHistoryTest, StepsAreNamedAndADragOrARunOfNudgesIsOneStep)
{
    Draw(psRectangle, QRect(20, 20, 60, 40));
    EXPECT_EQ(doc->UndoText(), QStringLiteral("Undo Draw Rectangle"));
    const int steps = panel.History().StepCount();

    Drag(Centre(0), Centre(0) + QPoint(40, 20));
    EXPECT_EQ(panel.History().StepCount(), steps + 1);
    EXPECT_EQ(doc->UndoText(), QStringLiteral("Undo Move"));

    const QByteArray beforeNudges = Card();
    Select(0);
    for (int i = 0; i < 5; ++i)
        Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_EQ(panel.History().StepCount(), steps + 2);
    EXPECT_EQ(doc->UndoText(), QStringLiteral("Undo Move"));
    doc->Undo();
    EXPECT_EQ(Card(), beforeNudges);

    MenuItem(0, QStringLiteral("Line Thickness/3 Point"));
    EXPECT_EQ(doc->UndoText(), QStringLiteral("Undo Line Thickness"));
    MenuItem(0, QStringLiteral("Background Color"));
    EXPECT_EQ(doc->UndoText(), QStringLiteral("Undo Background Color"));
    doc->Undo();
    EXPECT_EQ(doc->RedoText(), QStringLiteral("Redo Background Color"));
    // A click that changes nothing and zooming are no steps.
    const int before = panel.History().StepCount();
    const QPoint c = Centre(0);
    panel.MouseDown(c, Qt::LeftButton, Qt::NoModifier, c, now += 1000);
    panel.MouseUp(c, Qt::LeftButton, Qt::NoModifier, now + 50);
    doc->ZoomIn();
    EXPECT_EQ(panel.History().StepCount(), before);
    EXPECT_EQ(doc->RedoText(), QStringLiteral("Redo Background Color"));
}

TEST_F(CardHistoryTest, UndoingBackToTheSavedCardMakesItUnchanged)
{
    Draw(psRectangle, QRect(20, 20, 60, 40));
    EXPECT_TRUE(doc->ChangesMade());
    prompts.files.push_back(home.filePath(QStringLiteral("saved/card.qmk")));
    ASSERT_TRUE(doc->SaveAs());
    EXPECT_FALSE(doc->ChangesMade());
    EXPECT_FALSE(doc->SaveButtonsVisible());

    MenuItem(0, QStringLiteral("Transparent"));
    EXPECT_TRUE(doc->ChangesMade());
    doc->Undo();
    EXPECT_FALSE(doc->ChangesMade()); // the card is the saved one again
    doc->Undo();
    EXPECT_TRUE(doc->ChangesMade()); // before the rectangle: not what is on disk
    doc->Redo();
    EXPECT_FALSE(doc->ChangesMade());
    doc->Redo();
    EXPECT_TRUE(doc->ChangesMade());

    // Opening starts a fresh history.
    ASSERT_TRUE(doc->OpenBCFile(home.filePath(QStringLiteral("saved/card.qmk"))));
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->ChangesMade());
}

TEST_F(CardHistoryTest, TheHistoryOutlivesZooming)
{
    Draw(psRectangle, QRect(20, 20, 60, 40));
    const QByteArray drawn = Card();
    const QRect box = At(0)->BoundsRect();
    Drag(Centre(0), Centre(0) + QPoint(40, 20));
    const QByteArray moved = Card();
    doc->ZoomIn();
    doc->ZoomIn();
    EXPECT_EQ(panel.Zoom(), 1.2f);
    EXPECT_EQ(Card(), moved) << "zooming takes no step and changes nothing";
    doc->Undo(); // a step taken at 100 % comes back the same at 120 %
    EXPECT_EQ(panel.Zoom(), 1.2f);
    EXPECT_EQ(At(0)->BoundsRect(), box);
    EXPECT_EQ(Card(), drawn);
    doc->ZoomOut();
    doc->ZoomOut();
    EXPECT_EQ(Card(), drawn);
    doc->Redo();
    EXPECT_EQ(Card(), moved);
}

TEST_F(CardHistoryTest, MoreThanAHundredStepsGoBackToTheEmptyCard)
{
    const QByteArray empty = Card();
    const int count = 120;
    for (int i = 0; i < count; ++i)
        Draw(psRectangle, QRect(2 * (i % 100), 2 * (i / 100), 30, 20));
    EXPECT_EQ(panel.CardObjects().Count(), count);
    int undone = 0;
    while (doc->Undo())
        ++undone;
    EXPECT_EQ(undone, count);
    EXPECT_EQ(Card(), empty);
    EXPECT_FALSE(doc->ChangesMade());
}

// The history keeps the last 200 steps: after 201 changes, 200 are undone and the first change stays.
TEST_F(CardHistoryTest, AfterTwoHundredAndOneChangesExactlyTwoHundredCanBeUndone)
{
    for (int i = 0; i < 201; ++i)
        Draw(psRectangle, QRect(2 * (i % 100), 2 * (i / 100), 30, 20));
    ASSERT_EQ(panel.CardObjects().Count(), 201);
    int undone = 0;
    while (doc->Undo())
        ++undone;
    EXPECT_EQ(undone, 200);
    EXPECT_EQ(panel.CardObjects().Count(), 1);
    EXPECT_TRUE(doc->ChangesMade()); // the card without the first rectangle is gone from the history
    int redone = 0;
    while (doc->Redo())
        ++redone;
    EXPECT_EQ(redone, 200);
    EXPECT_EQ(panel.CardObjects().Count(), 201);
}

} // namespace
