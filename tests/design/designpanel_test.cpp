// SPDX-License-Identifier: GPL-3.0-or-later
// Design panel: mouse routing, rubber bands, drawing mode, clipboard, align, zoom, card files, menu and
// painting.
#include "model/cardrender.h"
#include "design/designpanel.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "stream/streamreader.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/line.h"
#include "objects/text/textlabel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "testutil.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qm;

namespace {

class FakeView : public PanelView
{
public:
    TKCursorShape cursor = TKCursorShape::Default;
    std::vector<QStringList> menus; // captions of every menu shown
    QString pick;                   // the item to run from the next menu
    QSize size;
    int invalidations = 0;

    void InvalidateRect(const QRect&) override { ++invalidations; }
    void SetCursorShape(TKCursorShape shape) override { cursor = shape; }
    void ShowMenu(TKMenu& menu, QPoint) override
    {
        menus.push_back(menu.Captions());
        const QString item = std::exchange(pick, QString());
        if (!item.isEmpty())
            menu.Trigger(item);
        else
            menu.AboutToShow();
    }
    void ProcessEvents() override {}
    void PanelResized(QSize s) override { size = s; }
    void PostFrameRecompute() override {}
};

class FakeDialogs : public TKDialogs
{
public:
    bool answer = true;
    int fontCalls = 0;
    bool ChooseFont(TKFont& font) override
    {
        ++fontCalls;
        font.SetName(QStringLiteral("Courier New"));
        return answer;
    }
    bool ChooseColor(TColor&) override { return answer; }
    QStringList messages;
    void ShowInformation(const QString& message) override { messages << message; }
};

// A line that remembers the font given to it.
class FontProbe : public TKLineShape
{
public:
    QString font;
    void ApplyFont(const TKFont& f) override { font = f.Name(); }
};

// A panel whose drawing mode places lines and records the rectangles it was given.
class DrawingPanel : public TKBasePanel
{
public:
    std::vector<QRect> created;

protected:
    void CreateObject(const QRect& rect) override
    {
        created.push_back(rect);
        PlaceObject(std::make_unique<TKLineShape>(), rect);
    }
};

struct Fixture
{
    DrawingPanel panel;
    FakeView view;
    FakeDialogs dialogs;
    int changes = 0;

    Fixture()
    {
        panel.SetView(&view);
        panel.SetDialogs(&dialogs);
        panel.LabelChangedEvent = [this] { ++changes; };
    }

    template <class T = TKLineShape> T* Add(int l, int t, int w, int h)
    {
        auto object = std::make_unique<T>();
        T* raw = object.get();
        panel.CardObjects().Add(std::move(object));
        raw->Loaded();
        raw->SetBounds(l, t, w, h);
        return raw;
    }

    void Click(QPoint p, qint64 at, Qt::KeyboardModifiers mods = Qt::NoModifier,
               Qt::MouseButton b = Qt::LeftButton)
    {
        panel.MouseDown(p, b, mods, p, at);
        panel.MouseUp(p, b, mods, at + 50);
    }

    // Press, a move after the frame's drag delay, and a release well after the quick-click limit.
    void Drag(QPoint from, QPoint to, qint64 at, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        panel.MouseDown(from, Qt::LeftButton, mods, from, at);
        panel.MouseMove(from + QPoint(1, 1), Qt::LeftButton, at + 20);
        panel.MouseMove(to, Qt::LeftButton, at + 40);
        panel.MouseUp(to, Qt::LeftButton, mods, at + 300);
    }

    std::vector<TKGraphicControl*> Selection() const { return panel.Frame().Selection(); }
};

using Selection = std::vector<TKGraphicControl*>;

} // namespace

// ---- Mouse routing ----

TEST(DesignPanel, ClicksSelectShiftClicksToggleAndDragsMoveTheSelection)
{
    Fixture f;
    TKGraphicControl* a = f.Add(50, 50, 40, 30);
    TKGraphicControl* b = f.Add(150, 50, 40, 30);

    f.Click({60, 60}, 1000);
    EXPECT_EQ(f.Selection(), Selection({a}));
    EXPECT_EQ(a->BoundsRect(), QRect(50, 50, 40, 30)); // a quick click moves nothing

    f.Click({170, 60}, 2000, Qt::ShiftModifier);
    EXPECT_EQ(f.Selection(), Selection({a, b}));
    // Shift+click on the selection takes the object under the mouse out of it.
    f.Click({60, 60}, 3000, Qt::ShiftModifier);
    EXPECT_EQ(f.Selection(), Selection({b}));

    // A drag on the frame moves the selection; the frame is rebuilt around it once the event is over.
    f.panel.MouseDown({170, 60}, Qt::LeftButton, Qt::NoModifier, {}, 4000);
    f.panel.MouseMove({180, 70}, Qt::LeftButton, 4020);
    f.panel.MouseUp({180, 70}, Qt::LeftButton, Qt::NoModifier, 4200);
    EXPECT_EQ(b->BoundsRect(), QRect(160, 60, 40, 30));
    EXPECT_EQ(f.panel.Frame().Bounds(), QRect(158, 58, 46, 36));
    EXPECT_GT(f.changes, 0);

    // Pressing on an unselected object hands the mouse to the frame: the same drag moves it at once.
    f.Drag({60, 60}, {80, 70}, 5000);
    EXPECT_EQ(f.Selection(), Selection({a}));
    EXPECT_EQ(a->BoundsRect(), QRect(69, 59, 40, 30)); // the drag starts at the first move (61, 61)
    EXPECT_EQ(b->BoundsRect(), QRect(160, 60, 40, 30));
}

TEST(DesignPanel, RubberBandSelectsWhatItTouchesAndShiftToggles)
{
    Fixture f;
    TKGraphicControl* a = f.Add(50, 50, 40, 30); // right edge 90, bottom edge 80
    TKGraphicControl* b = f.Add(50, 120, 40, 30);
    TKGraphicControl* c = f.Add(200, 50, 40, 30);

    // Dragged up and left from the bare panel; the band only meets a's corner.
    f.panel.MouseDown({120, 110}, Qt::LeftButton, Qt::NoModifier, {}, 1000);
    f.panel.MouseMove({90, 80}, Qt::LeftButton, 1100);
    EXPECT_TRUE(f.panel.RubberBandActive());
    EXPECT_EQ(f.panel.RubberBand(), QRect(90, 80, 30, 30));
    EXPECT_EQ(f.view.cursor, TKCursorShape::HandPoint);
    f.panel.MouseUp({90, 80}, Qt::LeftButton, Qt::NoModifier, 1200);
    EXPECT_FALSE(f.panel.RubberBandActive());
    EXPECT_EQ(f.Selection(), Selection({a}));
    EXPECT_EQ(f.view.cursor, TKCursorShape::Default);

    // One pixel short of the edge selects nothing and clears the selection.
    f.Drag({91, 5}, {130, 100}, 2000);
    EXPECT_TRUE(f.Selection().empty());

    // Shift: a selected object leaves, an unselected one joins; children are walked front to back.
    f.panel.SelectAll();
    ASSERT_EQ(f.Selection(), Selection({a, b, c}));
    f.Drag({20, 60}, {300, 70}, 3000, Qt::ShiftModifier); // over a and c
    EXPECT_EQ(f.Selection(), Selection({b}));
    f.Drag({20, 60}, {300, 70}, 4000, Qt::ShiftModifier);
    EXPECT_EQ(f.Selection(), Selection({b, c, a}));
}

TEST(DesignPanel, APressKeepsItsTargetAndUnselectableObjectsLetTheBandStart)
{
    Fixture f;
    TKGraphicControl* a = f.Add(50, 50, 40, 30);
    TKGraphicControl* locked = f.Add(150, 50, 40, 30);
    locked->SetUnselectable(true);

    // A band that runs over an object and ends on it is still a band.
    f.panel.MouseDown({10, 10}, Qt::LeftButton, Qt::NoModifier, {}, 1000);
    f.panel.MouseMove({60, 60}, Qt::LeftButton, 1100);
    f.panel.MouseUp({60, 60}, Qt::LeftButton, Qt::NoModifier, 1200);
    EXPECT_EQ(f.Selection(), Selection({a}));
    EXPECT_EQ(a->BoundsRect(), QRect(50, 50, 40, 30));

    f.panel.MouseDown({160, 60}, Qt::LeftButton, Qt::NoModifier, {}, 2000);
    EXPECT_TRUE(f.panel.RubberBandActive());
    f.panel.MouseUp({160, 60}, Qt::LeftButton, Qt::NoModifier, 2100);
    EXPECT_TRUE(f.Selection().empty()); // the click rectangle touched only the unselectable object

    // Hovering: the pointing hand over objects, the default cursor once the mouse leaves them.
    f.panel.MouseMove({160, 60}, Qt::NoButton, 3000);
    EXPECT_EQ(f.view.cursor, TKCursorShape::HandPoint);
    f.panel.MouseMove({300, 150}, Qt::NoButton, 3010);
    EXPECT_EQ(f.view.cursor, TKCursorShape::Default);
}

TEST(DesignPanel, DrawingModeTurnsTheBandIntoANewObject)
{
    Fixture f;
    std::vector<QRect> dropped;
    f.panel.DroppedObjectEvent = [&](const QRect& r) { dropped.push_back(r); };
    f.panel.SetPointing(false);

    f.panel.MouseDown({40, 50}, Qt::LeftButton, Qt::NoModifier, {}, 1000);
    f.panel.MouseMove({10, 10}, Qt::LeftButton, 1100);
    f.panel.MouseUp({10, 10}, Qt::LeftButton, Qt::NoModifier, 1200);
    ASSERT_EQ(f.panel.CardObjects().Count(), 1);
    EXPECT_EQ(f.panel.created, std::vector<QRect>({QRect(10, 10, 30, 40)}));
    EXPECT_EQ(dropped, f.panel.created);
    TKGraphicControl* first = f.panel.CardObjects().At(0);
    EXPECT_EQ(first->Name(), QStringLiteral("Special1"));
    EXPECT_EQ(first->BoundsRect(), QRect(10, 10, 30, 40));

    // Over an object, and over the selection frame, drawing starts all the same.
    f.panel.Select(first);
    f.Click({20, 20}, 2000);
    ASSERT_EQ(f.panel.CardObjects().Count(), 2);
    EXPECT_EQ(f.panel.CardObjects().At(1)->BoundsRect(), QRect(20, 20, 10, 15)); // the least size
    f.panel.ClearSelection();
    f.Click({25, 25}, 3000);
    EXPECT_EQ(f.panel.CardObjects().Count(), 3);
}

TEST(DesignPanel, PlacedObjectsTakeTheFirstFreeSpecialNumber)
{
    Fixture f;
    f.panel.SetZoom(1.5f);
    TKGraphicControl* one = f.panel.PlaceObject(std::make_unique<TKLineShape>(), QRect(0, 0, 20, 20));
    TKGraphicControl* two = f.panel.PlaceObject(std::make_unique<TKLineShape>(), QRect(0, 0, 20, 20));
    EXPECT_EQ(one->Name(), QStringLiteral("Special1"));
    EXPECT_EQ(two->Name(), QStringLiteral("Special2"));
    EXPECT_EQ(two->BoundsRect(), QRect(0, 0, 20, 20)); // card units at any zoom
    f.panel.Delete(one);
    EXPECT_EQ(f.panel.PlaceObject(std::make_unique<TKLineShape>(), QRect())->Name(),
              QStringLiteral("Special1"));

    f.panel.ClearAll();
    for (int n = 1; n <= 1000; ++n)
        f.Add(0, 0, 5, 5)->SetName(QStringLiteral("Special%1").arg(n));
    EXPECT_TRUE(f.panel.PlaceObject(std::make_unique<TKLineShape>(), QRect(1, 1, 1, 1))->Name().isEmpty());
}

// ---- Clipboard and keys ----

TEST(DesignPanel, PasteReadsTheClipboardAtMostOncePerSecond)
{
    Fixture f;
    EXPECT_FALSE(f.panel.CanPaste());
    EXPECT_FALSE(f.panel.Paste(500));
    TKGraphicControl* a = f.Add(10, 20, 30, 40);
    f.panel.Select(a);
    f.panel.KeyDown(Qt::Key_C, Qt::ControlModifier, 1000);
    ASSERT_TRUE(f.panel.CanPaste());
    a->SetBounds(100, 100, 30, 40); // the copies come from the stored positions

    EXPECT_TRUE(f.panel.Paste(5000));
    EXPECT_FALSE(f.panel.Paste(5999));
    f.panel.KeyDown(Qt::Key_V, Qt::ControlModifier, 5500); // the key is held to the same rule
    ASSERT_EQ(f.panel.CardObjects().Count(), 2);
    f.panel.ClearSelection();
    f.panel.KeyDown(Qt::Key_V, Qt::ControlModifier, 6000);
    ASSERT_EQ(f.panel.CardObjects().Count(), 3);
    for (int i : {1, 2}) {
        TKGraphicControl* copy = f.panel.CardObjects().At(i);
        EXPECT_EQ(copy->BoundsRect(), QRect(25, 35, 30, 40));
        EXPECT_TRUE(copy->Name().startsWith(QStringLiteral("Component")));
        EXPECT_EQ(copy->Host(), &f.panel);
    }

    // Copied at 100 % and pasted at 150 %, a copy keeps the size and place it was copied with.
    f.panel.SetZoom(1.5f);
    EXPECT_TRUE(f.panel.Paste(8000));
    TKGraphicControl* zoomed = f.panel.CardObjects().At(3);
    EXPECT_EQ(zoomed->BoundsRect(), QRect(25, 35, 30, 40));
}

TEST(DesignPanel, CutCopyAndDeleteActOnTheSelectionOrOnOneUnselectedObject)
{
    Fixture f;
    TKGraphicControl* a = f.Add(10, 10, 20, 20);
    TKGraphicControl* b = f.Add(50, 10, 20, 20);
    TKGraphicControl* c = f.Add(90, 10, 20, 20);
    f.panel.Select(a);
    f.panel.Select(b);

    // The menu of an unselected object copies and deletes that object alone.
    ASSERT_TRUE(c->PopupMenu()->Trigger(QStringLiteral("Copy")));
    ASSERT_TRUE(f.panel.Paste(1000));
    ASSERT_EQ(f.panel.CardObjects().Count(), 4);
    TKGraphicControl* pasted = f.panel.CardObjects().At(3);
    EXPECT_EQ(pasted->BoundsRect(), QRect(105, 25, 20, 20));
    ASSERT_TRUE(pasted->PopupMenu()->Trigger(QStringLiteral("Delete")));
    EXPECT_EQ(f.panel.CardObjects().Count(), 3);
    EXPECT_EQ(f.Selection(), Selection({a, b}));

    f.panel.KeyDown(Qt::Key_X, Qt::ControlModifier, 2000);
    EXPECT_EQ(f.panel.CardObjects().Objects(), Selection({c}));
    EXPECT_FALSE(f.panel.Frame().Visible());
    f.panel.Paste(3000);
    EXPECT_EQ(f.panel.CardObjects().Count(), 3); // both came back from the cut

    f.panel.SelectAll();
    f.panel.KeyDown(Qt::Key_Delete, Qt::NoModifier, 4000);
    EXPECT_EQ(f.panel.CardObjects().Count(), 0);
}

TEST(DesignPanel, ArrowKeysNudgeTheSelectionWhenTheKeyComesUp)
{
    Fixture f;
    TKGraphicControl* a = f.Add(50, 50, 40, 30);
    f.panel.Select(a);
    f.panel.KeyDown(Qt::Key_Right, Qt::NoModifier, 1000);
    f.panel.KeyDown(Qt::Key_Right, Qt::NoModifier, 1030);
    EXPECT_EQ(a->Left(), 50);
    f.panel.KeyUp(Qt::Key_Right, 1040);
    EXPECT_EQ(a->BoundsRect(), QRect(52, 50, 40, 30));
    EXPECT_EQ(f.panel.Frame().Bounds(), QRect(50, 48, 46, 36));
}

TEST(DesignPanel, CutKeepsTheObjectsWhenTheClipboardCannotBeWrittenAndBadClipboardsAreNamed)
{
    Fixture f;
    TKGraphicControl* a = f.Add(10, 10, 20, 20);
    f.panel.Select(a);
    // A folder where the clipboard file belongs: nothing can be written there.
    QFile::remove(f.panel.ClipboardFile());
    ASSERT_TRUE(QDir().mkpath(f.panel.ClipboardFile()));
    f.panel.KeyDown(Qt::Key_X, Qt::ControlModifier, 1000);
    QDir(f.panel.ClipboardFile()).removeRecursively();
    EXPECT_EQ(f.panel.CardObjects().Objects(), Selection({a}));
    ASSERT_EQ(f.dialogs.messages.size(), 1);
    EXPECT_TRUE(f.dialogs.messages[0].startsWith(QStringLiteral("The objects could not be copied: "))) << f.dialogs.messages[0].toStdString();

    QFile clipboard(f.panel.ClipboardFile());
    ASSERT_TRUE(clipboard.open(QIODevice::WriteOnly));
    clipboard.write("TPF0 not a stream");
    clipboard.close();
    EXPECT_FALSE(f.panel.Paste(5000));
    EXPECT_EQ(f.panel.CardObjects().Count(), 1);
    ASSERT_EQ(f.dialogs.messages.size(), 2);
    EXPECT_TRUE(f.dialogs.messages[1].startsWith(QStringLiteral("The clipboard could not be pasted: ")));
}

TEST(DesignPanel, DestroyingThePanelDeletesItsTemporaryFiles)
{
    QString clipboard, temp;
    {
        Fixture f;
        f.panel.Select(f.Add(1, 1, 10, 10));
        f.panel.Copy();
        clipboard = f.panel.ClipboardFile();
        temp = f.panel.TempFile();
        QFile file(temp);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(QFile::exists(clipboard));
    }
    EXPECT_FALSE(QFile::exists(clipboard));
    EXPECT_FALSE(QFile::exists(temp));
}

// ---- Group commands ----

TEST(DesignPanel, AlignUsesThePanelEdgesAsLimits)
{
    Fixture f;
    TKGraphicControl* a = f.Add(400, 10, 20, 10);
    TKGraphicControl* b = f.Add(500, 30, 40, 10);
    f.panel.Select(a);
    f.panel.Select(b);
    f.panel.AlignLefts();
    EXPECT_EQ(a->Left(), 336);
    EXPECT_EQ(b->Left(), 336);

    a->SetBounds(-80, -50, 20, 10);
    b->SetBounds(-90, -40, 40, 10);
    f.panel.AlignRights();
    EXPECT_EQ(a->Left(), -20);
    EXPECT_EQ(b->Left(), -40);
    f.panel.AlignBottoms();
    EXPECT_EQ(a->Top(), -10);
    EXPECT_EQ(b->Top(), -10);

    a->SetTop(300);
    b->SetTop(250);
    f.panel.AlignTops();
    EXPECT_EQ(a->Top(), 192);
    EXPECT_EQ(b->Top(), 192);
    EXPECT_EQ(f.panel.Frame().Bounds().top(), 190);
}

TEST(DesignPanel, LockSelectabilitySelectAllAndFont)
{
    Fixture f;
    FontProbe* a = f.Add<FontProbe>(10, 10, 20, 20);
    FontProbe* b = f.Add<FontProbe>(50, 10, 20, 20);
    f.panel.LockAll();
    EXPECT_TRUE(a->Locked() && b->Locked());
    f.panel.UnlockAll();
    EXPECT_FALSE(a->Locked() || b->Locked());

    f.panel.SelectAll();
    f.panel.MarkAllUnselectable();
    EXPECT_TRUE(f.Selection().empty());
    f.Click({20, 20}, 1000);
    EXPECT_TRUE(f.Selection().empty());
    b->SetUnselectable(false);
    f.panel.SelectAll();
    EXPECT_EQ(f.Selection(), Selection({b}));

    f.dialogs.answer = false;
    f.panel.ChooseFont();
    EXPECT_TRUE(b->font.isEmpty());
    f.dialogs.answer = true;
    f.panel.ChooseFont();
    EXPECT_EQ(b->font, QStringLiteral("Courier New"));
    EXPECT_TRUE(a->font.isEmpty());

    // Send To Back puts the selection behind the others and clears it.
    f.panel.SendSelectionToBack();
    EXPECT_EQ(f.panel.CardObjects().At(0), b);
    EXPECT_TRUE(f.Selection().empty());
}

TEST(DesignPanel, PopupMenuItemsAndTheirEnablingRules)
{
    Fixture f;
    TKMenu& menu = f.panel.PopupMenu();
    EXPECT_EQ(menu.Captions(), QStringList({"Bring To Front",
                                            "Send To Back",
                                            "-",
                                            "Cut",
                                            "Copy",
                                            "Paste",
                                            "-",
                                            "Delete",
                                            "-",
                                            "Align Left",
                                            "Align Right",
                                            "Align Tops",
                                            "Align Bottoms",
                                            "-",
                                            "Center Vertically",
                                            "Center Horizontally",
                                            "-",
                                            "Lock All",
                                            "Unlock All",
                                            "-",
                                            "Mark All Selectable",
                                            "Mark All Unselectable",
                                            "Select All",
                                            "-",
                                            "Font"}));
    auto enabled = [&](const char* caption) {
        menu.AboutToShow();
        return menu.Find(QLatin1String(caption))->isEnabled();
    };
    EXPECT_FALSE(enabled("Bring To Front"));
    EXPECT_FALSE(enabled("Paste"));
    EXPECT_FALSE(enabled("Lock All"));
    EXPECT_TRUE(enabled("Mark All Selectable"));
    EXPECT_TRUE(enabled("Select All"));

    TKGraphicControl* a = f.Add(10, 10, 20, 20);
    EXPECT_TRUE(enabled("Unlock All"));
    EXPECT_FALSE(enabled("Delete"));
    f.panel.Select(a);
    for (const char* caption :
         {"Bring To Front", "Cut", "Copy", "Delete", "Align Bottoms", "Center Vertically", "Font"})
        EXPECT_TRUE(enabled(caption)) << caption;
    EXPECT_FALSE(enabled("Paste"));
    f.panel.Copy();
    EXPECT_TRUE(enabled("Paste"));

    // Right-clicks: the bare panel shows the panel's menu; one selected object shows its own.
    f.panel.MouseDown({200, 100}, Qt::RightButton, Qt::NoModifier, {}, 1000);
    f.panel.MouseDown({20, 20}, Qt::RightButton, Qt::NoModifier, {}, 2000);
    ASSERT_EQ(f.view.menus.size(), 2u);
    EXPECT_EQ(f.view.menus[0], menu.Captions());
    EXPECT_TRUE(f.view.menus[1].contains(QStringLiteral("Clone")));
    // With several objects selected the frame shows the panel's menu.
    f.panel.Select(f.Add(40, 30, 20, 20));
    f.panel.MouseDown({20, 20}, Qt::RightButton, Qt::NoModifier, {}, 3000);
    EXPECT_EQ(f.view.menus.back(), menu.Captions());
    // Picking from the menu runs the command.
    f.view.pick = QStringLiteral("Align Tops");
    f.panel.MouseDown({200, 100}, Qt::RightButton, Qt::NoModifier, {}, 4000);
    EXPECT_EQ(f.panel.CardObjects().At(1)->Top(), 10);
}

TEST(DesignPanel, DoubleClickOnTheSelectionShowsTheObjectMenuOrEditor)
{
    Fixture f;
    TKGraphicControl* a = f.Add(10, 10, 20, 20);
    f.Click({20, 20}, 1000);
    f.panel.MouseDown({20, 20}, Qt::LeftButton, Qt::NoModifier, {}, 1100);
    f.panel.DoubleClick({20, 20}, {}, 1100);
    ASSERT_EQ(f.view.menus.size(), 1u);
    EXPECT_TRUE(f.view.menus[0].contains(QStringLiteral("Clone")));
    // The double-click ends the drag the second press began.
    f.panel.MouseMove({60, 60}, Qt::LeftButton, 1200);
    f.panel.MouseUp({60, 60}, Qt::LeftButton, Qt::NoModifier, 1400);
    EXPECT_EQ(a->BoundsRect(), QRect(10, 10, 20, 20));

    int edits = 0;
    a->OnEdit = [&] { ++edits; };
    f.panel.DoubleClick({12, 12}, {}, 2000);
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(f.view.menus.size(), 1u);
}

// ---- Zoom and card files ----

TEST(DesignPanel, ZoomIsAViewTheCardItsFileAndItsHistoryStayAsTheyAre)
{
    QTemporaryDir dir;
    Fixture f;
    TKGraphicControl* a = f.Add(10, 20, 33, 41);
    f.panel.History().Reset();
    f.changes = 0;
    const QString before = dir.filePath(QStringLiteral("before.qmk"));
    ASSERT_TRUE(f.panel.SaveToFile(before));
    const QByteArray saved = qmtest::FileBytes(before);
    int n = 0;
    for (const float zoom : {1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.4f, 1.3f, 1.2f, 1.1f, 1.0f, 1.5f}) {
        f.panel.SetZoom(zoom);
        EXPECT_EQ(f.panel.Size(), QSize(336, 192)) << zoom;
        EXPECT_EQ(f.view.size, QSize(int(std::lround(336 * zoom)), int(std::lround(192 * zoom)))) << zoom;
        EXPECT_EQ(a->BoundsRect(), QRect(10, 20, 33, 41)) << zoom;
        const QString file = dir.filePath(QStringLiteral("at%1.qmk").arg(++n));
        ASSERT_TRUE(f.panel.SaveToFile(file));
        EXPECT_EQ(qmtest::FileBytes(file), saved) << "saved at zoom " << zoom;
    }
    EXPECT_EQ(f.changes, 0);
    EXPECT_FALSE(f.panel.History().CanUndo());
    EXPECT_TRUE(f.panel.History().IsClean());
}

TEST(DesignPanel, AtAZoomThePainterIsScaledAndMarkersAndGripsKeepTheirScreenSize)
{
    Fixture f;
    auto* box = f.Add<TBCShapes>(10, 20, 40, 30);
    box->SetTransparent(false);
    box->Brush().SetColor(clRed);
    box->Pen().SetWidth(0);
    f.panel.Select(box);
    f.panel.SetZoom(1.5f);
    EXPECT_EQ(f.panel.ViewSize(), QSize(504, 288));
    QImage view(f.panel.ViewSize(), QImage::Format_RGB32);
    view.fill(Qt::white);
    {
        QPainter painter(&view);
        f.panel.Paint(painter);
    }
    // The box covers (15, 30)-(75, 75) on screen, not (10, 20)-(50, 50) as at 100 %.
    EXPECT_EQ(view.pixelColor(25, 52), QColor(Qt::red));
    EXPECT_EQ(view.pixelColor(65, 52), QColor(Qt::red));
    EXPECT_EQ(view.pixelColor(45, 68), QColor(Qt::red));
    EXPECT_NE(view.pixelColor(80, 52), QColor(Qt::red));
    // The top-left marker is 5 screen pixels square, 2 pixels outside the box's corner on screen.
    EXPECT_EQ(view.pixelColor(13, 28), QColor(Qt::black));
    EXPECT_EQ(view.pixelColor(17, 28), QColor(Qt::black));
    EXPECT_NE(view.pixelColor(18, 28), QColor(Qt::black));
    EXPECT_NE(view.pixelColor(12, 27), QColor(Qt::black));

    // Mouse points come in card units: a grip's reach is 8 screen pixels, 5 and a third card units.
    const QRect frame = f.panel.Frame().Bounds();
    EXPECT_EQ(f.panel.Frame().ZoneAt(QPoint(5, 5)), 1);
    EXPECT_EQ(f.panel.Frame().ZoneAt(QPoint(6, 6)), 0);
    EXPECT_EQ(f.panel.Frame().ZoneAt(QPoint(frame.width() - 5, frame.height() - 5)), 4);
    EXPECT_EQ(f.panel.ToCard(QPointF(16.4, 31.6)), QPoint(10, 21));
    EXPECT_EQ(f.panel.ToView(QRect(10, 20, 40, 30)), QRect(15, 30, 60, 45));
}

TEST(DesignPanel, SavingAtAZoomWritesUnzoomedBoundsAndKeepsTheZoom)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("card.qmk"));
    Fixture f;
    f.Add(10, 20, 30, 40);
    f.panel.SetZoom(1.5f);
    QString error;
    ASSERT_TRUE(f.panel.SaveToFile(card, &error)) << qPrintable(error);
    EXPECT_EQ(f.panel.Zoom(), 1.5f);
    EXPECT_EQ(f.panel.Width(), 336);
    EXPECT_EQ(f.panel.CardObjects().At(0)->BoundsRect(), QRect(10, 20, 30, 40));

    TKCardObjects read;
    ASSERT_TRUE(ReadAll(read, card).ok);
    ASSERT_EQ(read.Count(), 1);
    EXPECT_EQ(read.At(0)->BoundsRect(), QRect(10, 20, 30, 40));

    EXPECT_FALSE(f.panel.SaveToFile(dir.filePath(QStringLiteral("no/such/folder/card.qmk")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(DesignPanel, LoadingAddsToThePanelAndAFaultyFileAddsNothing)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("card.qmk"));
    {
        Fixture source;
        source.Add(1, 2, 30, 40);
        source.Add(5, 6, 30, 40);
        ASSERT_TRUE(source.panel.SaveToFile(card));
    }
    Fixture f;
    f.Add(100, 100, 10, 10);
    const ReadResult loaded = f.panel.LoadFromFile(card);
    EXPECT_TRUE(loaded.ok);
    ASSERT_EQ(f.panel.CardObjects().Count(), 3);
    EXPECT_EQ(f.panel.CardObjects().At(2)->BoundsRect(), QRect(5, 6, 30, 40));
    EXPECT_EQ(f.panel.CardObjects().At(2)->Host(), &f.panel);

    // Cut short in the middle of the second object.
    QFile in(card);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    const QString broken = dir.filePath(QStringLiteral("broken.qmk"));
    QFile out(broken);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(bytes.size() - 10));
    out.close();
    const ReadResult failed = f.panel.LoadFromFile(broken);
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.error.isEmpty());
    EXPECT_EQ(f.panel.CardObjects().Count(), 3);

    EXPECT_TRUE(f.panel.LoadFromFile(dir.filePath(QStringLiteral("missing.qmk"))).ok);
    EXPECT_EQ(f.panel.CardObjects().Count(), 3);
}

TEST(DesignPanel, OffCardObjectsAreRemovedOrPulledBack)
{
    Fixture f;
    TKGraphicControl* keep = f.Add(326, 182, 5, 5); // exactly at both limits
    f.Add(10, 183, 5, 5);
    f.Add(327, 10, 5, 5);
    f.Add(10, 10, 0, 5);
    f.Add(10, 10, 5, 0);
    f.panel.Select(keep);
    f.panel.RemoveOffCardObjects();
    ASSERT_EQ(f.panel.CardObjects().Count(), 1);
    EXPECT_EQ(f.panel.CardObjects().At(0), keep);
    EXPECT_TRUE(f.Selection().empty());

    keep->SetBounds(400, 300, 5, 5);
    f.panel.KeepObjectsOnCard();
    EXPECT_EQ(keep->BoundsRect(), QRect(316, 182, 5, 5));
}

TEST(DesignPanel, GridSizeAndSnappingReachTheFrame)
{
    Fixture f;
    EXPECT_EQ(f.panel.Frame().GridX(), 1);
    f.panel.SetGridSize(gs8x8);
    EXPECT_FALSE(f.panel.Frame().SnapToGrid()); // configuring the steps leaves snapping off
    f.panel.SetSnapToGrid(true);
    EXPECT_EQ(f.panel.Frame().GridX(), 8);
    f.panel.SetGridSize(gs4x4);
    EXPECT_EQ(f.panel.Frame().GridY(), 4);
    f.panel.SetSnapToGrid(false);
    EXPECT_EQ(f.panel.Frame().GridX(), 1);
}

// ---- Painting ----

namespace {

// Fills its whole painter area; the panel must keep it inside the object's box.
class Block : public TKLineShape
{
public:
    QColor color = Qt::blue;
    void Draw(QPainter& p, const RenderContext&) const override { p.fillRect(-50, -50, 500, 500, color); }
};

QImage Render(TKBasePanel& panel)
{
    QImage image(panel.Size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter p(&image);
    panel.Paint(p);
    return image;
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kBlack = qRgb(0, 0, 0);

} // namespace

TEST(DesignPanelPaint, GridDotsAreGreenAndClippedToTheCard)
{
    TKBasePanel panel;
    panel.SetShape(lsRectangle);
    panel.SetShowGrid(true);
    QImage image = Render(panel);
    EXPECT_EQ(image.pixel(2, 2), kGreen);
    EXPECT_EQ(image.pixel(6, 2), kGreen);
    EXPECT_EQ(image.pixel(6, 6), kGreen);
    EXPECT_EQ(image.pixel(3, 2), kWhite);
    EXPECT_EQ(image.pixel(0, 0), kWhite);

    panel.SetGridSize(gs8x8);
    image = Render(panel);
    EXPECT_EQ(image.pixel(2, 2), kGreen);
    EXPECT_EQ(image.pixel(6, 2), kWhite);
    EXPECT_EQ(image.pixel(10, 10), kGreen);

    // The rounded corner keeps its dots out.
    panel.SetShape(lsRoundRect);
    panel.SetGridSize(gs4x4);
    image = Render(panel);
    EXPECT_EQ(image.pixel(2, 2), kWhite);
    EXPECT_EQ(image.pixel(14, 2), kGreen);
}

TEST(DesignPanelPaint, OutlineIsDottedAndFollowsTheShape)
{
    TKBasePanel panel;
    panel.SetShape(lsRectangle);
    panel.SetDrawOutline(true);
    QImage image = Render(panel);
    int black = 0, white = 0;
    for (int x = 0; x < 30; ++x)
        (image.pixel(x, 0) == kBlack ? black : white) += 1;
    EXPECT_GT(black, 5);
    EXPECT_GT(white, 5);
    bool rightEdge = false;
    for (int y = 50; y < 60; ++y)
        rightEdge |= image.pixel(335, y) == kBlack;
    EXPECT_TRUE(rightEdge);
    EXPECT_EQ(image.pixel(1, 50), kWhite);

    panel.SetShape(lsEllipse);
    image = Render(panel);
    EXPECT_EQ(image.pixel(0, 0), kWhite);
    EXPECT_EQ(image.pixel(1, 1), kWhite);
    panel.SetDrawOutline(false);
    image = Render(panel);
    for (int x = 0; x < 336; x += 7)
        ASSERT_EQ(image.pixel(x, 96), kWhite) << x;
}

TEST(DesignPanelPaint, ObjectsPaintBackToFrontInTheirBoxesWithMarkersOnTop)
{
    TKBasePanel panel;
    auto back = std::make_unique<Block>();
    auto front = std::make_unique<Block>();
    front->color = Qt::yellow;
    Block* b = back.get();
    Block* f = front.get();
    panel.CardObjects().Add(std::move(back));
    panel.CardObjects().Add(std::move(front));
    b->SetBounds(20, 20, 40, 40);
    f->SetBounds(40, 40, 40, 40);
    QImage image = Render(panel);
    EXPECT_EQ(image.pixel(30, 30), QColor(Qt::blue).rgb());
    EXPECT_EQ(image.pixel(50, 50), QColor(Qt::yellow).rgb());
    EXPECT_EQ(image.pixel(19, 30), kWhite);
    EXPECT_EQ(image.pixel(80, 50), kWhite);

    panel.Select(b);
    image = Render(panel);
    EXPECT_EQ(image.pixel(18, 18), kBlack);                   // corner marker outside the box
    EXPECT_EQ(image.pixel(20 + 40 + 1, 20 + 40 + 1), kBlack); // and under the front object's paint
}

TEST(DesignPanelPaint, TheRubberBandShowsOnlyWhileDragging)
{
    TKBasePanel panel;
    panel.SetShape(lsRectangle);
    panel.MouseDown({100, 50}, Qt::LeftButton, Qt::NoModifier, {}, 1000);
    panel.MouseMove({200, 120}, Qt::LeftButton, 1100);
    QImage image = Render(panel);
    int marked = 0;
    for (int x = 100; x < 200; ++x)
        marked += image.pixel(x, 50) != kWhite;
    EXPECT_GT(marked, 20);
    EXPECT_EQ(image.pixel(150, 80), kWhite);
    panel.MouseUp({200, 120}, Qt::LeftButton, Qt::NoModifier, 1200);
    image = Render(panel);
    for (int x = 100; x < 200; ++x)
        ASSERT_EQ(image.pixel(x, 50), kWhite) << x;
}

TEST(DesignPanel, OpeningACardIsNoChangeButTheFirstMoveOfALabelIs)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("labels.qmk"));
    {
        Fixture source;
        source.Add<TKPLabel>(10, 10, 142, 33);
        ASSERT_TRUE(source.panel.SaveToFile(card));
    }
    Fixture f;
    ASSERT_TRUE(f.panel.LoadFromFile(card).ok);
    QImage image(f.panel.Width(), f.panel.Height(), QImage::Format_ARGB32);
    QPainter painter(&image);
    f.panel.Paint(painter); // the label lays out its text and settles its box
    EXPECT_EQ(f.changes, 0);
    TKGraphicControl* label = f.panel.CardObjects().At(0);
    label->SetLeft(label->Left() + 3);
    EXPECT_EQ(f.changes, 1);
}

TEST(DesignPanel, AThinOutlineShowsOnEveryEdgeAtEveryZoom)
{
    Fixture f;
    auto* box = f.Add<TBCShapes>(10, 21, 40, 30);
    box->Pen().SetWidth(1);
    for (float zoom : {1.0f, 1.25f, 1.5f, 2.0f, 3.0f}) {
        f.panel.SetZoom(zoom);
        QImage view(f.panel.ViewSize(), QImage::Format_RGB32);
        view.fill(Qt::white);
        {
            QPainter painter(&view);
            f.panel.Paint(painter);
        }
        // Somewhere within two pixels of each edge of the box on screen, a dark pixel.
        const QRect r = f.panel.ToView(QRect(10, 21, 40, 30));
        auto darkNear = [&](QPoint p, QPoint step) {
            for (int i = -1; i <= 2; ++i) {
                const QPoint q = p + step * i;
                if (qGray(view.pixel(q)) < 128)
                    return true;
            }
            return false;
        };
        const QPoint c = r.center();
        EXPECT_TRUE(darkNear(QPoint(c.x(), r.top()), QPoint(0, 1))) << "top at " << zoom;
        EXPECT_TRUE(darkNear(QPoint(r.left(), c.y()), QPoint(1, 0))) << "left at " << zoom;
        EXPECT_TRUE(darkNear(QPoint(c.x(), r.bottom()), QPoint(0, -1))) << "bottom at " << zoom;
        EXPECT_TRUE(darkNear(QPoint(r.right(), c.y()), QPoint(-1, 0))) << "right at " << zoom;
        // Nothing is drawn outside the pixels the box touches.
        EXPECT_EQ(qGray(view.pixel(r.left() - 1, c.y())), 255) << zoom;
        EXPECT_EQ(qGray(view.pixel(c.x(), r.top() - 1)), 255) << zoom;
    }
}
