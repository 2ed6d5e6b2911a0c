// SPDX-License-Identifier: GPL-3.0-or-later
// Business card panel: drawing modes, description files, the export picture, fonts, personal information.
#include "settings/preferences.h"
#include "objects/templatefile.h"
#include "design/cardpanel.h"
#include "model/objectdialogs.h"
#include "model/objectmenu.h"
#include "app/personalinfo_ui.h"
#include "objects/shapes/cardshape.h"
#include "objects/shapes/picture.h"
#include "objects/shapes/line.h"
#include "objects/shapes/supershape.h"
#include "objects/text/personallabel.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/symbollabel.h"
#include "objects/text/supertext.h"
#include "platform/profile.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace qm;

namespace {

constexpr TColor kNavy = 0x800000;

class FakeView : public PanelView
{
public:
    TKCursorShape cursor = TKCursorShape::Default;
    void InvalidateRect(const QRect&) override {}
    void SetCursorShape(TKCursorShape shape) override { cursor = shape; }
    void ShowMenu(TKMenu&, QPoint) override {}
    void ProcessEvents() override {}
    void PanelResized(QSize) override {}
    void PostFrameRecompute() override {}
};

// Answers the text dialog of a new label with `typed`, remembering what the label looked like when asked.
class FakeDialogs : public TKDialogs
{
public:
    QString typed;
    QStringList askedCaptions;
    QString askedFont;
    bool ChooseFont(TKFont&) override { return false; }
    bool ChooseColor(TColor&) override { return false; }
    bool EditBusinessCardLabelText(TKBusinessCardLabel& label) override
    {
        askedCaptions << label.Caption();
        askedFont = label.Font().Name();
        label.SetCaption(typed);
        return true;
    }
};

struct Fixture
{
    TKBusinessCardPanel32 panel;
    FakeView view;
    FakeDialogs dialogs;
    QTemporaryDir dir;

    Fixture()
    {
        panel.SetView(&view);
        panel.SetDialogs(&dialogs);
    }
    TKGraphicControl* Draw(TLPanelState state, const QRect& rect)
    {
        panel.SetPanelState(state);
        panel.CreateObject(rect);
        return panel.CardObjects().At(panel.CardObjects().Count() - 1);
    }
    QString File(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString WriteText(const char* name, const char* text) const
    {
        QFile file(File(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    template <class T> std::vector<T*> All() const
    {
        std::vector<T*> found;
        for (TKGraphicControl* object : panel.CardObjects().Objects()) {
            if (auto* t = dynamic_cast<T*>(object))
                found.push_back(t);
        }
        return found;
    }
    template <class T> T* Add(const QRect& box)
    {
        auto* object = static_cast<T*>(panel.CardObjects().Add(std::make_unique<T>()));
        object->SetBounds(box.x(), box.y(), box.width(), box.height());
        return object;
    }
};

} // namespace

// ---- Drawing modes ----

TEST(BusinessCardPanel, SmallRectanglesAreRaisedToFiftyByFifteen)
{
    Fixture f;
    f.panel.SetPanelState(psRectangle);
    EXPECT_EQ(f.view.cursor, TKCursorShape::Drag);
    QRect dropped;
    f.panel.DroppedObjectEvent = [&](const QRect& r) { dropped = r; };
    f.panel.MouseDown({40, 40}, Qt::LeftButton, Qt::NoModifier, {}, 1000);
    f.panel.MouseMove({43, 43}, Qt::LeftButton, 1020);
    f.panel.MouseUp({43, 43}, Qt::LeftButton, Qt::NoModifier, 1100);
    ASSERT_EQ(f.panel.CardObjects().Count(), 1);
    EXPECT_EQ(f.panel.CardObjects().At(0)->BoundsRect(), QRect(40, 40, 50, 15));
    EXPECT_EQ(dropped, QRect(40, 40, 3, 3));
    EXPECT_EQ(f.panel.PanelState(), psRectangle); // the window puts the pointer back, not the panel

    EXPECT_EQ(f.Draw(psRectangle, QRect(5, 5, 24, 14))->BoundsRect(), QRect(5, 5, 50, 15));
    EXPECT_EQ(f.Draw(psRectangle, QRect(5, 5, 25, 15))->BoundsRect(), QRect(5, 5, 25, 15));
    // A line keeps the length it was drawn with.
    auto* line = static_cast<TKLineShape*>(f.Draw(psLine, QRect(20, 30, 30, 5)));
    EXPECT_EQ(line->BoundsRect(), QRect(20, 30, 30, 15));
    EXPECT_EQ(line->LineStyle(), stHorizontal);
}

TEST(BusinessCardPanel, TheLineToolDrawsTheLineTheMouseWent)
{
    const struct
    {
        QPoint from, to;
        TLineStyle style;
        QRect box;
        QPoint ink[2]; // the ends of the line on the card's picture
    } drags[] = {
        {{30, 40}, {230, 44}, stHorizontal, {30, 40, 200, 15}, {{30, 40}, {229, 40}}},
        {{230, 44}, {30, 40}, stHorizontal, {30, 44, 200, 15}, {{30, 44}, {229, 44}}},
        {{100, 170}, {103, 20}, stVertical, {100, 20, 10, 150}, {{100, 20}, {100, 169}}},
        {{40, 20}, {140, 80}, stAngleSlopingDown, {40, 20, 100, 60}, {{40, 20}, {139, 79}}},
        {{140, 80}, {40, 20}, stAngleSlopingDown, {40, 20, 100, 60}, {{40, 20}, {139, 79}}},
        // Corner to corner: the bottom-left corner's own pixel lies just outside the box.
        {{40, 150}, {140, 90}, stAngleSlopingUp, {40, 90, 100, 60}, {{41, 149}, {139, 90}}},
        {{140, 90}, {40, 150}, stAngleSlopingUp, {40, 90, 100, 60}, {{41, 149}, {139, 90}}},
        {{60, 60}, {61, 60}, stVertical, {60, 60, 10, 15}, {{60, 60}, {60, 74}}}, // a click
    };
    for (const auto& d : drags) {
        SCOPED_TRACE(testing::Message() << "drag from " << d.from.x() << "," << d.from.y() << " to " << d.to.x()
                                        << "," << d.to.y());
        Fixture f;
        f.panel.SetPanelState(psLine);
        f.panel.MouseDown(d.from, Qt::LeftButton, Qt::NoModifier, {}, 1000);
        f.panel.MouseMove((d.from + d.to) / 2, Qt::LeftButton, 1020);
        f.panel.MouseUp(d.to, Qt::LeftButton, Qt::NoModifier, 1100);
        ASSERT_EQ(f.panel.CardObjects().Count(), 1);
        auto* line = static_cast<TKLineShape*>(f.panel.CardObjects().At(0));
        EXPECT_EQ(line->LineStyle(), d.style);
        EXPECT_EQ(line->BoundsRect(), d.box);

        // The card's picture: the line's pixels run between the ends and nowhere else.
        const QImage picture = f.panel.RenderToBitmap();
        QRect ink;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (qGray(picture.pixel(x, y)) < 100)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        EXPECT_EQ(ink, QRect(QPoint(std::min(d.ink[0].x(), d.ink[1].x()), std::min(d.ink[0].y(), d.ink[1].y())),
                             QPoint(std::max(d.ink[0].x(), d.ink[1].x()), std::max(d.ink[0].y(), d.ink[1].y()))));
        EXPECT_LT(qGray(picture.pixel(d.ink[0])), 100);
        EXPECT_LT(qGray(picture.pixel(d.ink[1])), 100);
    }
}

TEST(BusinessCardPanel, EveryModeCreatesItsClassAndOnlyDialogKindsReturnToThePointer)
{
    // By drawing mode from psLabel on.
    const char* const classes[] = {"TKBusinessCardLabel", "TKSymbolLabel", "TKMultiLineLabel",
                                   "TBCShapes",           "TBCShapes",     "TBCShapes",
                                   "TKLineShape",         "TKImage",       "TSuperShape",
                                   "TKPRichBaseLabel",    "TKSuperText",   "TKPCircleText"};
    Fixture f;
    for (int n = 1; n <= 12; ++n) {
        const auto state = TLPanelState(n);
        SCOPED_TRACE(classes[n - 1]);
        TKGraphicControl* object = f.Draw(state, QRect(10, 10, 80, 40));
        EXPECT_STREQ(object->ClassName(), classes[n - 1]);
        EXPECT_EQ(object->Name(), QStringLiteral("Special%1").arg(n));
        const bool backToPointer = state >= psImage;
        EXPECT_EQ(f.panel.PanelState() == psPointing, backToPointer);
        EXPECT_EQ(f.panel.Pointing(), backToPointer);
        EXPECT_EQ(f.view.cursor, backToPointer ? TKCursorShape::Default : TKCursorShape::Drag);
        // The object just drawn, and only it, is selected.
        EXPECT_EQ(f.panel.Frame().Selection(), std::vector<TKGraphicControl*>{object});
    }
    const auto shapes = f.All<TBCShapes>();
    EXPECT_EQ(std::vector<int>({shapes[0]->Shape(), shapes[1]->Shape(), shapes[2]->Shape()}),
              std::vector<int>({stRectangle, stEllipse, stRoundRect}));
    f.panel.CreateObject(QRect(0, 0, 50, 50));
    EXPECT_EQ(f.panel.CardObjects().Count(), 12); // nothing to draw in pointer mode
}

TEST(BusinessCardPanel, ANewLabelTakesThePanelFontOpensItsDialogAndGrowsToTheText)
{
    Fixture f;
    f.panel.Font().SetName(QStringLiteral("Courier New"));
    f.panel.Font().SetSize(14);
    f.panel.SetPersonalStrings({QStringLiteral("Ada Lovelace")});
    f.dialogs.typed = QStringLiteral("Analytical Engine Company, London");
    auto* label = static_cast<TKBusinessCardLabel*>(f.Draw(psLabel, QRect(10, 10, 30, 15)));

    EXPECT_EQ(f.dialogs.askedCaptions, QStringList{QStringLiteral("Text")});
    EXPECT_EQ(f.dialogs.askedFont, QStringLiteral("Courier New"));
    EXPECT_EQ(label->Font().Size(), 14);
    EXPECT_EQ(label->Caption(), f.dialogs.typed);
    EXPECT_GT(label->Width(), 200); // grown to the typed text
    // On the panel its menu offers the personal information first.
    ASSERT_NE(label->PopupMenu(), nullptr);
    EXPECT_EQ(label->PopupMenu()->Captions().value(0), TKBusinessCardLabel::PersonalMenuCaption());
    EXPECT_EQ(label->Host()->PersonalStrings(),
              QStringList({"Ada Lovelace", "", "", "", "", "", "", "", "", ""}));

    auto* text = static_cast<TKMultiLineLabel*>(f.Draw(psMultiLineLabel, QRect(0, 0, 60, 60)));
    EXPECT_EQ(text->Font().Name(), QStringLiteral("Courier New"));
}

// ---- Description files ----

TEST(BusinessCardPanel, ADescriptionWrittenReadsBackWithEveryKind)
{
    Fixture f;
    auto* line = f.Add<TKLineShape>(QRect(10, 100, 200, 6));
    line->SetLineStyle(stAngleSlopingDown);
    line->Pen().SetColor(0x123456);
    line->Pen().SetWidth(3);
    auto* shape = f.Add<TBCShapes>(QRect(5, 6, 70, 40));
    shape->SetShape(stRoundRect);
    shape->SetTransparent(false);
    shape->Brush().SetColor(clYellow);
    shape->Pen().SetWidth(2);
    f.Add<TBCShapes>(QRect(100, 6, 30, 30))->SetShape(stCircle);
    f.Add<TKImage>(QRect(250, 120, 80, 60));
    auto* name = f.Add<TKBusinessCardLabel>(QRect(20, 20, 150, 25));
    name->SetCaption(QStringLiteral("  Your Own Name "));
    name->Font().SetName(QStringLiteral("Times New Roman"));
    name->Font().SetSize(16);
    name->Font().SetColor(kNavy);
    name->Font().SetStyle((1u << fsBold) | (1u << fsUnderline));
    name->SetDepthShadow(3);
    name->SetColorShadow(0x00FF8040);
    f.Add<TKBusinessCardLabel>(QRect(20, 60, 100, 20))->SetCaption(QStringLiteral("back"));
    f.Add<TKBusinessCardLabel>(QRect(20, 80, 100, 20))->SetCaption(QStringLiteral("front"));
    f.Add<TSuperShape>(QRect(0, 0, 30, 30))->SetVectors(7); // any other kind: an "Object" section
    f.panel.SetPortraitMode(true);
    f.panel.SetZoom(1.5f); // coordinates are written at 1.0 all the same

    const QString file = f.File("card.qmkt");
    ASSERT_TRUE(CardTemplate::Write(f.panel, file, QStringLiteral("C:\\Art\\waves.bmp")));
    const ProfileFile ini(file);
    EXPECT_EQ(ini.ReadSections(),
              QStringList(
                  {"Object1", "Label1", "Label2", "Name", "Logo", "Shape1", "Shape2", "Line1", "Card Data"}));
    EXPECT_EQ(ini.ReadString("Object1", "Type"), QStringLiteral("TSuperShape"));
    EXPECT_EQ(ini.ReadString("Label1", "Caption"), QStringLiteral("front")); // front to back
    EXPECT_EQ(ini.ReadString("Name", "Font Style"), QStringLiteral("[fsBold,fsUnderline]"));
    EXPECT_EQ(ini.ReadString("Name", "Shadow Color"), QStringLiteral("$00FF8040"));
    EXPECT_EQ(ini.ReadString("Shape1", "Type"), QStringLiteral("stEllipse"));
    EXPECT_EQ(ini.ReadString("Card Data", "Background File"), QStringLiteral("waves.bmp"));
    EXPECT_EQ(f.panel.Zoom(), 1.5f);

    TKBusinessCardPanel32 read;
    EXPECT_EQ(CardTemplate::Read(read, file), QStringLiteral("waves.bmp"));
    EXPECT_TRUE(read.PortraitMode());
    std::vector<QString> classes;
    for (TKGraphicControl* object : read.CardObjects().Objects())
        classes.push_back(QString::fromLatin1(object->ClassName()));
    // Stacked as they were on the card, across kinds.
    EXPECT_EQ(classes, std::vector<QString>({"TKLineShape", "TBCShapes", "TBCShapes", "TKImage",
                                             "TKBusinessCardLabel", "TKBusinessCardLabel", "TKBusinessCardLabel",
                                             "TSuperShape"}));
    EXPECT_EQ(static_cast<TSuperShape*>(read.CardObjects().At(7))->Vectors(), 7);
    auto* s = static_cast<TBCShapes*>(read.CardObjects().At(1));
    EXPECT_EQ(s->BoundsRect(), QRect(5, 6, 70, 40));
    EXPECT_EQ(s->Shape(), stRoundRect);
    EXPECT_FALSE(s->Transparent());
    EXPECT_EQ(s->Brush().Color(), clYellow);
    EXPECT_EQ(s->Pen().Width(), 2);
    auto* l = static_cast<TKLineShape*>(read.CardObjects().At(0));
    EXPECT_EQ(l->BoundsRect(), QRect(10, 100, 200, 15)); // placed like a drawn object: at least 15 high
    EXPECT_EQ(l->LineStyle(), stAngleSlopingDown);
    EXPECT_EQ(l->Pen().Width(), 3);
    auto* n = static_cast<TKBusinessCardLabel*>(read.CardObjects().At(4));
    EXPECT_EQ(n->Caption(), QStringLiteral("{Name}")) << "the user's name, empty here, in its place";
    EXPECT_EQ(n->BoundsRect(), QRect(20, 20, 150, 25));
    EXPECT_EQ(n->Font().Size(), 16);
    EXPECT_EQ(n->Font().Style(), (1u << fsBold) | (1u << fsUnderline));
    EXPECT_EQ(n->Font().Color(), kNavy);
    EXPECT_EQ(n->DepthShadow(), 3);
    EXPECT_EQ(n->ColorShadow(), 0x00FF8040);
    EXPECT_EQ(static_cast<TKBusinessCardLabel*>(read.CardObjects().At(6))->Caption(),
              QStringLiteral("front"));
    auto* logo = static_cast<TKImage*>(read.CardObjects().At(3));
    EXPECT_EQ(logo->BoundsRect(), QRect(250, 120, 48, 48)); // the stored size is not used
    EXPECT_EQ(logo->PictureSize(), QSize(48, 48));
}

TEST(BusinessCardPanel, ADescriptionSurvivesWriteReadWrite)
{
    // Two labels with the same personal caption, a rounded rectangle's corners, kinds interleaved in the
    // stack: what was lost or reordered before.
    Fixture f;
    f.Add<TKBusinessCardLabel>(QRect(10, 10, 120, 20))->SetCaption(QStringLiteral("Your Own Name"));
    auto* rounded = f.Add<TBCShapes>(QRect(5, 5, 90, 50));
    rounded->SetShape(stRoundRect);
    rounded->SetRoundPerc(40);
    f.Add<TKLineShape>(QRect(0, 60, 150, 15));
    f.Add<TKBusinessCardLabel>(QRect(10, 70, 120, 20))->SetCaption(QStringLiteral("Your Own Name"));
    f.Add<TBCShapes>(QRect(100, 5, 30, 30));
    const QString first = f.File("first.qmkt"), second = f.File("second.qmkt");
    ASSERT_TRUE(CardTemplate::Write(f.panel, first, QString()));

    TKBusinessCardPanel32 read;
    CardTemplate::Read(read, first);
    ASSERT_EQ(read.CardObjects().Count(), 5);
    EXPECT_EQ(static_cast<TBCShapes*>(read.CardObjects().At(1))->RoundPerc(), 40);
    std::vector<QString> classes;
    for (TKGraphicControl* object : read.CardObjects().Objects())
        classes.push_back(QString::fromLatin1(object->ClassName()));
    EXPECT_EQ(classes, std::vector<QString>({"TKBusinessCardLabel", "TBCShapes", "TKLineShape",
                                             "TKBusinessCardLabel", "TBCShapes"}));
    EXPECT_EQ(read.CardObjects().At(3)->BoundsRect().top(), 70);

    ASSERT_TRUE(CardTemplate::Write(read, second, QString()));
    QFile a(first), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    // A file without places in the stack (as older files are) still reads kind by kind.
    TKBusinessCardPanel32 old;
    CardTemplate::Read(old, f.WriteText("old.qmkt", "[Name]\r\nWidth=80\r\n[Line1]\r\nWidth=40\r\n"
                                                     "[Shape1]\r\nWidth=30\r\n"));
    ASSERT_EQ(old.CardObjects().Count(), 3);
    EXPECT_STREQ(old.CardObjects().At(0)->ClassName(), "TBCShapes");
    EXPECT_STREQ(old.CardObjects().At(2)->ClassName(), "TKBusinessCardLabel");
}

TEST(BusinessCardPanel, PersonalSectionsTakeTheUsersValueThenTheCaptionThenThePlaceholder)
{
    Fixture f;
    const QString file = f.WriteText("p.qmkt", "[Name]\r\nCaption=Stored Name\r\nWidth=100\r\nHeight=20\r\n"
                                               "[Company]\r\nCaption=\r\nWidth=100\r\n"
                                               "[Title]\r\nWidth=100\r\n"
                                               "[Label1]\r\nCaption=  \r\nWidth=100\r\n");
    const auto captions = [&](const QStringList& personal) {
        TKBusinessCardPanel32 panel;
        panel.SetPersonalStrings(personal);
        CardTemplate::Read(panel, file);
        QStringList result;
        for (TKGraphicControl* object : panel.CardObjects().Objects())
            result << static_cast<TKBusinessCardLabel*>(object)->Caption();
        return result;
    };
    // A personal field left empty becomes its placeholder, unless the designer stored text of their own; a
    // free label has no placeholder: a blank caption stays empty.
    EXPECT_EQ(captions({}), QStringList({"Stored Name", "{Company}", "{Title}", ""}));
    EXPECT_EQ(captions({"Ada", " ", "Countess"}), QStringList({"Ada", "{Company}", "Countess", ""}));
}

// A detail of the user's too long for its box is made a point smaller at a time until it shows whole, at
// every alignment; the box keeps its place and width, a short detail keeps the designed size, and a stored
// caption is left as designed.
TEST(BusinessCardPanel, ADetailLongerThanItsBoxIsMadeSmallerUntilItShowsWhole)
{
    Fixture f;
    const QString file = f.WriteText(
        "long.qmkt", "[Email]\r\nCaption=Email Address\r\nLeft=192\r\nTop=98\r\nWidth=130\r\nHeight=15\r\n"
                     "Font Name=Liberation Serif\r\nFont Size=8\r\nAlignment=1\r\n"
                     "[Name]\r\nLeft=20\r\nTop=20\r\nWidth=200\r\nHeight=26\r\nFont Name=Liberation Sans\r\n"
                     "Font Size=16\r\nAlignment=2\r\n"
                     "[Company]\r\nCaption=A Stored Caption Far Too Long For Its Box\r\nLeft=20\r\nTop=60\r\n"
                     "Width=60\r\nFont Size=9\r\n");
    const auto read = [&](const QStringList& personal, std::vector<TKBusinessCardLabel*>& labels) {
        f.panel.ClearAll();
        f.panel.SetPersonalStrings(personal);
        CardTemplate::Read(f.panel, file);
        labels = f.All<TKBusinessCardLabel>();
        ASSERT_EQ(labels.size(), 3u);
    };
    std::vector<TKBusinessCardLabel*> labels;
    read({"Ada Lee", "", "", "", "", "", "", "", "ada@lee.example"}, labels);
    EXPECT_EQ(labels[0]->Font().Size(), 16) << "a short detail keeps its size";
    EXPECT_EQ(labels[2]->Font().Size(), 8);
    EXPECT_EQ(labels[1]->Font().Size(), 9) << "a stored caption is the designer's";

    read({"Alexandra Montgomery-Wolf", "", "", "", "", "", "", "", "alexandra.montgomery@nbads.com"}, labels);
    for (TKBusinessCardLabel* label : {labels[0], labels[2]}) {
        SCOPED_TRACE(label->Caption().toStdString());
        const int left = label->LastLayout().mainOrigin.x();
        EXPECT_GE(left, 0);
        EXPECT_LE(left + QFontMetrics(label->DrawingFont()).horizontalAdvance(label->Caption()), label->Width());
        EXPECT_TRUE(label->ShowsWhole());
    }
    EXPECT_LT(labels[0]->Font().Size(), 16);
    EXPECT_LT(labels[2]->Font().Size(), 8);
    EXPECT_EQ(labels[2]->BoundsRect().topLeft(), QPoint(192, 98));
    EXPECT_EQ(labels[2]->Width(), 130);
    labels[0]->Font().SetSize(labels[0]->Font().Size() + 1);
    EXPECT_FALSE(labels[0]->ShowsWhole()) << "a point at a time: one point larger would not show whole";

    // Past the smallest size the text stays cut rather than unreadable.
    read({QString(200, QLatin1Char('W'))}, labels);
    EXPECT_EQ(labels[0]->Font().Size(), 6);
}

TEST(BusinessCardPanel, NumberedSectionsRunFromOneToFifteenWithGaps)
{
    Fixture f;
    const QString file = f.WriteText("n.qmkt", "[Shape3]\r\nWidth=30\r\nHeight=20\r\nShape=4\r\n"
                                               "[Shape16]\r\nWidth=30\r\n[Line15]\r\nWidth=40\r\n"
                                               "[Line16]\r\nWidth=40\r\n[Label16]\r\nWidth=40\r\n");
    CardTemplate::Read(f.panel, file);
    ASSERT_EQ(f.panel.CardObjects().Count(), 2);
    auto* shape = f.All<TBCShapes>().at(0);
    EXPECT_EQ(shape->Shape(), stEllipse);
    // Defaults of a shape section: transparent, clear brush, black one-pixel pen.
    EXPECT_TRUE(shape->Transparent());
    EXPECT_EQ(shape->Brush().Style(), bsClear);
    EXPECT_EQ(shape->Pen().Color(), clBlack);
    EXPECT_EQ(f.All<TKLineShape>().size(), 1u);
}

TEST(BusinessCardPanel, ColoursAreNamesOrDollarHex)
{
    EXPECT_EQ(CardTemplate::ColorToString(clRed), QStringLiteral("clRed"));
    EXPECT_EQ(CardTemplate::ColorToString(0x00123456), QStringLiteral("$00123456"));
    EXPECT_EQ(CardTemplate::ColorToString(TColor(0x8000000F)), QStringLiteral("clBtnFace"));
    TColor c = 0;
    EXPECT_TRUE(CardTemplate::StringToColor(QStringLiteral("clred"), &c));
    EXPECT_EQ(c, clRed);
    EXPECT_TRUE(CardTemplate::StringToColor(QStringLiteral("$00ff8040"), &c));
    EXPECT_EQ(c, 0x00FF8040);
    EXPECT_TRUE(CardTemplate::StringToColor(QStringLiteral("255"), &c));
    EXPECT_EQ(c, clRed);
    for (const char* bad : {"", "$", "banana", "$123456789", "clPlaid", "12abc"})
        EXPECT_FALSE(CardTemplate::StringToColor(QLatin1String(bad), &c)) << bad;
}

TEST(BusinessCardPanel, BackgroundNamesLoseTheirFolders)
{
    Fixture f;
    const QString file =
        f.WriteText("b.qmkt", "[Card Data]\r\nBackground File=..\\..\\secret\\waves.bmp\r\n");
    EXPECT_EQ(CardTemplate::Read(f.panel, file), QStringLiteral("waves.bmp"));
    EXPECT_TRUE(CardTemplate::BackgroundArtPath(QStringLiteral("/etc/waves.bmp"))
                    .endsWith(QStringLiteral("/bg/waves.bmp")));
    EXPECT_TRUE(CardTemplate::BackgroundArtPath(QStringLiteral("  ")).isEmpty());
    EXPECT_TRUE(CardTemplate::BackgroundArtPath(QStringLiteral("C:\\..")).isEmpty());
}

TEST(BusinessCardPanel, BrokenOrMissingDescriptionsGiveDefaults)
{
    Fixture f;
    f.panel.SetPortraitMode(true);
    EXPECT_TRUE(CardTemplate::Read(f.panel, f.File("missing.qmkt")).isEmpty());
    EXPECT_FALSE(f.panel.PortraitMode());
    EXPECT_EQ(f.panel.CardObjects().Count(), 0);

    const QString file = f.WriteText(
        "g.qmkt",
        "\x01\xff garbage\r\n[Shape1]\r\nWidth=abc\r\n"
        "[Shape2]\r\nWidth=40\r\nShape=99\r\nPen Width=999999\r\nBrush Style=-1\r\nLeft=2147483647\r\n"
        "[Name]\r\nWidth=80\r\nFont Size=-5\r\nFont Name=\r\nAlignment=7\r\nShadow Direction=x\r\n"
        "Angle=45\r\nFont Style=[fsBold\r\n[Thing]\r\nType=psMystery\r\n[Logo]\r\nWidth=-3\r\n"
        // Not base 64; a cut-short record; a class nobody knows ("TPF0" "TNope" with no properties).
        "[Object1]\r\nData=@@@@\r\n[Object2]\r\nData=AVRQRjAM\r\n[Object3]\r\nData=AVRQRjAFVE5vcGUAAAAA\r\n"
        "[Card Data]\r\nPortrait Mode=maybe\r\n");
    EXPECT_TRUE(CardTemplate::Read(f.panel, file).isEmpty());
    EXPECT_FALSE(f.panel.PortraitMode());
    ASSERT_EQ(f.All<TBCShapes>().size(), 1u);
    auto* shape = f.All<TBCShapes>()[0];
    EXPECT_EQ(shape->Shape(), stRectangle);
    EXPECT_EQ(shape->Pen().Width(), 1);
    EXPECT_EQ(shape->Brush().Style(), bsClear);
    EXPECT_EQ(shape->Left(), 0);
    auto* name = f.All<TKBusinessCardLabel>().at(0);
    EXPECT_EQ(name->Caption(), QStringLiteral("{Name}")) << "no caption: the user's name, empty here";
    EXPECT_EQ(name->Font().Size(), 10);
    EXPECT_EQ(name->Font().Name(), QStringLiteral("Arial"));
    EXPECT_TRUE(name->Font().HasStyle(fsBold));
    EXPECT_EQ(name->Alignment(), taLeftJustify);
    EXPECT_EQ(name->DirectionShadow(), sdDownLeft);
    EXPECT_EQ(name->Angle(), 0);
    EXPECT_EQ(f.All<TKImage>().size(), 1u); // a negative width is still a width
    EXPECT_EQ(f.panel.CardObjects().Count(), 3);
}

TEST(BusinessCardPanel, ReadingAtAZoomKeepsTheCardUnits)
{
    Fixture f;
    f.panel.SetZoom(1.5f);
    CardTemplate::Read(f.panel,
        f.WriteText("z.qmkt", "[Shape1]\r\nLeft=20\r\nTop=10\r\nWidth=40\r\nHeight=20\r\n"));
    EXPECT_EQ(f.panel.Zoom(), 1.5f);
    EXPECT_EQ(f.panel.CardObjects().At(0)->BoundsRect(), QRect(20, 10, 40, 20));
}

TEST(BusinessCardPanel, AFailedWriteKeepsTheOldFileAndAWriteStartsAfresh)
{
    Fixture f;
    const QString file = f.WriteText("old.qmkt", "[Shape5]\r\nWidth=40\r\n");
    f.Add<TBCShapes>(QRect(0, 0, 20, 20));
    ASSERT_TRUE(CardTemplate::Write(f.panel, file, QString()));
    EXPECT_FALSE(ProfileFile(file).SectionExists("Shape5"));
    QString error;
    EXPECT_FALSE(CardTemplate::Write(f.panel, f.File("no/such/folder/x.qmkt"), QString(), &error));
    EXPECT_FALSE(error.isEmpty());
}

// ---- Export picture, fonts, special effects ----

TEST(BusinessCardPanel, RenderToBitmapDrawsTheCardAtFullSizeWithoutMarkersOrGrid)
{
    Fixture f;
    auto* shape = f.Add<TBCShapes>(QRect(100, 50, 40, 30));
    shape->SetTransparent(false);
    shape->Brush().SetColor(clRed);
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::blue);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "BMP");
    f.panel.ColorPicture().SetGraphic("TBitmap", bmp);
    f.panel.SetShowGrid(true);
    f.panel.SetDrawOutline(true);
    f.panel.Select(shape);
    f.panel.SetZoom(1.5f);

    const QImage plain = f.panel.RenderToBitmap();
    EXPECT_EQ(plain.size(), QSize(336, 192));
    EXPECT_EQ(f.panel.Zoom(), 1.5f);
    EXPECT_EQ(f.panel.Size(), QSize(336, 192));
    EXPECT_EQ(f.panel.ViewSize(), QSize(504, 288));
    EXPECT_EQ(plain.pixelColor(120, 65), QColor(Qt::red));
    EXPECT_EQ(plain.pixelColor(0, 0), QColor(Qt::blue));   // no outline over the background
    EXPECT_EQ(plain.pixelColor(98, 48), QColor(Qt::blue)); // no selection markers
    EXPECT_EQ(plain.pixelColor(2, 2), QColor(Qt::blue));   // no grid dot

    const QImage framed = f.panel.RenderToBitmap(true);
    for (const QPoint p : {QPoint(0, 0), QPoint(335, 0), QPoint(0, 191), QPoint(335, 191), QPoint(170, 191)})
        EXPECT_EQ(framed.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    EXPECT_EQ(framed.pixelColor(1, 1), QColor(Qt::blue));
}

TEST(BusinessCardPanel, FontNamesAndSpecialEffects)
{
    Fixture f;
    auto* label = f.Add<TKBusinessCardLabel>(QRect(0, 0, 50, 20));
    auto* text = f.Add<TKMultiLineLabel>(QRect(0, 0, 50, 20));
    auto* plain = f.Add<TKPLabel>(QRect(0, 0, 50, 20));
    auto* symbol = f.Add<TKSymbolLabel>(QRect(0, 0, 50, 20));
    f.panel.SetTextFontName(QString(300, QLatin1Char('G')));
    EXPECT_EQ(label->Font().Name(), QString(255, QLatin1Char('G')));
    EXPECT_EQ(text->Font().Name(), QString(255, QLatin1Char('G')));
    EXPECT_EQ(plain->Font().Name(), QStringLiteral("Arial"));
    EXPECT_EQ(symbol->Font().Name(), QStringLiteral("WingDings"));

    EXPECT_FALSE(f.panel.HasSpecialEffects());
    f.panel.CardObjects().Delete(f.Add<TSuperShape>(QRect(0, 0, 20, 20)));
    f.Add<TKSuperText>(QRect(0, 0, 20, 20));
    EXPECT_TRUE(f.panel.HasSpecialEffects());
    f.panel.ClearAll();
    f.Add<TSuperShape>(QRect(0, 0, 20, 20));
    EXPECT_TRUE(f.panel.HasSpecialEffects());
}

// ---- Personal information dialog ----

TEST(PersonalInformation, FieldsInOrderAndOkStoresExactlyWhatWasTyped)
{
    QTemporaryDir dir;
    const Preferences prefs(dir.filePath(QStringLiteral("qmk.ini")));
    TKBusinessCardPanel32 panel;
    TPersonalInformation dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Personal Information"));
    // Each field's label is its buddy.
    QStringList captions;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        for (int i = 0; i < TPersonalInformation::kFieldCount; ++i) {
            if (label->buddy() == dialog.Field(i))
                captions << QString::number(i) + label->text();
        }
    }
    captions.sort();
    EXPECT_EQ(captions, QStringList({"0Name", "1Company", "2Title", "3Address 1", "4Address 2", "5Address 3",
                                     "6Phone 1", "7Phone 2", "8E-mail", "9Fax"}));
    EXPECT_EQ(dialog.Field(8)->objectName(), QStringLiteral("pPersonalEmail"));
    EXPECT_EQ(dialog.Field(9)->width(), 301);

    dialog.SetValues({" Ada ", "Engines Ltd"});
    EXPECT_EQ(dialog.Values().size(), 10);
    dialog.Field(1)->clear();
    ASSERT_TRUE(StorePersonalInformation(dialog.Values(), prefs, panel));
    EXPECT_EQ(prefs.LoadPersonalInfo().value(0), QStringLiteral(" Ada ")); // not trimmed
    EXPECT_EQ(prefs.LoadPersonalInfo().value(1), QString());
    EXPECT_EQ(panel.PersonalStrings(), dialog.Values());
}

TEST(PersonalInformation, CancelChangesNothingAndOkStoresAndHandsOver)
{
    QTemporaryDir dir;
    const Preferences prefs(dir.filePath(QStringLiteral("qmk.ini")));
    ASSERT_TRUE(prefs.SavePersonalInfo({"Ada"}));
    TKBusinessCardPanel32 panel;
    // Types into the modal dialog once it is up, then presses the button of that name.
    const auto answerWith = [](const char* button) {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [timer, button] {
            auto* dialog = qobject_cast<TPersonalInformation*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            timer->deleteLater();
            timer->stop();
            EXPECT_EQ(dialog->Field(0)->text(), QStringLiteral("Ada"));
            dialog->Field(0)->setText(QStringLiteral("Grace"));
            dialog->findChild<QPushButton*>(QLatin1String(button))->click();
        });
        timer->start(10);
    };
    answerWith("Cancelbutton");
    EXPECT_FALSE(EditPersonalInformation(nullptr, prefs, panel));
    EXPECT_EQ(prefs.LoadPersonalInfo().value(0), QStringLiteral("Ada"));
    EXPECT_EQ(panel.PersonalStrings().value(0), QString());

    answerWith("OKButton");
    EXPECT_TRUE(EditPersonalInformation(nullptr, prefs, panel));
    EXPECT_EQ(prefs.LoadPersonalInfo().value(0), QStringLiteral("Grace"));
    EXPECT_EQ(panel.PersonalStrings().value(0), QStringLiteral("Grace"));
}
