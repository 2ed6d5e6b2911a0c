// SPDX-License-Identifier: GPL-3.0-or-later
// Text objects: what each class writes into a card file, round trips, and the setter rules.
#include "model/cardobjects.h"
#include "stream/streamdump.h"
#include "stream/streamreader.h"
#include "model/classregistry.h"
#include "stream/streamwriter.h"
#include "objects/text/personallabel.h"
#include "objects/text/circletext.h"
#include "objects/text/textlabel.h"
#include "objects/text/multilinelabel.h"
#include "objects/text/richtext.h"
#include "objects/text/symbollabel.h"
#include "objects/text/supertext.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace qm;
using qmtest::TestHost;
using qmtest::toHex;

namespace {

// The property lines of the first object of a stream, as "Name = value".
QString Listing(const TKGraphicControl& object)
{
    QString dump, error;
    EXPECT_TRUE(DumpStream(WriteObjectsToBytes({&object}), &dump, &error)) << qPrintable(error);
    QStringList lines;
    for (const QString& line : dump.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("  ")))
            lines << line.trimmed();
    }
    return lines.join(QLatin1Char('\n'));
}

// Writes the object, reads it back onto the panel and checks that the copy writes the same bytes.
template <class T> T* RoundTrip(T& object, TKCardObjects& panel)
{
    object.SetName(QStringLiteral("Component0")); // the name the reader gives the first object
    const QByteArray bytes = WriteObjectsToBytes({&object});
    const ReadResult r = ReadObjectsFromBytes(panel, bytes);
    EXPECT_TRUE(r.ok) << qPrintable(r.error);
    if (!r.ok || r.objects.size() != 1)
        return nullptr;
    EXPECT_STREQ(r.objects[0]->ClassName(), object.ClassName());
    auto* read = dynamic_cast<T*>(r.objects[0]);
    if (read) {
        EXPECT_EQ(toHex(WriteObjectsToBytes({read})), toHex(bytes));
    }
    return read;
}

QString Expected(const char* bounds, const char* own)
{
    return QString::fromLatin1(bounds) + QLatin1String(own);
}
const char kBounds[] = "Left = 0\nTop = 0\nWidth = 142\nHeight = 33\nLocked = False\nUnselectable = False\n";
const char kWideBounds[] =
    "Left = 0\nTop = 0\nWidth = 190\nHeight = 33\nLocked = False\nUnselectable = False\n";

} // namespace

// ---- What a new object writes ----

TEST(TextObjectDefaults, EachClassWritesItsConstructorValuesAndNothingAtItsDefaults)
{
    EXPECT_EQ(Listing(TKPLabel()), Expected(kBounds, R"(Caption = "Text"
Font.Color = clBlack
Font.Height = -13
Font.Name = "Arial"
Font.Style = []
Transparent = True
BackColor = clWhite
BorderStyle = bsNone)"));
    EXPECT_EQ(Listing(TKSymbolLabel()), Expected(kBounds, R"(Caption = "["
Font.Color = clBlack
Font.Height = -32
Font.Name = "WingDings"
Font.Style = []
Transparent = True
BackColor = clWhite
BorderStyle = bsNone)"));
    EXPECT_EQ(Listing(TKMultiLineLabel()), Expected(kWideBounds, R"(AutoSize = False
Font.Color = clBlack
Font.Height = -13
Font.Name = "Arial"
Font.Style = [])"));
    EXPECT_EQ(Listing(TKSuperText()), Expected(kBounds, R"(BorderStyle = bsNone
ControlTransparent = True
BGColor = clWhite
Caption = "Text"
Font.Color = clBlack
Font.Height = -64
Font.Name = "Arial"
Font.Style = [fsBold]
FillDirection = gdRight
GradientToColor = clYellow
GradientFromColor = clBlue
OutlineColor = clBlack
OutlineStyle = psSolid
OutlineWidth = 1
SurfaceType = stGradientFill)"));
    EXPECT_EQ(Listing(TKPCircleText()), Expected(kBounds, R"(StartingVector = dg180
Degrees = dg360
Font.Color = clBlack
Font.Height = -13
Font.Name = "Arial"
Font.Style = [fsBold]
Mirror = False
DrawLettersAngled = True
BorderStyle = bsNone
ControlTransparent = True
BGColor = clWhite
Caption = "ABC DEF GHI JKL")"));
    EXPECT_EQ(Listing(TKPRichBaseLabel()), Expected(kWideBounds, R"(RTFText.Data = {0 bytes: }
BorderStyle = bsSingle
Transparent = True
BGColor = clWhite)"));
}

// ---- Round trips ----

namespace {
// Every own property of the object shows up in its listing, so none was left at its default by mistake.
void ExpectEveryOwnPropertyWritten(const TKGraphicControl& object, const char* except = "")
{
    const QString listing = QLatin1Char('\n') + Listing(object);
    const auto& items = object.Properties().Items();
    for (size_t i = TKGraphicControl::BaseProperties().Items().size(); i < items.size(); ++i) {
        const PropInfo& p = items[i];
        if (p.type != PropType::Object && p.type != PropType::Reference && p.name != except) {
            EXPECT_TRUE(listing.contains(QLatin1Char('\n') + QLatin1String(p.name) + QLatin1String(" = ")))
                << object.ClassName() << " " << p.name.constData();
        }
    }
}
} // namespace

TEST(TextObjectStream, EveryTextClassIsRegisteredAndRoundTripsAtConstructorValues)
{
    for (const char* name : {"TKPLabel", "TKBusinessCardLabel", "TKSymbolLabel", "TKMultiLineLabel",
                             "TKPRichBaseLabel", "TKSuperText", "TKPCircleText"}) {
        SCOPED_TRACE(name);
        std::unique_ptr<TKGraphicControl> object = CardClasses().Create(name);
        ASSERT_NE(object, nullptr);
        EXPECT_STREQ(object->ClassName(), name);
        TKCardObjects panel;
        EXPECT_NE(RoundTrip(*object, panel), nullptr);
    }
}

TEST(TextObjectStream, LabelsKeepEveryChangedProperty)
{
    TKBusinessCardLabel label;
    label.SetBounds(12, 20, 40, 150);
    label.SetAngle(270);
    label.SetDepthHighlight(2);
    label.SetDepthShadow(300);
    label.SetDirectionHighlight(hdright);
    label.SetDirectionShadow(sdDownLeft);
    label.SetColorHighlight(0x123456);
    label.SetColorShadow(clRed);
    label.SetCaption(QStringLiteral("Jane Q. Public – Übersetzer"));
    label.Font().SetName(QStringLiteral("Times New Roman"));
    label.Font().SetSize(14);
    label.Font().SetStyle((1 << fsItalic) | (1 << fsUnderline));
    label.SetTransparent(false);
    label.SetBackColor(clYellow);
    label.SetBorderStyle(bsSingle);
    TKCardObjects panel;
    TKBusinessCardLabel* read = RoundTrip(label, panel);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->BoundsRect(), QRect(12, 20, 40, 150));
    EXPECT_EQ(read->Caption(), label.Caption());
    EXPECT_EQ(read->ShadowOffset(), QPoint(-300, 300));
    EXPECT_EQ(read->HighlightOffset(), QPoint(2, 0));

    // Alignment is only kept on upright text, so it gets a label of its own.
    TKSymbolLabel symbol;
    symbol.SetAlignment(taCenter);
    ExpectEveryOwnPropertyWritten(label, "Alignment");
    EXPECT_TRUE(Listing(label).contains(QLatin1String("\nDirectionHighlight = hdright\n")));
    TKCardObjects panel2;
    TKSymbolLabel* read2 = RoundTrip(symbol, panel2);
    ASSERT_NE(read2, nullptr);
    EXPECT_EQ(read2->Alignment(), taCenter);
}

TEST(TextObjectStream, EmptiedCaptionStaysEmpty)
{
    TKPLabel label;
    TKSymbolLabel symbol;
    TKSuperText super;
    TKPCircleText circle;
    std::vector<TKGraphicControl*> objects{&label, &symbol, &super, &circle};
    label.SetCaption(QString());
    symbol.SetCaption(QString());
    super.SetCaption(QString());
    circle.SetCaption(QString());
    for (TKGraphicControl* object : objects) {
        EXPECT_TRUE(Listing(*object).contains(QLatin1String("Caption = \"\""))) << object->ClassName();
        TKCardObjects panel;
        TKGraphicControl* read = RoundTrip(*object, panel);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->Properties().Find("Caption")->get(*read).text, QString()) << object->ClassName();
    }
}

TEST(TextObjectStream, OtherTextObjectsKeepEveryChangedProperty)
{
    TKMultiLineLabel multi;
    multi.SetItems({QStringLiteral("Line one"), QString(), QStringLiteral("  three  ")});
    multi.SetAutoSize(true);
    multi.SetAlignment(taRightJustify);
    multi.Font().SetPitch(fpFixed);
    multi.SetWordWrap(true);
    ExpectEveryOwnPropertyWritten(multi);
    TKCardObjects panel;
    TKMultiLineLabel* readMulti = RoundTrip(multi, panel);
    ASSERT_NE(readMulti, nullptr);
    EXPECT_EQ(readMulti->Items().Strings(), multi.Items().Strings());
    EXPECT_TRUE(readMulti->WrapNeeded());

    TKSuperText super;
    super.SetShadowDepth(4);
    super.SetShadowOrientation(sdLeft);
    super.SetShadowcolor(clSilver);
    super.SetBorderStyle(bsSingle);
    super.SetControlTransparent(false);
    super.SetBGColor(0x00FFFFFE);
    super.SetCaption(QStringLiteral("Sale!"));
    super.SetFillDirection(gdUp);
    super.SetGradientToColor(clRed);
    super.SetGradientFromColor(clAqua);
    super.SetSurfaceType(TKSuperText::stBrushImage);
    super.Image().SetFileBytes(QByteArray("BM tile bytes"));
    super.SetOutlineColor(clGray);
    super.SetOutlineStyle(psDashDot);
    super.SetOutlineWidth(0);
    super.SetLastBitmapFileNameandPath(QStringLiteral("/home/jane/Textures/marble.bmp"));
    ExpectEveryOwnPropertyWritten(super);
    TKCardObjects panel2;
    TKSuperText* readSuper = RoundTrip(super, panel2);
    ASSERT_NE(readSuper, nullptr);
    EXPECT_EQ(readSuper->Image().FileBytes(), QByteArray("BM tile bytes"));
    EXPECT_EQ(readSuper->ShadowOffset(), QPoint(-4, 0));

    TKPCircleText circle;
    circle.SetStartingVector(dg90);
    circle.SetDegrees(dg270);
    circle.SetMirror(true);
    circle.SetDrawLettersAngled(false);
    circle.SetBorderStyle(bsSingle);
    circle.SetControlTransparent(false);
    circle.SetBGColor(clSilver);
    circle.SetCaption(QStringLiteral("AROUND"));
    ExpectEveryOwnPropertyWritten(circle);
    TKCardObjects panel3;
    EXPECT_NE(RoundTrip(circle, panel3), nullptr);

    TKPRichBaseLabel rich;
    rich.RTFText().SetData(QByteArray("{\\rtf1\\ansi Hello \\b world\\b0\\par}"));
    rich.SetBorderStyle(bsNone);
    rich.SetTransparent(false);
    rich.SetBGColor(clYellow);
    TKCardObjects panel4;
    TKPRichBaseLabel* readRich = RoundTrip(rich, panel4);
    ASSERT_NE(readRich, nullptr);
    EXPECT_EQ(readRich->RTFText().Data(), rich.RTFText().Data());
}

TEST(TextObjectStream, CircleTextReadsAForeignPopupMenuAndDoesNotWriteIt)
{
    TKPCircleText circle;
    QByteArray bytes = WriteObjectsToBytes({&circle});
    const QByteArray degrees("\x07"
                             "Degrees\x07\x05"
                             "dg360");
    const qsizetype at = bytes.indexOf(degrees);
    ASSERT_GT(at, 0);
    bytes.insert(at + degrees.size(), QByteArray("\x09"
                                                 "PopupMenu\x07\x0a"
                                                 "PopupMenu1"));
    TKCardObjects panel;
    const ReadResult r = ReadObjectsFromBytes(panel, bytes);
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    EXPECT_EQ(Listing(*r.objects[0]), Listing(circle));
}

// ---- Label rules ----

TEST(TextLabelRules, AngleTakesOnlyQuarterTurnsAndTurnsTheBoxWhenItDoesNotSuit)
{
    TKPLabel label;
    label.SetAlignment(taCenter);
    label.SetAngle(45);
    EXPECT_EQ(label.Angle(), 0);
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 142, 33));
    EXPECT_EQ(label.Alignment(), taCenter);

    label.SetAngle(90);
    EXPECT_EQ(label.Angle(), 90);
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 33, 142));
    EXPECT_EQ(label.Alignment(), taLeftJustify);

    label.SetAngle(270); // still upright box: no swap
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 33, 142));
    label.SetAngle(180);
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 142, 33));
    label.SetAngle(0);
    EXPECT_EQ(label.BoundsRect(), QRect(0, 0, 142, 33));

    // A box that already suits the new orientation is kept.
    TKPLabel tall;
    tall.SetBounds(5, 6, 30, 100);
    tall.SetAngle(90);
    EXPECT_EQ(tall.BoundsRect(), QRect(5, 6, 30, 100));
    tall.SetAngle(0);
    EXPECT_EQ(tall.BoundsRect(), QRect(5, 6, 100, 30));
}

TEST(TextLabelRules, OffsetsFollowDirectionAndDepth)
{
    const QPoint shadow[] = {{0, 0}, {3, 0}, {-3, 0}, {3, 3}, {-3, 3}, {0, 3}};
    const QPoint highlight[] = {{0, 0}, {3, 0}, {-3, 0}, {3, -3}, {-3, -3}, {0, -3}};
    TKPLabel label;
    EXPECT_EQ(label.ShadowOffset(), QPoint(0, 0));
    EXPECT_EQ(label.HighlightOffset(), QPoint(0, 0));
    label.SetDepthShadow(3);
    label.SetDepthHighlight(3);
    for (int d = 0; d < 6; ++d) {
        label.SetDirectionShadow(TShadowDirection(d));
        label.SetDirectionHighlight(THighlightDirection(d));
        EXPECT_EQ(label.ShadowOffset(), shadow[d]) << d;
        EXPECT_EQ(label.HighlightOffset(), highlight[d]) << d;
    }
    // A depth change is applied in the current direction.
    label.SetDirectionShadow(sdDownLeft);
    label.SetDirectionHighlight(hdUpRight);
    label.SetDepthShadow(7);
    label.SetDepthHighlight(1);
    EXPECT_EQ(label.ShadowOffset(), QPoint(-7, 7));
    EXPECT_EQ(label.HighlightOffset(), QPoint(1, -1));
}

TEST(TextLabelRules, ChangesReachThePanelOnlyWhenSomethingChangedAndNotWhileReading)
{
    TestHost host;
    TKPLabel label;
    host.Adopt(label);

    // Same values: nothing at all.
    label.SetAlignment(taLeftJustify);
    label.SetCaption(QStringLiteral("Text"));
    label.SetTransparent(true);
    label.SetBackColor(clWhite);
    label.SetBorderStyle(bsNone);
    label.SetAngle(0);
    label.SetDepthShadow(0);
    label.SetColorShadow(clGray);
    label.Font().SetName(QStringLiteral("Arial"));
    label.ApplyFont(label.Font());
    EXPECT_EQ(host.changes, 0);
    EXPECT_EQ(host.invalidations, 0);

    // Each of these is a change of the card.
    label.SetAlignment(taRightJustify);
    label.SetCaption(QStringLiteral("Other"));
    label.SetTransparent(false);
    label.SetBackColor(clRed);
    label.SetBorderStyle(bsSingle);
    label.Font().SetSize(12);
    EXPECT_EQ(host.changes, 6);

    // While read from a card file the panel hears nothing.
    TKPLabel reading;
    host.Adopt(reading);
    reading.SetComponentState(csLoading | csReading);
    host.changes = 0;
    reading.SetBounds(1, 2, 3, 4);
    reading.SetAngle(90);
    reading.SetCaption(QStringLiteral("x"));
    reading.SetBackColor(clRed);
    reading.SetTransparent(false);
    reading.Font().SetSize(30);
    EXPECT_EQ(host.changes, 0);
}

TEST(TextLabelRules, ResizingToNothingLeavesOnePixel)
{
    TKPLabel label;
    label.SetWidth(0);
    EXPECT_EQ(label.Width(), 1);
    label.SetBounds(10, 10, -5, 0);
    EXPECT_EQ(label.BoundsRect(), QRect(10, 10, 1, 1));
    TKPCircleText circle;
    circle.SetHeight(0);
    EXPECT_EQ(circle.Height(), 1);
    TKSuperText super;
    super.SetBounds(0, 0, 0, 0);
    EXPECT_EQ(super.BoundsRect(), QRect(0, 0, 1, 1));
}

TEST(TextLabelRules, ChangeAllFontsReachesLabelsButNotSymbols)
{
    TKFont font;
    font.SetName(QStringLiteral("Verdana"));
    font.SetColor(clRed);
    TKPLabel label;
    TKSymbolLabel symbol;
    label.ApplyFont(font);
    symbol.ApplyFont(font);
    EXPECT_TRUE(label.Font() == font);
    EXPECT_EQ(symbol.Font().Name(), QStringLiteral("WingDings"));
}

TEST(TextLabelRules, PersonalInformationItemsCarryThePrefixAndGiveBackTheWholeValue)
{
    using B = TKBusinessCardLabel;
    EXPECT_STREQ(B::kPersonalFieldPrefixes[B::pfName], "Name\t");
    EXPECT_STREQ(B::kPersonalFieldPrefixes[B::pfEMail], "EMail\t");
    EXPECT_STREQ(B::kPersonalFieldPrefixes[B::pfFax], "Fax\t");
    EXPECT_EQ(B::PersonalFieldItemCaption(B::pfPhone2, QString()), QStringLiteral("Phone 2\t"));

    const QString withTab = QStringLiteral("Suite 4\tBuilding B");
    const QString item = B::PersonalFieldItemCaption(B::pfAddress1, withTab);
    EXPECT_EQ(B::PersonalFieldItemValue(item), withTab);
    EXPECT_EQ(B::PersonalFieldItemValue(B::PersonalFieldItemCaption(B::pfName, QString())), QString());
    EXPECT_EQ(B::PersonalFieldItemValue(QStringLiteral("Name\t") + QString(300, QLatin1Char('x'))).size(),
              255);
}

// ---- Multi-line text ----

TEST(MultiLineRules, WrappedLinesAreRebuiltOnlyWhileWordWrapIsOn)
{
    TKMultiLineLabel multi;
    multi.SetWidth(100);
    multi.Font().SetSize(20);
    EXPECT_FALSE(multi.WrapNeeded());
    multi.SetWordWrap(true);
    EXPECT_TRUE(multi.WrapNeeded());
    multi.SetWrappedLines({QStringLiteral("a")});
    EXPECT_FALSE(multi.WrapNeeded());

    // Narrower, another font or other text: new breaks.
    multi.SetWidth(60);
    EXPECT_TRUE(multi.WrapNeeded());
    EXPECT_TRUE(multi.WrappedLines().isEmpty());
    multi.SetWrappedLines({QStringLiteral("a")});
    multi.Font().SetSize(22);
    EXPECT_TRUE(multi.WrapNeeded());
    multi.SetWrappedLines({QStringLiteral("a")});
    multi.SetItems({QStringLiteral("b")});
    EXPECT_TRUE(multi.WrapNeeded());
}

// ---- SuperText ----

TEST(SuperTextRules, SurfaceTypeDiscardsTheTextureAndKeepsEmptyLettersOutlined)
{
    TKSuperText super;
    super.SetSurfaceType(TKSuperText::stBrushImage);
    super.Image().SetFileBytes(QByteArray("BM tile"));
    super.SetSurfaceType(TKSuperText::stBrushImage);
    EXPECT_FALSE(super.Image().Empty());
    super.SetSurfaceType(TKSuperText::stNormal);
    EXPECT_TRUE(super.Image().Empty());

    super.SetOutlineStyle(psClear);
    super.SetSurfaceType(TKSuperText::stGradientFill);
    EXPECT_EQ(super.OutlineStyle(), psClear);
    super.SetSurfaceType(TKSuperText::stBrushTransparent);
    EXPECT_EQ(super.OutlineStyle(), psSolid);

    super.SetOutlineStyle(psDot);
    super.SetSurfaceType(TKSuperText::stNormal);
    super.SetSurfaceType(TKSuperText::stBrushTransparent);
    EXPECT_EQ(super.OutlineStyle(), psDot);
}

TEST(SuperTextRules, ShadowOffsetFollowsDepthAndOrientation)
{
    TKSuperText super;
    super.SetShadowDepth(5);
    EXPECT_EQ(super.ShadowOffset(), QPoint(5, 5)); // sdDownRight
    super.SetShadowOrientation(sdDown);
    EXPECT_EQ(super.ShadowOffset(), QPoint(0, 5));
    super.SetShadowOrientation(sdDownLeft);
    EXPECT_EQ(super.ShadowOffset(), QPoint(-5, 5));
}

TEST(TextLabel, ACardReadBackKeepsARotatedLabelsAlignmentButTurnsABoxThatDoesNotSuit)
{
    // Rotated, then centred by the user: reopening keeps the alignment and the box.
    TKPLabel label;
    label.SetAngle(90);
    label.SetBounds(5, 6, 20, 120);
    label.SetAlignment(taCenter);
    qmtest::TestHost host;
    TKCardObjects& objects = host.card.Objects();
    ReadResult r = ReadObjectsFromBytes(objects, WriteObjectsToBytes({&label}));
    ASSERT_TRUE(r.ok) << qPrintable(r.error);
    auto* read = static_cast<TKPLabel*>(objects.At(0));
    EXPECT_EQ(read->Angle(), 90);
    EXPECT_EQ(read->BoundsRect(), QRect(5, 6, 20, 120));
    EXPECT_EQ(read->Alignment(), taCenter);
    // Nor does the first bounds check after reading count as a change.
    read->BoundsChanged();
    EXPECT_EQ(host.changes, 0);

    // A card from elsewhere with a turned label in an upright, centred box: opened as the rotation command
    // leaves it (box turned, left aligned), and laid out to the same size.
    for (int angle : {90, 270}) {
        TKPLabel upright;
        upright.SetAlignment(taCenter);
        upright.SetComponentState(csLoading | csReading);
        upright.SetAngle(angle);
        upright.SetComponentState(0);
        ASSERT_EQ(upright.BoundsRect(), QRect(0, 0, 142, 33));
        TKCardObjects& card = host.card.Objects();
        card.Clear();
        r = ReadObjectsFromBytes(card, WriteObjectsToBytes({&upright}));
        ASSERT_TRUE(r.ok) << qPrintable(r.error);
        auto* opened = static_cast<TKPLabel*>(card.At(0));
        EXPECT_EQ(opened->BoundsRect(), QRect(0, 0, 33, 142)) << angle;
        EXPECT_EQ(opened->Alignment(), taLeftJustify);
        TKPLabel turned;
        turned.SetAlignment(taCenter);
        turned.SetAngle(angle);
        turned.LayOut();
        opened->LayOut();
        EXPECT_EQ(opened->BoundsRect(), turned.BoundsRect()) << angle;
        EXPECT_EQ(host.changes, 0) << "opening a card is no change";
    }
}
